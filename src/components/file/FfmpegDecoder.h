// Decoder on FFmpeg (libavformat + libavcodec, libswresample to float mono or stereo at the
// source rate): MPEG audio (MP3 with the encoder delay and padding a LAME header announces
// removed), AVI audio, Musepack, AAC/M4A, G.729 and whatever else libsndfile refuses.
#pragma once

#include <vector>

#include "components/avio/AvioFile.h"
#include "components/file/AudioDecoder.h"
#include "components/file/FfmpegHandles.h"

namespace vesk {

class FfmpegDecoder : public AudioDecoder {
public:
    // formatType 12 (MP2/G.729) also tries a headerless G.729 stream when probing fails.
    int32_t Open(const std::string& path, int32_t formatType) override;
    bool Recognised() const override { return recognised_; }
    const SourceInfo& Info() const override { return info_; }
    int64_t Read(int16_t* out, int64_t maxFrames) override;
    bool ReadFailed() const override { return openFailed_ || (io_ && io_->Failed()); }
    void Close() override;

private:
    // Opens the file afresh and lets FFmpeg probe it (format: a demuxer to force) into input_,
    // which stays null when that fails.
    void OpenInput(const std::string& path, const AVInputFormat* format);
    int32_t Refuse(int32_t error);
    int32_t OpenCodec();
    int32_t OpenResampler();
    void DescribeSource();
    int32_t DecodeFirstFrame();
    // Decodes the next frame of the chosen stream into frame_, skipping what the decoder
    // rejects; false at the end.
    bool NextFrame();
    // Hands the decoder the stream's next packet, or the end of the stream; false after the end.
    bool SendPacket();
    // Converts (and so consumes) up to maxFrames frames of what the converter holds, or of
    // frame_ when `fresh`, into out.
    int64_t Convert(float* out, int64_t maxFrames, bool fresh);

    std::unique_ptr<AvioFile> io_;  // what input_ reads; outlives it
    ffmpeg::FormatPtr input_;
    ffmpeg::CodecPtr codec_;
    ffmpeg::ResamplerPtr converter_;
    ffmpeg::PacketPtr packet_;
    ffmpeg::FramePtr frame_;
    std::vector<float> floats_;  // the block being read, before FloatToPcm16
    int stream_ = -1;
    bool flushing_ = false;  // the demuxer is exhausted and the decoder has been told so
    bool finished_ = false;  // the decoder has delivered its last frame
    int64_t rejected_ = 0;   // packets and frames the decoder could not read
    bool recognised_ = false;
    bool openFailed_ = false;  // the file would not open
    SourceInfo info_;
};

}  // namespace vesk
