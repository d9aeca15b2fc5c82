// A natural cubic spline (second derivative 0 at both ends) through points with strictly
// ascending x. The display data draws deep zoom levels with it.
#pragma once

#include <cstdint>
#include <vector>

namespace vesk {

class CubicSpline {
public:
    CubicSpline() = default;
    virtual ~CubicSpline() = default;
    // Builds the spline through (x[i], y[i]), i = 0..n−1; x strictly ascending. Copies y but keeps
    // a pointer to x: the caller keeps x alive until Release. n < 1 gives an empty spline.
    void Init(const double* y, const double* x, int32_t n);
    // Value at t; outside [x[0], x[n−1]] the outer segments extrapolate. 0 for an empty spline.
    double Evaluate(double t) const;
    // Frees the coefficients and forgets x.
    void Release();

private:
    // Index of the segment [x[i−1], x[i]] that evaluates t.
    int32_t SegmentOf(double t) const;

    const double* x_ = nullptr;
    std::vector<double> y_, m_, b_, d_;  // values, second derivatives, slopes, third derivatives
    int32_t n_ = 0;
};

}  // namespace vesk
