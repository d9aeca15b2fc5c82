#include "components/file/DecodeSession.h"

#include <algorithm>

namespace vesk {

DecodeSession::DecodeSession(std::unique_ptr<AudioDecoder> decoder) : decoder_(std::move(decoder)) {}

bool DecodeSession::Deliver(int32_t hz, int32_t channels) {
    const SourceInfo& source = decoder_->Info();
    const int32_t targetHz = hz > 0 ? hz : source.frequency;
    const int32_t targetChannels = channels > 0 ? std::min(channels, 2) : source.channels;
    converter_.reset();
    if (targetHz == source.frequency && targetChannels == source.channels) return true;
    converter_ = std::make_unique<FormatConverter>(*decoder_, targetHz, targetChannels);
    if (converter_->Ok()) return true;
    converter_.reset();
    return false;
}

int32_t DecodeSession::Frequency() const { return converter_ ? converter_->Frequency() : Source().frequency; }

int32_t DecodeSession::Channels() const { return converter_ ? converter_->Channels() : Source().channels; }

int64_t DecodeSession::LengthFrames() const { return converter_ ? converter_->LengthFrames() : Source().lengthFrames; }

int64_t DecodeSession::Read(int16_t* out, int64_t maxFrames) {
    return converter_ ? converter_->Read(out, maxFrames) : decoder_->Read(out, maxFrames);
}

// The samples are decoded straight into the block's own memory; only the last, short block of
// the file is resized.
SAFEARRAY* DecodeSession::ReadBlock(int32_t bytes) {
    const int32_t channels = Channels();
    const int64_t frames = std::max<int64_t>(bytes, 0) / (2 * channels);
    SAFEARRAY* block = SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(frames * channels));
    if (!block || frames == 0) return block;
    const int64_t got = Read(static_cast<int16_t*>(block->pvData), frames);
    if (got < frames) {
        SAFEARRAYBOUND bound{static_cast<uint32_t>(got * channels), 0};
        SafeArrayRedim(block, &bound);
    }
    return block;
}

}  // namespace vesk
