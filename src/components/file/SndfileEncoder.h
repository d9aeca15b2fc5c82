// Writes the sample-based formats through libsndfile: PCM in WAV/AIFF/AU/FLAC/headerless,
// A-law, u-law, IMA and MS ADPCM, GSM 6.10, G.721/G.723 (the G.726 rates libsndfile offers),
// Dialogic VOX, Ogg Vorbis and Opus. Streams: each Write goes to the file at once.
#pragma once

#include <memory>
#include <optional>

#include "components/file/AudioEncoder.h"
#include "components/file/EncoderContainer.h"
#include "components/file/EncoderInputConverter.h"
#include "components/file/SndfileStream.h"

struct sf_private_tag;

namespace vesk {

class SndfileEncoder : public AudioEncoder {
public:
    explicit SndfileEncoder(EncoderContainer container) : container_(container) {}
    ~SndfileEncoder() override;

    int32_t Open(const std::string& path, const OutputFormat& format, const EncoderInput& input) override;
    bool Write(const int16_t* samples, int64_t frames) override;
    bool Close() override;

    // libsndfile's SF_FORMAT_* value for the format in this container; 0 when it has none.
    static int FormatCode(const OutputFormat& format, EncoderContainer container);

private:
    bool Put(std::span<const int16_t> samples);
    int32_t ApplyCompression(const OutputFormat& format, int32_t hz, int32_t channels);

    EncoderContainer container_;
    std::unique_ptr<SndfileStream> stream_;  // what file_ writes; outlives it
    sf_private_tag* file_ = nullptr;
    std::unique_ptr<EncoderInputConverter> converter_;
};

}  // namespace vesk
