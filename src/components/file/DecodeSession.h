// One open source of the file component: the decoder, and the conversion to the rate and
// channel count the host asked for (SetInputFormat), delivered as sample blocks.
#pragma once

#include <cstdint>
#include <memory>

#include "components/file/AudioDecoder.h"
#include "components/file/FormatConverter.h"
#include "platform/automation/SafeArray.h"

namespace vesk {

class DecodeSession {
public:
    // decoder: open, owned from now on.
    explicit DecodeSession(std::unique_ptr<AudioDecoder> decoder);

    // Delivers hz and channels (1 or 2) from the current position on; 0 for either keeps the
    // source's own. False (and the source's format kept) when the converter cannot be made.
    bool Deliver(int32_t hz, int32_t channels);

    const SourceInfo& Source() const { return decoder_->Info(); }
    // Delivered format and announced length (frames of the delivered rate).
    int32_t Frequency() const;
    int32_t Channels() const;
    int64_t LengthFrames() const;

    // A new VT_I2 vector (the caller's) of the next whole frames that fit into `bytes`; no
    // elements at the end. Null only when memory runs out.
    SAFEARRAY* ReadBlock(int32_t bytes);
    // Reading the file failed: the blocks ended early.
    bool ReadFailed() const { return decoder_->ReadFailed(); }

private:
    int64_t Read(int16_t* out, int64_t maxFrames);

    std::unique_ptr<AudioDecoder> decoder_;
    std::unique_ptr<FormatConverter> converter_;  // null: the source's own format
};

}  // namespace vesk
