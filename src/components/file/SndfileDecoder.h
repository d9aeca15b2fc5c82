// Decoder on libsndfile: WAV/AIFF/AU/RAW, FLAC, Ogg Vorbis, Opus, A-law/u-law, IMA/MS ADPCM,
// GSM 6.10 and G.721/G.723; it refuses MPEG audio (FFmpeg reads that). Headerless streams are read as the host's
// FormatTypeConstants value says: RAW (4) 16-bit PCM 44100 Hz stereo, VOX (3) Dialogic ADPCM
// 8000 Hz mono, G726/G721 (5/7) 4-bit and G723 (8) 3-bit ADPCM at 8000 Hz mono. WAV files are
// read with two corrections from their own header (WaveHeader): the end of the sound of block
// codecs ('fact'), and sample containers wider than wBitsPerSample says.
#pragma once

#include <sndfile.h>

#include <memory>
#include <vector>

#include "components/file/AudioDecoder.h"
#include "components/file/SndfileStream.h"
#include "components/file/WaveHeader.h"

namespace vesk {

class SndfileDecoder : public AudioDecoder {
public:
    ~SndfileDecoder() override;
    int32_t Open(const std::string& path, int32_t formatType) override;
    bool Recognised() const override { return recognised_; }
    const SourceInfo& Info() const override { return info_; }
    int64_t Read(int16_t* out, int64_t maxFrames) override;
    bool ReadFailed() const override { return stream_ && stream_->Failed(); }
    void Close() override;

private:
    // The error code of a failed open, from libsndfile's own error.
    static int32_t ErrorOf(int sndfileError);
    int32_t Refuse(int32_t error);
    static std::unique_ptr<SndfileStream> PlainStream(const std::string& path);
    // One way of reading the file, on a stream of its own (null: the file would not open):
    // libsndfile opens it with `preset` (format 0: by its header). False when it does not read
    // the file so; fileFailed_ tells whether the file itself failed.
    bool Attempt(std::unique_ptr<SndfileStream> stream, const SF_INFO& preset);
    bool OpenHeaderless(const std::string& path, int32_t formatType);
    bool OpenByExtension(const std::string& path);
    bool OpenThroughAuHeader(const std::string& path, uint32_t auEncoding);
    bool OpenWithContainerBits(const std::string& path, const WaveHeader& wave);
    void TakeWaveHeader(const WaveHeader& wave);
    void DescribeSource(const std::string& path, int32_t formatType);
    // Decodes the next chunk of the file into floats_; false at its end.
    bool Fill();
    // Converts `frames` frames of the chunk from frame `first` on into 16-bit frames of
    // Info().channels at out.
    void ToDelivered(int64_t first, int64_t frames, int16_t* out);

    SNDFILE* file_ = nullptr;
    SF_INFO sf_{};
    std::unique_ptr<SndfileStream> stream_;         // the file, as libsndfile reads it
    bool readsShorts_ = false;                      // 16-bit PCM: read into shorts_, else floats_
    std::vector<float> floats_;                     // a chunk of frames as read
    std::vector<int16_t> shorts_;
    int64_t chunkFrames_ = 0;                       // frames in floats_
    int64_t chunkUsed_ = 0;                         // of those, frames delivered
    std::vector<int16_t> wide_;                     // a chunk of a source with more than 2 channels
    SourceInfo info_;
    bool recognised_ = false;
    bool fileFailed_ = false;  // the file could not be opened or read while opening
    int64_t framesLeft_ = 0;  // to read from the file: libsndfile may decode past what it holds
};

}  // namespace vesk
