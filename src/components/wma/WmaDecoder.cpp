#include "components/wma/WmaDecoder.h"

#include <algorithm>
#include <cerrno>

#include "components/ComponentErrors.h"

namespace vesk {
namespace {

std::string CodecLabel(AVCodecID id) {
    switch (id) {
        case AV_CODEC_ID_WMAPRO: return "WMA Pro";
        case AV_CODEC_ID_WMALOSSLESS: return "WMA Lossless";
        case AV_CODEC_ID_WMAVOICE: return "WMA Voice";
        default: return "WMA";
    }
}

// FFmpeg's WMA v1/v2 decoder gives no sound for a stream's first frame (it only primes the
// overlapping transform), so it delivers one frame less than the header's duration. The frame
// length follows from the rate as the format defines it.
int64_t SwallowedFrames(AVCodecID id, int32_t frequencyHz) {
    if (id != AV_CODEC_ID_WMAV1 && id != AV_CODEC_ID_WMAV2) return 0;
    if (frequencyHz <= 16000) return 512;
    if (frequencyHz <= 22050 || (frequencyHz <= 32000 && id == AV_CODEC_ID_WMAV1)) return 1024;
    return 2048;
}

// The length the decoder will deliver: the stream's duration when the container gives one, else
// the file's (ASF headers carry the play duration), less what the decoder swallows.
int64_t LengthFrames(const AVFormatContext& input, const AVStream& stream, const AVCodecContext& codec) {
    AVRational perFrame{1, codec.sample_rate};
    int64_t frames = 0;
    if (stream.duration != AV_NOPTS_VALUE && stream.duration > 0) {
        frames = av_rescale_q(stream.duration, stream.time_base, perFrame);
    } else if (input.duration != AV_NOPTS_VALUE && input.duration > 0) {
        frames = av_rescale_q(input.duration, AV_TIME_BASE_Q, perFrame);
    }
    return std::max<int64_t>(0, frames - SwallowedFrames(codec.codec_id, codec.sample_rate));
}

}  // namespace

int32_t WmaDecoder::Open(const std::string& path) {
    // WMA lives only in ASF; insisting on it makes anything else named .wma a format error
    // instead of being decoded as whatever the probe guesses.
    const AVInputFormat* asf = av_find_input_format("asf");
    if (!asf) return component_error::kFormatNotSupport;
    if (!io_.Open(path, FileMode::Read)) return component_error::kFileAccess;
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw) return component_error::kMemory;
    raw->pb = io_.Context();
    raw->flags |= AVFMT_FLAG_CUSTOM_IO;
    // On failure the library frees the context (not the I/O context).
    const bool opened = avformat_open_input(&raw, path.c_str(), asf, nullptr) >= 0;
    if (opened) input_.reset(raw);
    const bool probed = opened && avformat_find_stream_info(input_.get(), nullptr) >= 0;
    const int32_t error = probed ? OpenDecoder() : component_error::kFormatFile;
    // A file that failed on the way is refused whatever FFmpeg made of it.
    return io_.Failed() ? component_error::kFileAccess : error;
}

int32_t WmaDecoder::OpenDecoder() {
    const AVCodec* decoder = nullptr;
    streamIndex_ = av_find_best_stream(input_.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (streamIndex_ == AVERROR_DECODER_NOT_FOUND) return component_error::kFormatNotSupport;
    if (streamIndex_ < 0) return component_error::kFormatFile;
    const AVStream& stream = *input_->streams[streamIndex_];
    codec_.reset(avcodec_alloc_context3(decoder));
    frame_.reset(av_frame_alloc());
    packet_.reset(av_packet_alloc());
    if (!codec_ || !frame_ || !packet_) return component_error::kMemory;
    if (avcodec_parameters_to_context(codec_.get(), stream.codecpar) < 0 ||
        avcodec_open2(codec_.get(), decoder, nullptr) < 0) {
        return component_error::kFormatNotSupport;
    }
    info_.frequencyHz = codec_->sample_rate;
    info_.channels = std::min(codec_->ch_layout.nb_channels, 2);
    if (info_.frequencyHz <= 0 || info_.channels <= 0) return component_error::kFormatFile;
    int64_t bitRate = stream.codecpar->bit_rate > 0 ? stream.codecpar->bit_rate : input_->bit_rate;
    info_.kbps = static_cast<int32_t>((bitRate + 500) / 1000);
    info_.lengthFrames = LengthFrames(*input_, stream, *codec_);
    info_.codecLabel = CodecLabel(codec_->codec_id);
    SampleLayout from{codec_->sample_fmt, info_.frequencyHz, codec_->ch_layout.nb_channels};
    SampleLayout to{AV_SAMPLE_FMT_S16, info_.frequencyHz, info_.channels};
    return converter_.Configure(from, to) ? component_error::kNone : component_error::kFormatNotSupport;
}

int64_t WmaDecoder::Read(int64_t maxFrames, std::vector<int16_t>& out) {
    if (!codec_ || maxFrames <= 0) return 0;
    Fill(maxFrames);
    int64_t frames = std::min<int64_t>(maxFrames, static_cast<int64_t>(pending_.size()) / info_.channels);
    auto end = pending_.begin() + frames * info_.channels;
    out.insert(out.end(), pending_.begin(), end);
    pending_.erase(pending_.begin(), end);
    return frames;
}

void WmaDecoder::Fill(int64_t frames) {
    size_t wanted = static_cast<size_t>(frames * info_.channels);
    while (pending_.size() < wanted && !codecDone_) {
        if (TakeDecodedFrame()) continue;
        if (!FeedPacket() && codecDone_) break;
    }
}

bool WmaDecoder::TakeDecodedFrame() {
    int result = avcodec_receive_frame(codec_.get(), frame_.get());
    if (result == AVERROR(EAGAIN) && !inputDone_) return false;
    if (result < 0) {
        // The codec is drained (or broken beyond repair): hand out what the resampler holds.
        AppendConverted(nullptr, 0);
        codecDone_ = true;
        return false;
    }
    AppendConverted(frame_->extended_data, frame_->nb_samples);
    av_frame_unref(frame_.get());
    return true;
}

bool WmaDecoder::FeedPacket() {
    while (!inputDone_) {
        int result = av_read_frame(input_.get(), packet_.get());
        if (result < 0) {
            inputDone_ = true;
            avcodec_send_packet(codec_.get(), nullptr);
            return false;
        }
        bool ours = packet_->stream_index == streamIndex_;
        // A damaged packet is dropped so that the rest of the file still plays.
        if (ours) avcodec_send_packet(codec_.get(), packet_.get());
        av_packet_unref(packet_.get());
        if (ours) return true;
    }
    return false;
}

void WmaDecoder::AppendConverted(const uint8_t* const* planes, int32_t frames) {
    int32_t capacity = converter_.MaxOutputFrames(frames);
    if (capacity <= 0) return;
    size_t start = pending_.size();
    pending_.resize(start + static_cast<size_t>(capacity) * info_.channels);
    uint8_t* target = reinterpret_cast<uint8_t*>(pending_.data() + start);
    int32_t written = converter_.Convert(planes, frames, &target, capacity);
    pending_.resize(start + static_cast<size_t>(std::max(written, 0)) * info_.channels);
}

}  // namespace vesk
