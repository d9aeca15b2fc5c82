// Writes MPEG-1/2 Layer II (an .mp2 stream of frames) through libavcodec, for MP2 and ALF2CD.
// ALF2CD is CD sound as Layer II: always 44100 Hz stereo, at 256, 320 or 384 kbps.
#pragma once

#include <memory>
#include <vector>

#include "components/file/AudioEncoder.h"
#include "components/file/EncoderInputConverter.h"
#include "platform/io/BufferedFile.h"

struct AVCodecContext;
struct AVFrame;
struct AVPacket;

namespace vesk {

class FfmpegEncoder : public AudioEncoder {
public:
    FfmpegEncoder() = default;
    ~FfmpegEncoder() override;

    int32_t Open(const std::string& path, const OutputFormat& format, const EncoderInput& input) override;
    bool Write(const int16_t* samples, int64_t frames) override;
    bool Close() override;

private:
    int32_t StartCodec(int32_t hz, int32_t channels, int32_t kbps);
    bool Queue(std::span<const int16_t> samples);
    // Sends `frames` frames from the front of pending_ (nullptr frame: end of stream).
    bool Send(int64_t frames);
    bool Drain();
    void Release();

    AVCodecContext* codec_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    BufferedFile file_;
    std::unique_ptr<EncoderInputConverter> converter_;
    std::vector<int16_t> pending_;  // converted samples not yet a whole codec frame
};

}  // namespace vesk
