#include "components/file/StreamBitrate.h"

#include "components/avio/AvioFile.h"
#include "components/file/FfmpegHandles.h"

namespace vesk {

std::optional<int32_t> StreamBitrate::ProbeKbps(const std::string& path) {
    AvioFile io;
    if (!io.Open(path, FileMode::Read)) return std::nullopt;
    int error = 0;
    ffmpeg::FormatPtr input = ffmpeg::OpenInput(path.c_str(), io.Context(), nullptr, &error);
    if (io.Failed()) return std::nullopt;
    if (!input) return 0;
    int64_t bitsPerSecond = input->bit_rate;
    const int index = av_find_best_stream(input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (index >= 0 && input->streams[index]->codecpar->bit_rate > 0) {
        bitsPerSecond = input->streams[index]->codecpar->bit_rate;
    }
    return bitsPerSecond > 0 ? static_cast<int32_t>((bitsPerSecond + 500) / 1000) : 0;
}

}  // namespace vesk
