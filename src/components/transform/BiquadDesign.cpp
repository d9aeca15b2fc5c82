#include "components/transform/BiquadDesign.h"

#include <cmath>
#include <complex>
#include <numbers>

#include "components/transform/SampleMath.h"

namespace vesk {
namespace {

// The cookbook's intermediate values for one design.
struct Angle {
    double cosW;
    double sinW;
    Angle(double rateHz, double hz) {
        const double w = 2.0 * std::numbers::pi * hz / rateHz;
        cosW = std::cos(w);
        sinW = std::sin(w);
    }
};

BiquadCoefficients Normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
    return {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

}  // namespace

double BiquadLimits::SanitizeHz(double hz, double rateHz) { return Clamp(hz, kMinHz, kMaxShareOfRate * rateHz); }
double BiquadLimits::SanitizeQ(double q) { return Clamp(q, kMinQ, kMaxQ); }
double BiquadLimits::SanitizeSlope(double slope) { return Clamp(slope, kMinSlope, kMaxSlope); }
double BiquadLimits::SanitizeGainDb(double db) { return Clamp(db, -kMaxGainDb, kMaxGainDb); }

// LPF: H(s) = 1 / (s² + s/Q + 1)
BiquadCoefficients DesignLowPass(double rateHz, double hz, double q) {
    const Angle w(rateHz, hz);
    const double alpha = w.sinW / (2.0 * q);
    return Normalised((1 - w.cosW) / 2, 1 - w.cosW, (1 - w.cosW) / 2, 1 + alpha, -2 * w.cosW, 1 - alpha);
}

// HPF: H(s) = s² / (s² + s/Q + 1)
BiquadCoefficients DesignHighPass(double rateHz, double hz, double q) {
    const Angle w(rateHz, hz);
    const double alpha = w.sinW / (2.0 * q);
    return Normalised((1 + w.cosW) / 2, -(1 + w.cosW), (1 + w.cosW) / 2, 1 + alpha, -2 * w.cosW, 1 - alpha);
}

// BPF, constant 0 dB peak gain: H(s) = (s/Q) / (s² + s/Q + 1)
BiquadCoefficients DesignBandPass(double rateHz, double hz, double q) {
    const Angle w(rateHz, hz);
    const double alpha = w.sinW / (2.0 * q);
    return Normalised(alpha, 0, -alpha, 1 + alpha, -2 * w.cosW, 1 - alpha);
}

// Notch: H(s) = (s² + 1) / (s² + s/Q + 1)
BiquadCoefficients DesignNotch(double rateHz, double hz, double q) {
    const Angle w(rateHz, hz);
    const double alpha = w.sinW / (2.0 * q);
    return Normalised(1, -2 * w.cosW, 1, 1 + alpha, -2 * w.cosW, 1 - alpha);
}

// Peaking EQ: H(s) = (s² + s·(A/Q) + 1) / (s² + s/(A·Q) + 1)
BiquadCoefficients DesignPeaking(double rateHz, double hz, double q, double gainDb) {
    const Angle w(rateHz, hz);
    const double a = std::pow(10.0, gainDb / 40.0);
    const double alpha = w.sinW / (2.0 * q);
    return Normalised(1 + alpha * a, -2 * w.cosW, 1 - alpha * a, 1 + alpha / a, -2 * w.cosW, 1 - alpha / a);
}

// Low shelf: H(s) = A · (s² + (√A/Q)·s + A) / (A·s² + (√A/Q)·s + 1)
BiquadCoefficients DesignLowShelf(double rateHz, double hz, double slope, double gainDb) {
    const Angle w(rateHz, hz);
    const double a = std::pow(10.0, gainDb / 40.0);
    const double alpha = w.sinW / 2.0 * std::sqrt((a + 1 / a) * (1 / slope - 1) + 2);
    const double k = 2 * std::sqrt(a) * alpha;
    return Normalised(a * ((a + 1) - (a - 1) * w.cosW + k), 2 * a * ((a - 1) - (a + 1) * w.cosW),
                      a * ((a + 1) - (a - 1) * w.cosW - k), (a + 1) + (a - 1) * w.cosW + k,
                      -2 * ((a - 1) + (a + 1) * w.cosW), (a + 1) + (a - 1) * w.cosW - k);
}

// High shelf: H(s) = A · (A·s² + (√A/Q)·s + 1) / (s² + (√A/Q)·s + A)
BiquadCoefficients DesignHighShelf(double rateHz, double hz, double slope, double gainDb) {
    const Angle w(rateHz, hz);
    const double a = std::pow(10.0, gainDb / 40.0);
    const double alpha = w.sinW / 2.0 * std::sqrt((a + 1 / a) * (1 / slope - 1) + 2);
    const double k = 2 * std::sqrt(a) * alpha;
    return Normalised(a * ((a + 1) + (a - 1) * w.cosW + k), -2 * a * ((a - 1) + (a + 1) * w.cosW),
                      a * ((a + 1) + (a - 1) * w.cosW - k), (a + 1) - (a - 1) * w.cosW + k,
                      2 * ((a - 1) - (a + 1) * w.cosW), (a + 1) - (a - 1) * w.cosW - k);
}

double ResponseDb(const BiquadCoefficients& c, double rateHz, double hz) {
    const std::complex<double> z1 = std::polar(1.0, -2.0 * std::numbers::pi * hz / rateHz);
    const std::complex<double> z2 = z1 * z1;
    const std::complex<double> h = (c.b0 + c.b1 * z1 + c.b2 * z2) / (1.0 + c.a1 * z1 + c.a2 * z2);
    return 20.0 * std::log10(std::abs(h));
}

}  // namespace vesk
