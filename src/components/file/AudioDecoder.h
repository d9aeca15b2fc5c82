// A source of 16-bit interleaved sound read from a file by one back-end library. The file
// component picks the back-end by what the file is (and the host's FormatTypeConstants hint),
// and converts rate and channel count after it when asked to.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "components/file/OutputFormat.h"

namespace vesk {

struct SourceInfo {
    int32_t frequency = 0;     // Hz
    int32_t channels = 0;      // 1 or 2 after decoding (sources with more are mixed down)
    int32_t bitsPerSample = 16;
    bool isPcm = false;        // uncompressed PCM: bitsPerSample is the source's own
    int64_t lengthFrames = 0;  // announced length (exact for PCM, best estimate otherwise)
    std::string formatText;    // e.g. "MP3 44100 Hz; 128 kbps; stereo"
    // The output codec that writes this kind of sound (lossless sources count as PCM), and the
    // source's bitrate for the bitrate-based codecs (0 when unknown); SetOutputFormatLikeSample
    // takes them.
    OutputCodec codec = OutputCodec::Pcm;
    int32_t bitrateKbps = 0;
};

class AudioDecoder {
public:
    virtual ~AudioDecoder() = default;
    // 0, or an ErrorConstants value: FORMATFILE (-12) for a file that is not what it claims,
    // FORMATNOTSUPPORT (-13) for a format this back-end cannot read, FILEACCESS (-18) when the
    // file cannot be opened or read (then no other back-end need try it).
    virtual int32_t Open(const std::string& path, int32_t formatType) = 0;
    // Whether the last Open found a file of this back-end's kind (its header understood), even
    // when it then failed: such a back-end's error says best what is wrong with the file.
    virtual bool Recognised() const = 0;
    virtual const SourceInfo& Info() const = 0;
    // Reads up to maxFrames frames into out (Info().channels samples per frame); returns the
    // frames read, 0 at the end or on a read error.
    virtual int64_t Read(int16_t* out, int64_t maxFrames) = 0;
    // Reading the file failed since Open: the sound ended early.
    virtual bool ReadFailed() const = 0;
    virtual void Close() = 0;
};

}  // namespace vesk
