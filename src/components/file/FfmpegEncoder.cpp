#include "components/file/FfmpegEncoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <cstring>

#include "components/ComponentErrors.h"
#include "components/file/MpegEncoderLimits.h"

namespace vesk {
namespace {

constexpr int32_t kAlf2CdHz = 44100;
constexpr int32_t kAlf2CdChannels = 2;
constexpr int32_t kLayerTwoMaxKbps = 384;

}  // namespace

FfmpegEncoder::~FfmpegEncoder() { Close(); }

int32_t FfmpegEncoder::Open(const std::string& path, const OutputFormat& format, const EncoderInput& input) {
    Close();
    if (input.frequency <= 0 || input.channels < 1) return component_error::kInvalidParam;
    const bool cd = format.codec == OutputCodec::Alf2Cd;
    const int32_t hz = cd ? kAlf2CdHz : format.frequencyHz;
    const int32_t channels = cd ? kAlf2CdChannels : format.channels;
    const int32_t kbps = cd ? std::min(format.bitrateKbps, kLayerTwoMaxKbps) : format.bitrateKbps;
    if (!MpegEncoderLimits::AcceptsLayerTwo(hz, kbps, channels)) return component_error::kFormatNotSupport;
    if (const int32_t error = StartCodec(hz, channels, kbps)) return error;
    if (!file_.Open(path, FileMode::Output)) {
        Release();
        return component_error::kFileAccess;
    }
    converter_ = std::make_unique<EncoderInputConverter>(input.frequency, input.channels, hz, channels);
    return converter_->Ready() ? component_error::kNone : component_error::kMemory;
}

int32_t FfmpegEncoder::StartCodec(int32_t hz, int32_t channels, int32_t kbps) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MP2);
    if (!codec) return component_error::kFormatNotSupport;
    codec_ = avcodec_alloc_context3(codec);
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    if (!codec_ || !frame_ || !packet_) {
        Release();
        return component_error::kMemory;
    }
    codec_->sample_fmt = AV_SAMPLE_FMT_S16;
    codec_->sample_rate = hz;
    codec_->bit_rate = static_cast<int64_t>(kbps) * 1000;
    av_channel_layout_default(&codec_->ch_layout, channels);
    if (avcodec_open2(codec_, codec, nullptr) < 0) {
        Release();
        return component_error::kFormatNotSupport;
    }
    frame_->format = codec_->sample_fmt;
    frame_->sample_rate = hz;
    frame_->nb_samples = codec_->frame_size;
    av_channel_layout_copy(&frame_->ch_layout, &codec_->ch_layout);
    if (av_frame_get_buffer(frame_, 0) < 0) {
        Release();
        return component_error::kMemory;
    }
    return component_error::kNone;
}

bool FfmpegEncoder::Write(const int16_t* samples, int64_t frames) {
    if (!codec_) return false;
    return Queue(converter_->Convert(samples, frames));
}

// The codec takes whole frames of frame_size samples per channel; the rest waits in pending_.
bool FfmpegEncoder::Queue(std::span<const int16_t> samples) {
    pending_.insert(pending_.end(), samples.begin(), samples.end());
    const int channels = codec_->ch_layout.nb_channels;
    const size_t frameSamples = static_cast<size_t>(codec_->frame_size) * channels;
    size_t used = 0;
    bool ok = true;
    for (; ok && pending_.size() - used >= frameSamples; used += frameSamples) {
        std::memcpy(frame_->data[0], pending_.data() + used, frameSamples * sizeof(int16_t));
        ok = Send(codec_->frame_size);
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(used));
    return ok;
}

bool FfmpegEncoder::Send(int64_t frames) {
    if (frames > 0) {
        if (av_frame_make_writable(frame_) < 0) return false;
        frame_->nb_samples = static_cast<int>(frames);
    }
    if (avcodec_send_frame(codec_, frames > 0 ? frame_ : nullptr) < 0) return false;
    return Drain();
}

bool FfmpegEncoder::Drain() {
    for (;;) {
        const int result = avcodec_receive_packet(codec_, packet_);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return true;
        if (result < 0) return false;
        const bool written = file_.Write(packet_->data, packet_->size) == packet_->size;
        av_packet_unref(packet_);
        if (!written) return false;
    }
}

// The last partial frame is padded with silence to a whole one, as Layer II frames are fixed.
bool FfmpegEncoder::Close() {
    if (!codec_) return true;
    bool ok = Queue(converter_->Flush());
    if (!pending_.empty()) {
        const int channels = codec_->ch_layout.nb_channels;
        pending_.resize(static_cast<size_t>(codec_->frame_size) * channels, 0);
        ok = Queue({}) && ok;
    }
    ok = Send(0) && ok;
    ok = file_.Close() && ok;
    Release();
    return ok;
}

void FfmpegEncoder::Release() {
    avcodec_free_context(&codec_);
    av_frame_free(&frame_);
    av_packet_free(&packet_);
    converter_.reset();
    pending_.clear();
}

}  // namespace vesk
