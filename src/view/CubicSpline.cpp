#include "view/CubicSpline.h"

#include <algorithm>

namespace vesk {

void CubicSpline::Init(const double* y, const double* x, int32_t n) {
    Release();
    if (n < 1) return;
    x_ = x;
    n_ = n;
    y_.assign(y, y + n);
    m_.assign(n, 0.0);
    b_.assign(n, 0.0);
    d_.assign(n, 0.0);

    // Tridiagonal system for the second derivatives, solved by one forward sweep that expresses
    // each M[i] through M[i+1] (M[i] = u[i]·M[i+1] + v[i]) and one backward substitution; the
    // zero first entries make the left end natural, M[n−1] = 0 the right one.
    std::vector<double> u(n, 0.0), v(n, 0.0);
    for (int32_t i = 1; i + 1 < n; ++i) {
        const double h0 = x[i] - x[i - 1];
        const double h1 = x[i + 1] - x[i];
        const double r = ((y[i] - y[i - 1]) / h0 - (y[i + 1] - y[i]) / h1) * 6;
        const double dgl = (h0 + h1) * -2;
        const double pivot = dgl - h0 * u[i - 1];
        u[i] = h1 / pivot;
        v[i] = (h0 * v[i - 1] + r) / pivot;
    }
    for (int32_t i = n - 2; i >= 0; --i) m_[i] = u[i] * m_[i + 1] + v[i];

    // Each segment is written around its right end x[i].
    for (int32_t i = 1; i < n; ++i) {
        const double h = x[i] - x[i - 1];
        d_[i] = (m_[i] - m_[i - 1]) / h;
        b_[i] = h * m_[i] / 2 - h * h * d_[i] / 6 + (y[i] - y[i - 1]) / h;
    }
}

int32_t CubicSpline::SegmentOf(double t) const {
    // The first x[i] (i ≥ 1) not below t; the last segment beyond the right end.
    const double* found = std::lower_bound(x_ + 1, x_ + n_, t);
    return found == x_ + n_ ? n_ - 1 : static_cast<int32_t>(found - x_);
}

double CubicSpline::Evaluate(double t) const {
    if (n_ < 1) return 0.0;
    const int32_t i = n_ == 1 ? 0 : SegmentOf(t);
    const double s = t - x_[i];
    return y_[i] + b_[i] * s + m_[i] * s * s / 2 + d_[i] * s * s * s / 6;
}

void CubicSpline::Release() {
    x_ = nullptr;
    n_ = 0;
    y_ = std::vector<double>();
    m_ = std::vector<double>();
    b_ = std::vector<double>();
    d_ = std::vector<double>();
}

}  // namespace vesk
