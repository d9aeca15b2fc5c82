// CubicSpline: exact on straight lines, a hand-computed case, and agreement with a natural spline
// solved independently (dense elimination, two-end form) on uneven spacing, including the
// extrapolation of the outer segments.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "view/CubicSpline.h"

namespace vesk {
namespace {

// Natural spline the textbook way: solve the full system for the second derivatives, evaluate
// each segment from both of its ends.
class ReferenceSpline {
public:
    ReferenceSpline(std::vector<double> x, std::vector<double> y) : x_(std::move(x)), y_(std::move(y)) {
        const size_t n = x_.size();
        std::vector<std::vector<double>> a(n, std::vector<double>(n + 1, 0.0));
        a[0][0] = a[n - 1][n - 1] = 1;
        for (size_t i = 1; i + 1 < n; ++i) {
            const double h0 = x_[i] - x_[i - 1], h1 = x_[i + 1] - x_[i];
            a[i][i - 1] = h0;
            a[i][i] = 2 * (h0 + h1);
            a[i][i + 1] = h1;
            a[i][n] = 6 * ((y_[i + 1] - y_[i]) / h1 - (y_[i] - y_[i - 1]) / h0);
        }
        for (size_t p = 0; p < n; ++p) {
            for (size_t r = 0; r < n; ++r) {
                if (r == p) continue;
                const double f = a[r][p] / a[p][p];
                for (size_t c = p; c <= n; ++c) a[r][c] -= f * a[p][c];
            }
        }
        for (size_t i = 0; i < n; ++i) m_.push_back(a[i][n] / a[i][i]);
    }

    double operator()(double t) const {
        size_t i = 1;
        while (i + 1 < x_.size() && t > x_[i]) ++i;
        const double h = x_[i] - x_[i - 1], l = x_[i] - t, r = t - x_[i - 1];
        return m_[i - 1] * l * l * l / (6 * h) + m_[i] * r * r * r / (6 * h) +
               (y_[i - 1] - m_[i - 1] * h * h / 6) * l / h + (y_[i] - m_[i] * h * h / 6) * r / h;
    }

private:
    std::vector<double> x_, y_, m_;
};

TEST(CubicSplineTest, ReproducesAStraightLineInsideAndOutside) {
    const std::vector<double> x = {1, 2.5, 4, 7, 8};
    std::vector<double> y;
    for (double v : x) y.push_back(3 * v - 2);
    CubicSpline spline;
    spline.Init(y.data(), x.data(), static_cast<int32_t>(x.size()));
    for (double t = -2; t <= 11; t += 0.25) EXPECT_NEAR(spline.Evaluate(t), 3 * t - 2, 1e-9) << t;
}

TEST(CubicSplineTest, MatchesHandComputedThreePointCase) {
    // Through (0,0), (1,1), (2,0): M1 = −3, so the left piece is −t³/2 + 3t/2.
    const double x[] = {0, 1, 2}, y[] = {0, 1, 0};
    CubicSpline spline;
    spline.Init(y, x, 3);
    EXPECT_DOUBLE_EQ(spline.Evaluate(0.5), 0.6875);
    EXPECT_DOUBLE_EQ(spline.Evaluate(1.5), 0.6875);
    EXPECT_DOUBLE_EQ(spline.Evaluate(1), 1);
    EXPECT_DOUBLE_EQ(spline.Evaluate(-1), -1);  // the outer pieces extrapolate
    EXPECT_DOUBLE_EQ(spline.Evaluate(3), -1);
}

TEST(CubicSplineTest, AgreesWithIndependentNaturalSpline) {
    const std::vector<double> x = {0, 1, 3, 3.5, 6, 10, 11};
    const std::vector<double> y = {5, -200, 30000, -4000, 17, 900, -32768};
    const ReferenceSpline reference(x, y);
    CubicSpline spline;
    spline.Init(y.data(), x.data(), static_cast<int32_t>(x.size()));
    for (double t = -1; t <= 12; t += 0.125) EXPECT_NEAR(spline.Evaluate(t), reference(t), 1e-6) << t;
}

TEST(CubicSplineTest, EmptyAndSinglePointSplines) {
    CubicSpline spline;
    EXPECT_EQ(spline.Evaluate(1), 0);
    const double x = 4, y = 77;
    spline.Init(&y, &x, 1);
    EXPECT_EQ(spline.Evaluate(9), 77);
    spline.Release();
    EXPECT_EQ(spline.Evaluate(4), 0);
}

}  // namespace
}  // namespace vesk
