#include "components/file/FfmpegDecoder.h"

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "components/ComponentErrors.h"
#include "components/file/FormatText.h"
#include "components/file/Pcm16.h"

namespace vesk {
namespace {

constexpr int32_t kFormatTypeMp2OrG729 = 12;

bool IsPcm(AVCodecID id) { return id >= AV_CODEC_ID_FIRST_AUDIO && id < AV_CODEC_ID_ADPCM_IMA_QT; }

std::string CodecName(AVCodecID id) {
    switch (id) {
        case AV_CODEC_ID_MP2: return "MP2";
        case AV_CODEC_ID_MP3: return "MP3";
        case AV_CODEC_ID_AAC: return "AAC";
        case AV_CODEC_ID_MUSEPACK7:
        case AV_CODEC_ID_MUSEPACK8: return "Musepack";
        case AV_CODEC_ID_G729: return "G.729";
        case AV_CODEC_ID_VORBIS: return "Ogg Vorbis";
        case AV_CODEC_ID_OPUS: return "Opus";
        case AV_CODEC_ID_FLAC: return "FLAC";
        case AV_CODEC_ID_PCM_ALAW: return "A-law";
        case AV_CODEC_ID_PCM_MULAW: return "u-law";
        default: break;
    }
    if (IsPcm(id)) return "PCM";
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(id);
    return descriptor && descriptor->long_name ? descriptor->long_name : "Unknown";
}

OutputCodec LikeCodec(AVCodecID id) {
    switch (id) {
        case AV_CODEC_ID_MP2: return OutputCodec::Mp2;
        case AV_CODEC_ID_MP3: return OutputCodec::Mp3;
        case AV_CODEC_ID_VORBIS: return OutputCodec::OggVorbis;
        case AV_CODEC_ID_PCM_ALAW: return OutputCodec::ALaw;
        case AV_CODEC_ID_PCM_MULAW: return OutputCodec::ULaw;
        case AV_CODEC_ID_GSM_MS: return OutputCodec::Gsm;
        case AV_CODEC_ID_ADPCM_IMA_WAV: return OutputCodec::Adpcm;
        default: return OutputCodec::Pcm;
    }
}

// The stream's duration less the samples the decoder will drop at its start: the encoder delay
// of a LAME header (FFmpeg starts such streams late), Opus pre-skip (initial padding). Padding at
// the end is not announced, so this may exceed what decodes by up to a codec frame.
int64_t AnnouncedFrames(const AVFormatContext& input, const AVStream& stream, int32_t hz) {
    if (stream.duration == AV_NOPTS_VALUE) {
        return input.duration != AV_NOPTS_VALUE ? av_rescale(input.duration, hz, AV_TIME_BASE) : 0;
    }
    const AVRational perSample{1, hz};
    int64_t frames = av_rescale_q(stream.duration, stream.time_base, perSample) - stream.codecpar->initial_padding;
    if (stream.start_time != AV_NOPTS_VALUE && stream.start_time > 0) {
        frames -= av_rescale_q(stream.start_time, stream.time_base, perSample);
    }
    return std::max<int64_t>(frames, 0);
}

}  // namespace

int32_t FfmpegDecoder::Open(const std::string& path, int32_t formatType) {
    Close();
    recognised_ = false;
    OpenInput(path, nullptr);
    if (!input_ && !ReadFailed() && formatType == kFormatTypeMp2OrG729) OpenInput(path, av_find_input_format("g729"));
    if (ReadFailed()) return Refuse(component_error::kFileAccess);
    if (!input_) return Refuse(component_error::kFormatFile);
    stream_ = av_find_best_stream(input_.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (stream_ < 0) return Refuse(component_error::kFormatFile);
    recognised_ = true;
    int32_t result = OpenCodec();
    if (result == component_error::kNone) result = OpenResampler();
    if (result == component_error::kNone) {
        DescribeSource();
        result = DecodeFirstFrame();
    }
    // A file that failed on the way is refused whatever FFmpeg made of it.
    if (ReadFailed()) result = component_error::kFileAccess;
    return result == component_error::kNone ? result : Refuse(result);
}

void FfmpegDecoder::OpenInput(const std::string& path, const AVInputFormat* format) {
    input_.reset();
    io_ = std::make_unique<AvioFile>();
    if (!io_->Open(path, FileMode::Read)) {
        io_.reset();
        openFailed_ = true;
        return;
    }
    int error = 0;
    input_ = ffmpeg::OpenInput(path.c_str(), io_->Context(), format, &error);
}

int32_t FfmpegDecoder::Refuse(int32_t error) {
    Close();
    return error;
}

// Decoding the first frame while opening refuses a file whose packets the decoder cannot read at
// all (a codec the container names wrongly, only a damaged frame) instead of opening it as an
// empty sound. The frame waits in the converter for the first Read.
int32_t FfmpegDecoder::DecodeFirstFrame() {
    if (!NextFrame()) return rejected_ > 0 ? component_error::kFormatNotSupport : component_error::kFormatFile;
    Convert(nullptr, 0, true);
    av_frame_unref(frame_.get());
    return component_error::kNone;
}

int32_t FfmpegDecoder::OpenCodec() {
    const AVCodecParameters* parameters = input_->streams[stream_]->codecpar;
    const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder) return component_error::kFormatNotSupport;
    codec_.reset(avcodec_alloc_context3(decoder));
    packet_.reset(av_packet_alloc());
    frame_.reset(av_frame_alloc());
    if (!codec_ || !packet_ || !frame_) return component_error::kMemory;
    if (avcodec_parameters_to_context(codec_.get(), parameters) < 0) return component_error::kFormatFile;
    if (avcodec_open2(codec_.get(), decoder, nullptr) < 0) return component_error::kFormatNotSupport;
    if (codec_->sample_rate <= 0 || codec_->ch_layout.nb_channels <= 0) return component_error::kFormatFile;
    return component_error::kNone;
}

// Same rate in and out: the converter only makes interleaved floats and mixes down to stereo;
// FloatToPcm16 makes the 16-bit samples, as for every source.
int32_t FfmpegDecoder::OpenResampler() {
    AVChannelLayout in{};
    if (codec_->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
        av_channel_layout_default(&in, codec_->ch_layout.nb_channels);
    } else {
        av_channel_layout_copy(&in, &codec_->ch_layout);
    }
    AVChannelLayout out{};
    av_channel_layout_default(&out, in.nb_channels >= 2 ? 2 : 1);
    SwrContext* raw = nullptr;
    const int error = swr_alloc_set_opts2(&raw, &out, AV_SAMPLE_FMT_FLT, codec_->sample_rate, &in,
                                          codec_->sample_fmt, codec_->sample_rate, 0, nullptr);
    converter_.reset(raw);
    av_channel_layout_uninit(&in);
    if (error < 0 || swr_init(converter_.get()) < 0) return component_error::kFormatNotSupport;
    info_.channels = out.nb_channels;
    return component_error::kNone;
}

void FfmpegDecoder::DescribeSource() {
    const AVStream* stream = input_->streams[stream_];
    const AVCodecParameters* parameters = stream->codecpar;
    info_.frequency = codec_->sample_rate;
    info_.isPcm = IsPcm(parameters->codec_id);
    const int bits = av_get_bits_per_sample(parameters->codec_id);
    info_.bitsPerSample = info_.isPcm && bits > 0 ? bits : 16;
    info_.lengthFrames = AnnouncedFrames(*input_, *stream, info_.frequency);
    const int64_t bitsPerSecond = parameters->bit_rate > 0 ? parameters->bit_rate : input_->bit_rate;
    info_.bitrateKbps = bitsPerSecond > 0 ? static_cast<int32_t>((bitsPerSecond + 500) / 1000) : 0;
    info_.codec = LikeCodec(parameters->codec_id);
    const int32_t channels = codec_->ch_layout.nb_channels;
    const std::string name = CodecName(parameters->codec_id);
    info_.formatText = info_.isPcm ? format_text::SampleBased(name, info_.frequency, info_.bitsPerSample, channels)
                                   : format_text::BitrateBased(name, info_.frequency, info_.bitrateKbps, channels);
}

bool FfmpegDecoder::NextFrame() {
    while (true) {
        const int received = avcodec_receive_frame(codec_.get(), frame_.get());
        if (received == 0) return true;
        if (received == AVERROR_EOF) return false;
        if (received != AVERROR(EAGAIN)) {
            // A frame the decoder could not read is skipped: the rest of the file may decode.
            ++rejected_;
            if (flushing_) return false;
        }
        if (!SendPacket()) return false;
    }
}

bool FfmpegDecoder::SendPacket() {
    if (flushing_) return false;
    while (av_read_frame(input_.get(), packet_.get()) >= 0) {
        const bool ours = packet_->stream_index == stream_;
        const int sent = ours ? avcodec_send_packet(codec_.get(), packet_.get()) : 0;
        av_packet_unref(packet_.get());
        if (!ours) continue;
        if (sent < 0) ++rejected_;  // a damaged packet is skipped likewise
        return true;
    }
    flushing_ = true;
    avcodec_send_packet(codec_.get(), nullptr);
    return true;
}

int64_t FfmpegDecoder::Convert(float* out, int64_t maxFrames, bool fresh) {
    auto* target = reinterpret_cast<uint8_t*>(out);
    const uint8_t** source = fresh ? const_cast<const uint8_t**>(frame_->extended_data) : nullptr;
    const int count = fresh ? frame_->nb_samples : 0;
    const int converted = swr_convert(converter_.get(), &target, static_cast<int>(maxFrames), source, count);
    return converted > 0 ? converted : 0;
}

int64_t FfmpegDecoder::Read(int16_t* out, int64_t maxFrames) {
    if (!converter_ || maxFrames <= 0) return 0;
    const int32_t channels = info_.channels;
    floats_.resize(static_cast<size_t>(maxFrames * channels));
    // What did not fit into the previous block waits inside the converter.
    int64_t done = Convert(floats_.data(), maxFrames, false);
    while (done < maxFrames && !finished_) {
        if (!NextFrame()) {
            finished_ = true;
            break;
        }
        done += Convert(floats_.data() + done * channels, maxFrames - done, true);
        av_frame_unref(frame_.get());
    }
    if (finished_ && done < maxFrames) done += Convert(floats_.data() + done * channels, maxFrames - done, false);
    FloatToPcm16(floats_.data(), out, done * channels);
    return done;
}

void FfmpegDecoder::Close() {
    converter_.reset();
    codec_.reset();
    input_.reset();
    io_.reset();
    openFailed_ = false;
    packet_.reset();
    frame_.reset();
    stream_ = -1;
    flushing_ = false;
    finished_ = false;
    rejected_ = 0;
    info_ = {};
}

}  // namespace vesk
