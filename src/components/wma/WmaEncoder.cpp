#include "components/wma/WmaEncoder.h"

#include <algorithm>

#include "components/ComponentErrors.h"
#include "platform/io/PathUtil.h"

namespace vesk {

int32_t WmaEncoder::Open(const std::string& path, const WmaProfile& profile, int32_t inputHz, int32_t inputChannels) {
    Close();
    if (inputHz <= 0 || inputChannels < 1 || inputChannels > 2) return component_error::kFormatNotSupport;
    inputChannels_ = inputChannels;
    path_.clear();
    int32_t error = OpenCodec(profile);
    if (error == component_error::kNone) error = OpenFile(path);
    SampleLayout from{AV_SAMPLE_FMT_S16, inputHz, inputChannels};
    SampleLayout to{AV_SAMPLE_FMT_FLTP, profile.frequencyHz, profile.channels};
    if (error == component_error::kNone && !converter_.Configure(from, to)) error = component_error::kFormatNotSupport;
    if (error == component_error::kNone && !QueueLeadIn()) error = component_error::kMemory;
    if (error != component_error::kNone) {
        output_.reset();
        codec_.reset();
        io_.Close();
        // A file created before the failure holds no usable header; it must not stay behind.
        if (!path_.empty()) RemoveFile(path_);
    }
    return error;
}

int32_t WmaEncoder::OpenCodec(const WmaProfile& profile) {
    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    if (!encoder) return component_error::kFormatNotSupport;
    codec_.reset(avcodec_alloc_context3(encoder));
    packet_.reset(av_packet_alloc());
    if (!codec_ || !packet_) return component_error::kMemory;
    codec_->sample_fmt = AV_SAMPLE_FMT_FLTP;
    codec_->sample_rate = profile.frequencyHz;
    codec_->bit_rate = static_cast<int64_t>(profile.kbps) * 1000;
    codec_->time_base = AVRational{1, profile.frequencyHz};
    av_channel_layout_default(&codec_->ch_layout, profile.channels);
    if (avcodec_open2(codec_.get(), encoder, nullptr) < 0) return component_error::kFormatNotSupport;
    fifo_.reset(av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, profile.channels, codec_->frame_size));
    if (!fifo_) return component_error::kMemory;
    planes_.assign(static_cast<size_t>(profile.channels), {});
    return component_error::kNone;
}

int32_t WmaEncoder::OpenFile(const std::string& path) {
    AVFormatContext* raw = nullptr;
    if (avformat_alloc_output_context2(&raw, nullptr, "asf", path.c_str()) < 0) {
        return component_error::kFormatNotSupport;
    }
    output_.reset(raw);
    stream_ = avformat_new_stream(output_.get(), nullptr);
    if (!stream_ || avcodec_parameters_from_context(stream_->codecpar, codec_.get()) < 0) {
        return component_error::kMemory;
    }
    stream_->time_base = codec_->time_base;
    if (!io_.Open(path, FileMode::Output)) return component_error::kFileAccess;
    output_->pb = io_.Context();
    path_ = path;
    if (avformat_write_header(output_.get(), nullptr) < 0) return component_error::kFileAccess;
    nextPts_ = 0;
    return component_error::kNone;
}

bool WmaEncoder::QueueLeadIn() {
    // WMA decoders give no sound for the first frame of a stream: it only primes the overlapping
    // transform. One frame of silence takes that role, so decoding starts with the first sample
    // written.
    const int32_t frames = codec_->frame_size;
    std::vector<float> silence(static_cast<size_t>(frames), 0.0f);
    std::vector<void*> planes(planes_.size(), silence.data());
    return av_audio_fifo_write(fifo_.get(), planes.data(), frames) == frames;
}

bool WmaEncoder::Write(std::span<const int16_t> samples) {
    if (!output_) return false;
    int32_t frames = static_cast<int32_t>(samples.size() / static_cast<size_t>(inputChannels_));
    return Queue(samples.data(), frames) && EncodeQueued(false);
}

bool WmaEncoder::Close() {
    if (!output_) return true;
    bool ok = Queue(nullptr, 0) && EncodeQueued(true) && Encode(nullptr);
    ok = av_write_trailer(output_.get()) >= 0 && ok;
    output_.reset();
    ok = io_.Close() && ok;
    codec_.reset();
    fifo_.reset();
    return ok;
}

bool WmaEncoder::Queue(const int16_t* samples, int32_t frames) {
    int32_t capacity = converter_.MaxOutputFrames(frames);
    if (capacity <= 0) return true;
    std::vector<uint8_t*> targets;
    for (auto& plane : planes_) {
        plane.resize(static_cast<size_t>(capacity));
        targets.push_back(reinterpret_cast<uint8_t*>(plane.data()));
    }
    const uint8_t* source = reinterpret_cast<const uint8_t*>(samples);
    int32_t converted = converter_.Convert(samples ? &source : nullptr, frames, targets.data(), capacity);
    if (converted < 0) return false;
    return av_audio_fifo_write(fifo_.get(), reinterpret_cast<void**>(targets.data()), converted) == converted;
}

bool WmaEncoder::EncodeQueued(bool all) {
    const int32_t frameSize = codec_->frame_size;
    while (av_audio_fifo_size(fifo_.get()) >= frameSize || (all && av_audio_fifo_size(fifo_.get()) > 0)) {
        av::FramePtr frame(av_frame_alloc());
        if (!frame) return false;
        frame->nb_samples = std::min(frameSize, av_audio_fifo_size(fifo_.get()));
        frame->format = codec_->sample_fmt;
        frame->sample_rate = codec_->sample_rate;
        if (av_channel_layout_copy(&frame->ch_layout, &codec_->ch_layout) < 0) return false;
        // The last frame may be short; the codec pads it with silence to its frame size.
        if (av_frame_get_buffer(frame.get(), 0) < 0) return false;
        av_audio_fifo_read(fifo_.get(), reinterpret_cast<void**>(frame->data), frame->nb_samples);
        frame->pts = nextPts_;
        nextPts_ += frame->nb_samples;
        if (!Encode(frame.get())) return false;
    }
    return true;
}

bool WmaEncoder::Encode(AVFrame* frame) {
    if (avcodec_send_frame(codec_.get(), frame) < 0) return false;
    for (;;) {
        int result = avcodec_receive_packet(codec_.get(), packet_.get());
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return true;
        if (result < 0) return false;
        av_packet_rescale_ts(packet_.get(), codec_->time_base, stream_->time_base);
        packet_->stream_index = stream_->index;
        // The muxer takes the packet's payload and leaves packet_ empty for the next one.
        if (av_interleaved_write_frame(output_.get(), packet_.get()) < 0) return false;
    }
}

}  // namespace vesk
