// Reads the sound of a WMA file (an ASF container with any audio codec FFmpeg decodes: WMA v1,
// v2, Pro, Lossless, Voice) as interleaved 16-bit frames at the source's rate. Sources with more
// than two channels are mixed down to stereo, because the control holds mono or stereo only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "components/avio/AvioFile.h"
#include "components/wma/AvHandles.h"
#include "components/wma/SampleConverter.h"

namespace vesk {

struct WmaSourceInfo {
    int32_t frequencyHz = 0;
    int32_t channels = 0;  // of the delivered frames: 1 or 2
    int32_t kbps = 0;      // 0 when the file does not say
    int64_t lengthFrames = 0;
    std::string codecLabel;  // "WMA", "WMA Pro", ...
};

class WmaDecoder {
public:
    // 0, or an ErrorConstants value: FILEACCESS when the file cannot be read, FORMATFILE when it
    // is not an ASF file with sound, FORMATNOTSUPPORT when no decoder handles its codec.
    int32_t Open(const std::string& path);
    const WmaSourceInfo& Info() const { return info_; }
    // Appends up to maxFrames frames to `out`; returns the frames appended, 0 at the end.
    int64_t Read(int64_t maxFrames, std::vector<int16_t>& out);
    // Reading the file failed since Open: the sound ended early.
    bool ReadFailed() const { return io_.Failed(); }

private:
    int32_t OpenDecoder();
    // Decodes until pending_ holds at least `frames` frames or the source is exhausted.
    void Fill(int64_t frames);
    // Moves the next decoded frame of the codec into pending_; false when none is ready yet.
    bool TakeDecodedFrame();
    // Feeds the codec the next packet of the audio stream (or the end); false at the end.
    bool FeedPacket();
    void AppendConverted(const uint8_t* const* planes, int32_t frames);

    AvioFile io_;  // what input_ reads; outlives it
    av::InputPtr input_;
    av::CodecPtr codec_;
    av::FramePtr frame_;
    av::PacketPtr packet_;
    SampleConverter converter_;
    int streamIndex_ = -1;
    bool inputDone_ = false;  // the demuxer is exhausted and the codec was told so
    bool codecDone_ = false;  // the codec has given its last frame and the converter is drained
    std::vector<int16_t> pending_;  // decoded, not yet read
    WmaSourceInfo info_;
};

}  // namespace vesk
