#include "components/file/FfmpegHandles.h"

#include <mutex>

namespace vesk::ffmpeg {

FormatPtr OpenInput(const char* path, AVIOContext* io, const AVInputFormat* format, int* error) {
    // The library prints every oddity of a damaged file; the log level is its only (process-wide)
    // switch, set once.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw) {
        *error = AVERROR(ENOMEM);
        return nullptr;
    }
    raw->pb = io;
    raw->flags |= AVFMT_FLAG_CUSTOM_IO;
    // On failure the library frees the context (not io).
    *error = avformat_open_input(&raw, path, format, nullptr);
    if (*error < 0) return nullptr;
    FormatPtr context(raw);
    *error = avformat_find_stream_info(context.get(), nullptr);
    if (*error < 0) return nullptr;
    return context;
}

}  // namespace vesk::ffmpeg
