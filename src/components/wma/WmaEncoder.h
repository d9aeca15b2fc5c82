// Writes interleaved 16-bit frames into an ASF file with FFmpeg's WMA v2 encoder, in the rate,
// channel count and bitrate of one profile. Input in another rate or channel count is converted
// first. The file is complete (header durations and index) only after Close.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "components/avio/AvioFile.h"
#include "components/wma/AvHandles.h"
#include "components/wma/SampleConverter.h"
#include "components/wma/WmaProfiles.h"

namespace vesk {

class WmaEncoder {
public:
    // Creates (truncates) path. inputHz and inputChannels describe the frames Write will get.
    // 0, or an ErrorConstants value: FORMATNOTSUPPORT when the encoder refuses the profile or
    // the input, FILEACCESS when the file cannot be created.
    int32_t Open(const std::string& path, const WmaProfile& profile, int32_t inputHz, int32_t inputChannels);
    // Interleaved frames of the input layout (the sample count must be a whole number of
    // frames); false when encoding or writing failed.
    bool Write(std::span<const int16_t> samples);
    // Encodes what is still buffered, writes the trailer and closes the file; false when any of
    // that failed. The encoder can be opened again afterwards.
    bool Close();

private:
    int32_t OpenCodec(const WmaProfile& profile);
    int32_t OpenFile(const std::string& path);
    // Puts the silent frame the decoder will swallow in front of the sound.
    bool QueueLeadIn();
    // Converts input frames (nullptr and 0 drain the converter) into the FIFO.
    bool Queue(const int16_t* samples, int32_t frames);
    // Encodes whole codec frames from the FIFO; with `all`, the short rest as well.
    bool EncodeQueued(bool all);
    // Sends one frame (nullptr = end of stream) and writes every packet the codec gives back.
    bool Encode(AVFrame* frame);

    AvioFile io_;  // what output_ writes; outlives it
    av::OutputPtr output_;
    av::CodecPtr codec_;
    av::FifoPtr fifo_;
    av::PacketPtr packet_;
    SampleConverter converter_;
    AVStream* stream_ = nullptr;  // owned by output_
    int32_t inputChannels_ = 0;
    int64_t nextPts_ = 0;  // in frames of the output rate
    std::vector<std::vector<float>> planes_;  // conversion scratch, one per output channel
    std::string path_;  // set once the file exists, so that a failed open can remove it
};

}  // namespace vesk
