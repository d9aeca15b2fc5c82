// Test support for the encoders: known signals, writing them through MakeEncoder, and reading the
// files back with libsndfile or with independent tools (ffmpeg, ffprobe, soxi) when installed.
#pragma once

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "components/file/EncoderFactory.h"

namespace vesk::test {

// Two sines per channel (440 and 1000 Hz on the left, 660 and 1500 Hz on the right) at half
// scale: distinct channels, nothing any codec here should lose.
inline std::vector<int16_t> TwoToneSignal(int32_t hz, int32_t channels, int64_t frames) {
    std::vector<int16_t> samples(static_cast<size_t>(frames * channels));
    for (int64_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / hz;
        for (int32_t c = 0; c < channels; ++c) {
            const double low = c == 0 ? 440.0 : 660.0;
            const double high = c == 0 ? 1000.0 : 1500.0;
            const double value = 0.3 * std::sin(2 * std::numbers::pi * low * t) + 0.2 * std::sin(2 * std::numbers::pi * high * t);
            samples[static_cast<size_t>(i * channels + c)] = static_cast<int16_t>(std::lround(value * 32767));
        }
    }
    return samples;
}

// Opens an encoder for path and writes the samples in blocks of blockFrames; 0 or the error.
inline int32_t EncodeFile(const std::string& path, const OutputFormat& format, int32_t formatType,
                          const std::vector<int16_t>& samples, const EncoderInput& input,
                          const LameSettingsValues* lame = nullptr, int64_t blockFrames = 4000) {
    auto encoder = MakeEncoder(format, formatType, path, lame);
    if (!encoder) return -13;
    if (const int32_t error = encoder->Open(path, format, input)) return error;
    const int64_t frames = static_cast<int64_t>(samples.size()) / input.channels;
    for (int64_t done = 0; done < frames; done += blockFrames) {
        const int64_t count = std::min(blockFrames, frames - done);
        if (!encoder->Write(samples.data() + done * input.channels, count)) return -1;
    }
    return encoder->Close() ? 0 : -2;
}

struct DecodedSound {
    int32_t hz = 0;
    int32_t channels = 0;
    std::vector<int16_t> samples;
    int64_t Frames() const { return channels ? static_cast<int64_t>(samples.size()) / channels : 0; }
};

// Reads a file with libsndfile; info.format non-zero for headerless files.
inline DecodedSound ReadWithSndfile(const std::string& path, SF_INFO info = {}) {
    DecodedSound sound;
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) return sound;
    sound.hz = info.samplerate;
    sound.channels = info.channels;
    sound.samples.resize(static_cast<size_t>(info.frames * info.channels));
    sound.samples.resize(static_cast<size_t>(sf_readf_short(file, sound.samples.data(), info.frames) * info.channels));
    sf_close(file);
    return sound;
}

inline bool HasTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

inline std::string RunText(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

// Decodes any file with ffmpeg into 16-bit samples at the file's own rate and channel count.
inline DecodedSound ReadWithFfmpeg(const std::string& path, int32_t hz, int32_t channels) {
    const std::string raw = RunText("ffmpeg -v error -i '" + path + "' -f s16le -acodec pcm_s16le -");
    DecodedSound sound{hz, channels, std::vector<int16_t>(raw.size() / 2)};
    std::memcpy(sound.samples.data(), raw.data(), sound.samples.size() * 2);
    return sound;
}

// "key=value" lines of ffprobe for the first audio stream, e.g. ProbeStream(path, "sample_rate").
inline std::string ProbeStream(const std::string& path, const std::string& entry) {
    std::string text = RunText("ffprobe -v error -select_streams a:0 -show_entries stream=" + entry +
                               " -of default=nw=1:nk=1 '" + path + "'");
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

// Highest normalised correlation of channel 0 of `got` against `want` over delays of 0 to
// maxLagFrames (codecs delay their output); a window from the middle of the sound is compared.
inline double BestCorrelation(const DecodedSound& want, const DecodedSound& got, int64_t maxLagFrames) {
    const int64_t window = std::min<int64_t>(4096, want.Frames() / 2);
    const int64_t start = want.Frames() / 4;
    double best = 0;
    for (int64_t lag = 0; lag <= maxLagFrames; ++lag) {
        if (start + lag + window > got.Frames()) break;
        double cross = 0, energyWant = 0, energyGot = 0;
        for (int64_t i = 0; i < window; ++i) {
            const double a = want.samples[static_cast<size_t>((start + i) * want.channels)];
            const double b = got.samples[static_cast<size_t>((start + lag + i) * got.channels)];
            cross += a * b;
            energyWant += a * a;
            energyGot += b * b;
        }
        if (energyWant > 0 && energyGot > 0) best = std::max(best, cross / std::sqrt(energyWant * energyGot));
    }
    return best;
}

}  // namespace vesk::test
