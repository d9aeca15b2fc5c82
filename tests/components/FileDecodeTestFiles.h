// Test support for the file component: known signals, WAV files written with libsndfile, the
// external tools (sox, ffmpeg, lame) that make the other formats, and whole-file decoding.
#pragma once

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "components/file/AudioDecoder.h"

namespace vesk::test {

// Left: a sine of hz; right (when stereo): a slower sine of half the amplitude, so that swapped
// or mixed channels show.
inline std::vector<int16_t> TwoTones(int64_t frames, int32_t channels, int32_t rate, double hz = 1000.0,
                                     double amplitude = 12000.0) {
    std::vector<int16_t> samples(static_cast<size_t>(frames * channels));
    for (int64_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        samples[i * channels] = static_cast<int16_t>(std::lround(amplitude * std::sin(2 * M_PI * hz * t)));
        if (channels == 2) {
            samples[i * 2 + 1] = static_cast<int16_t>(std::lround(amplitude / 2 * std::sin(2 * M_PI * hz / 3 * t)));
        }
    }
    return samples;
}

inline bool WriteSound(const std::string& path, const std::vector<int16_t>& samples, int32_t rate, int32_t channels,
                       int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16) {
    SF_INFO info{.samplerate = rate, .channels = channels, .format = format};
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) return false;
    const sf_count_t frames = static_cast<sf_count_t>(samples.size()) / channels;
    const bool written = sf_writef_short(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

inline bool HasTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command quietly; true when it succeeded.
inline bool RunQuietly(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// The standard output of a shell command.
inline std::string Capture(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
        pclose(pipe);
    }
    return text;
}

// Frames ffmpeg decodes from path (its own handling of encoder delay and padding).
inline int64_t FfmpegFrames(const std::string& path, int32_t channels) {
    const std::string bytes = Capture("ffmpeg -v error -i '" + path + "' -f s16le - | wc -c");
    return std::atoll(bytes.c_str()) / (2 * channels);
}

inline std::vector<int16_t> DecodeAll(AudioDecoder& decoder, int64_t blockFrames = 4096) {
    const int32_t channels = decoder.Info().channels;
    std::vector<int16_t> all;
    std::vector<int16_t> block(static_cast<size_t>(blockFrames * channels));
    while (int64_t got = decoder.Read(block.data(), blockFrames)) {
        all.insert(all.end(), block.begin(), block.begin() + got * channels);
    }
    return all;
}

// Root mean square of every step-th sample starting at first.
inline double Rms(const std::vector<int16_t>& samples, size_t first = 0, size_t step = 1) {
    double sum = 0;
    size_t count = 0;
    for (size_t i = first; i < samples.size(); i += step, ++count) sum += double(samples[i]) * samples[i];
    return count ? std::sqrt(sum / count) : 0.0;
}

}  // namespace vesk::test
