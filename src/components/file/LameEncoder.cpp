#include "components/file/LameEncoder.h"

#include <lame/lame.h>

#include "components/ComponentErrors.h"
#include "components/file/LameEncoderSettings.h"
#include "components/file/MpegEncoderLimits.h"

namespace vesk {
namespace {

// LAME's own bound for the output of one call: 1.25 × samples + 7200 bytes.
size_t Mp3BytesFor(int64_t frames) { return static_cast<size_t>(frames + frames / 4) + 7200; }

}  // namespace

LameEncoder::~LameEncoder() { Close(); }

int32_t LameEncoder::Open(const std::string& path, const OutputFormat&, const EncoderInput& input) {
    Close();
    if (input.frequency <= 0 || input.channels < 1) return component_error::kInvalidParam;
    if (!SettingsAreWritable()) return component_error::kFormatNotSupport;
    if (const int32_t error = StartLame()) return error;
    if (!file_.Open(path, FileMode::Output)) {
        Release();
        return component_error::kFileAccess;
    }
    converter_ =
        std::make_unique<EncoderInputConverter>(input.frequency, input.channels, settings_.frequencyHz, settings_.channels);
    return converter_->Ready() ? component_error::kNone : component_error::kMemory;
}

// LAME would silently replace a constant bitrate the rate does not allow by another one.
bool LameEncoder::SettingsAreWritable() const {
    const int32_t hz = settings_.frequencyHz;
    const int32_t channels = settings_.channels;
    if (settings_.vbrCodingMethod == -1 && settings_.bitrateKbps > 0) {
        return MpegEncoderLimits::Accepts(hz, settings_.bitrateKbps, channels);
    }
    return MpegEncoderLimits::IsSampleRate(hz) && (channels == 1 || channels == 2);
}

int32_t LameEncoder::StartLame() {
    lame_ = lame_init();
    if (!lame_) return component_error::kMemory;
    LameEncoderSettings::Apply(lame_, settings_, settings_.frequencyHz, settings_.channels);
    if (lame_init_params(lame_) < 0) {
        Release();
        return component_error::kFormatNotSupport;
    }
    return component_error::kNone;
}

bool LameEncoder::Write(const int16_t* samples, int64_t frames) {
    if (!lame_) return false;
    return Encode(converter_->Convert(samples, frames));
}

bool LameEncoder::Encode(std::span<const int16_t> samples) {
    const auto frames = static_cast<int64_t>(samples.size() / settings_.channels);
    if (frames == 0) return true;
    mp3_.resize(Mp3BytesFor(frames));
    const int capacity = static_cast<int>(mp3_.size());
    // LAME's interleaved entry point takes a non-const pointer but only reads the samples.
    const int bytes = settings_.channels == 2
                          ? lame_encode_buffer_interleaved(lame_, const_cast<short*>(samples.data()),
                                                           static_cast<int>(frames), mp3_.data(), capacity)
                          // With one channel LAME reads only the first buffer.
                          : lame_encode_buffer(lame_, samples.data(), samples.data(), static_cast<int>(frames),
                                               mp3_.data(), capacity);
    return WriteOut(bytes);
}

bool LameEncoder::WriteOut(int bytes) {
    if (bytes < 0) return false;
    return bytes == 0 || file_.Write(mp3_.data(), bytes) == bytes;
}

bool LameEncoder::Close() {
    if (!lame_) return true;
    const bool finished = Finish();
    const bool closed = file_.Close();
    Release();
    return finished && closed;
}

bool LameEncoder::Finish() {
    bool ok = Encode(converter_->Flush());
    mp3_.resize(Mp3BytesFor(0));
    ok = WriteOut(lame_encode_flush(lame_, mp3_.data(), static_cast<int>(mp3_.size()))) && ok;
    if (settings_.writingVbrHeader != VARIANT_FALSE) ok = RewriteFirstFrame() && ok;
    return ok;
}

// LAME reserved the first frame for the tag; now that the stream is complete it can be filled.
bool LameEncoder::RewriteFirstFrame() {
    const size_t size = lame_get_lametag_frame(lame_, nullptr, 0);
    if (size == 0) return true;
    mp3_.resize(size);
    if (lame_get_lametag_frame(lame_, mp3_.data(), mp3_.size()) != size) return false;
    const auto bytes = static_cast<int32_t>(size);
    return file_.Seek(0, FileSeek::Begin) == 0 && file_.Write(mp3_.data(), bytes) == bytes;
}

void LameEncoder::Release() {
    if (lame_) lame_close(lame_);
    lame_ = nullptr;
    converter_.reset();
}

}  // namespace vesk
