// Owning handles of the FFmpeg objects the decoders use, so that every exit path frees them and
// the library's logging stays quiet (failures reach the host as error codes, not as console
// text).
#pragma once

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

namespace vesk::ffmpeg {

struct FormatCloser {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecFreer {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct ResamplerFreer {
    void operator()(SwrContext* c) const { swr_free(&c); }
};
struct PacketFreer {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameFreer {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};

using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;

// Opens the file whose bytes `io` reads, with its streams probed (path: its name, which the probe
// weighs; format: a demuxer to force, nullptr = detect); null on failure, with the FFmpeg error
// code in *error. io must outlive the context.
FormatPtr OpenInput(const char* path, AVIOContext* io, const AVInputFormat* format, int* error);

}  // namespace vesk::ffmpeg
