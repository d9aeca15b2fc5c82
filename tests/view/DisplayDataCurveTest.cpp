// ComputeCurve: which extreme a column contributes, nothing for two points, the parabola path
// (also taken by the spline setting for three points) with its limit between points only, the
// spline path that leaves the last point to the tail, and straight lines drawn exactly.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "view/DisplayData.h"

namespace vesk {
namespace {

using Points = std::vector<std::pair<int32_t, int32_t>>;  // (column, value)

// The parabola through three points, written independently of the code under test.
double Lagrange(const Points& p, size_t k, double c) {
    double sum = 0;
    for (size_t i = k; i < k + 3; ++i) {
        double term = p[i].second;
        for (size_t j = k; j < k + 3; ++j) {
            if (j != i) term *= (c - p[j].first) / static_cast<double>(p[i].first - p[j].first);
        }
        sum += term;
    }
    return sum;
}

class CurveTest : public testing::Test {
protected:
    // Channel 0 gets one sample per listed column; the curve starts at 0.
    void SetPoints(const Points& points) {
        PeakColumns& columns = data_->Columns();
        columns.ClearPeaks();
        columns.ClearCurve();
        for (const auto& [c, v] : points) columns.minPeak[0][c] = columns.maxPeak[0][c] = v;
    }
    int32_t Curve(int32_t c) const { return data_->Columns().curvePoint[0][c]; }

    std::unique_ptr<DisplayData> data_ = std::make_unique<DisplayData>();
};

TEST_F(CurveTest, TwoPointsWriteNothing) {
    SetPoints({{2, 500}, {6, -500}});
    data_->ComputeCurve(10, 1);
    for (int32_t c = 0; c <= 10; ++c) EXPECT_EQ(Curve(c), 0);
}

TEST_F(CurveTest, ThreePointsTakeTheParabolaEvenWithSplineSetting) {
    const Points points = {{2, 100}, {5, -300}, {9, 200}};
    SetPoints(points);
    ASSERT_EQ(data_->InterpolationKind(), Interpolation::CubicSpline);
    data_->ComputeCurve(12, 1);
    EXPECT_EQ(Curve(0), 0);
    EXPECT_EQ(Curve(1), 0);
    for (int32_t c = 2; c <= 12; ++c) EXPECT_EQ(Curve(c), std::trunc(Lagrange(points, 0, c))) << c;
}

TEST_F(CurveTest, ParabolaIsLimitedBetweenPointsButNotInTheTail) {
    // P(c) = 32000 − 12800 · c · (c − 4): 83200 at column 2, −377600 at column 8.
    SetPoints({{0, 32000}, {4, 32000}, {5, -32000}});
    data_->ComputeCurve(8, 1);
    EXPECT_EQ(Curve(2), 32768);
    EXPECT_EQ(Curve(8), -377600);
}

TEST_F(CurveTest, ColumnContributesItsDominantExtreme) {
    PeakColumns& columns = data_->Columns();
    columns.ClearPeaks();
    columns.minPeak[0][1] = -500, columns.maxPeak[0][1] = 200;  // larger magnitude: the minimum
    columns.minPeak[0][4] = -300, columns.maxPeak[0][4] = 300;  // a tie: the maximum
    columns.maxPeak[0][7] = 150;                                // only one extreme present
    data_->SetInterpolationKind(Interpolation::Parabola);
    data_->ComputeCurve(8, 1);
    EXPECT_EQ(Curve(1), -500);
    EXPECT_EQ(Curve(4), 300);
    EXPECT_EQ(Curve(7), 150);
}

TEST_F(CurveTest, ParabolaSettingUsesTheNextPointPerSegment) {
    const Points points = {{0, 0}, {3, 900}, {5, -400}, {8, 100}, {10, 700}};
    SetPoints(points);
    data_->SetInterpolationKind(Interpolation::Parabola);
    data_->ComputeCurve(12, 1);
    for (size_t k = 1; k + 1 < points.size(); ++k) {
        for (int32_t c = points[k - 1].first + 1; c < points[k].first; ++c) {
            EXPECT_EQ(Curve(c), std::trunc(Lagrange(points, k - 1, c))) << c;
        }
    }
    for (int32_t c = 9; c <= 12; ++c) EXPECT_EQ(Curve(c), std::trunc(Lagrange(points, 2, c))) << c;
}

TEST_F(CurveTest, SplinePathDrawsAStraightLineExactly) {
    Points points;
    for (int32_t c : {1, 3, 4, 7, 9, 11}) points.emplace_back(c, 100 * c - 500);
    SetPoints(points);
    data_->ComputeCurve(14, 1);
    for (int32_t c = 0; c <= 9; ++c) EXPECT_EQ(Curve(c), 100 * c - 500) << c;
    // The tail's parabola through three points of the line is the line, up to rounding.
    for (int32_t c = 10; c <= 14; ++c) EXPECT_NEAR(Curve(c), 100 * c - 500, 1) << c;
}

TEST_F(CurveTest, SplinePathLeavesTheLastPointToTheTail) {
    const Points points = {{0, 0}, {2, 1000}, {5, -2000}, {6, 400}, {9, -30000}};
    SetPoints(points);
    data_->ComputeCurve(12, 1);
    std::vector<double> x, y;
    for (size_t i = 0; i + 1 < points.size(); ++i) x.push_back(points[i].first), y.push_back(points[i].second);
    CubicSpline spline;
    spline.Init(y.data(), x.data(), static_cast<int32_t>(x.size()));
    for (int32_t c = 0; c < 6; ++c) EXPECT_EQ(Curve(c), std::trunc(spline.Evaluate(c))) << c;
    for (int32_t c = 6; c <= 12; ++c) EXPECT_EQ(Curve(c), std::trunc(Lagrange(points, 2, c))) << c;
}

}  // namespace
}  // namespace vesk
