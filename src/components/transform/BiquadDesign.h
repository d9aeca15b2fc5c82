// Second-order filter design after the well-known audio EQ cookbook formulas (bilinear
// transform of the analog prototypes, frequency pre-warped). Pure functions: the result
// depends only on the arguments, which must be sane (see BiquadLimits); the effect clamps
// host values before designing.
#pragma once

namespace vesk {

// H(z) = (b0 + b1·z⁻¹ + b2·z⁻²) / (1 + a1·z⁻¹ + a2·z⁻²), normalised by a0.
struct BiquadCoefficients {
    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
};

// Ranges the design functions accept; Sanitize* map any host value into them.
struct BiquadLimits {
    static constexpr double kMinHz = 1.0;
    static constexpr double kMaxShareOfRate = 0.49;  // just below the Nyquist frequency
    static constexpr double kMinQ = 0.05;
    static constexpr double kMaxQ = 100.0;
    static constexpr double kMinSlope = 0.05;  // shelf slope S; 1 is the steepest without overshoot
    static constexpr double kMaxSlope = 1.0;
    static constexpr double kMaxGainDb = 60.0;

    static double SanitizeHz(double hz, double rateHz);
    static double SanitizeQ(double q);
    static double SanitizeSlope(double slope);
    static double SanitizeGainDb(double db);
};

// Parameters: rateHz > 0, 0 < hz < rateHz / 2, q > 0, 0 < slope <= 1.
BiquadCoefficients DesignLowPass(double rateHz, double hz, double q);  // −3 dB at hz for q = 0.7071
BiquadCoefficients DesignHighPass(double rateHz, double hz, double q);
BiquadCoefficients DesignBandPass(double rateHz, double hz, double q);  // 0 dB at hz, bandwidth hz / q
BiquadCoefficients DesignNotch(double rateHz, double hz, double q);     // zero gain at hz
BiquadCoefficients DesignPeaking(double rateHz, double hz, double q, double gainDb);
BiquadCoefficients DesignLowShelf(double rateHz, double hz, double slope, double gainDb);   // gainDb below hz
BiquadCoefficients DesignHighShelf(double rateHz, double hz, double slope, double gainDb);  // gainDb above hz

// Magnitude of the response at hz, in dB.
double ResponseDb(const BiquadCoefficients& c, double rateHz, double hz);

}  // namespace vesk
