#include "edit/FormatConversion.h"

#include <algorithm>

#include "edit/SampleLayout.h"

namespace vesk {

namespace {

// Linear interpolation of `in` at times j × outPeriod, j = 0.. up to `count` values; stops
// early when the time passes the last input sample (those values cannot be interpolated).
// `sample(i)` reads input index i (forward or backward).
template <class Sample>
size_t Interpolate(size_t n, double inPeriod, double outPeriod, size_t count, Sample sample, int16_t* out) {
    size_t i = 0;
    for (size_t j = 0; j < count; ++j) {
        const double t = static_cast<double>(j) * outPeriod;
        while (i < n && static_cast<double>(i) * inPeriod < t) ++i;
        if (i >= n) return j;
        if (i == 0) {
            out[j] = sample(0);
            continue;
        }
        const double before = sample(i - 1);
        const double v = before + (t - static_cast<double>(i - 1) * inPeriod) * (sample(i) - before) / inPeriod;
        out[j] = static_cast<int16_t>(v);
    }
    return count;
}

}  // namespace

std::span<const int16_t> FormatConversion::ConvertChannels(std::span<const int16_t> in, int32_t fromChannels,
                                                           int32_t toChannels) {
    std::vector<int16_t>& out = converted_;
    out.clear();
    if (fromChannels == toChannels) {
        out.assign(in.begin(), in.end());
    } else if (fromChannels == 1 && toChannels == 2) {
        out.resize(in.size() * 2);
        for (size_t i = 0; i < in.size(); ++i) out[2 * i] = out[2 * i + 1] = in[i];
    } else if (fromChannels == 2 && toChannels == 1) {
        out.resize(in.size() / 2);
        for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<int16_t>((in[2 * i] + in[2 * i + 1]) / 2);
    }
    return out;
}

void FormatConversion::Resample(std::span<const int16_t> in, int32_t fromHz, int32_t toHz, std::vector<int16_t>& out) {
    out.clear();
    const size_t n = in.size();
    if (n == 0 || fromHz <= 0 || toHz <= 0) return;
    const double inPeriod = 1.0 / fromHz;
    const double outPeriod = 1.0 / toHz;
    const auto m = static_cast<size_t>(static_cast<double>(n) * inPeriod / outPeriod);
    out.resize(m);
    const size_t forward = Interpolate(n, inPeriod, outPeriod, m, [&](size_t i) { return in[i]; }, out.data());

    int16_t tail[kBlendSamples];
    const size_t blend = std::min(kBlendSamples, m);
    const size_t backward =
        Interpolate(n, inPeriod, outPeriod, blend, [&](size_t i) { return in[n - 1 - i]; }, tail);
    // Samples after the forward pass's reach take the backward value, or the last input sample
    // when even that ran out.
    for (size_t j = forward; j < m; ++j) {
        const size_t k = m - 1 - j;
        out[j] = k < backward ? tail[k] : in[n - 1];
    }
    for (size_t k = 0; k < backward; ++k) {
        const double w = static_cast<double>(k) / kBlendSamples;
        int16_t& value = out[m - 1 - k];
        value = static_cast<int16_t>(value * w + tail[k] * (1.0 - w));
    }
}

std::span<const int16_t> FormatConversion::ResampleBlock(std::span<const int16_t> in, int32_t channels, int32_t fromHz,
                                                         int32_t toHz) {
    if (channels != 2) {
        Resample(in, fromHz, toHz, resampled_);
        return resampled_;
    }
    left_.resize(in.size() / 2);
    right_.resize(in.size() / 2);
    SplitStereo(in, left_, right_, 0);
    Resample(left_, fromHz, toHz, newLeft_);
    Resample(right_, fromHz, toHz, newRight_);
    // The right sequence's length decides the frame count.
    resampled_.resize(newRight_.size() * 2);
    MergeStereo(resampled_, newLeft_, newRight_, 0);
    return resampled_;
}

}  // namespace vesk
