#include "platform/MulDiv.h"

#include <cmath>

namespace vesk {

int32_t MulDiv(int32_t value, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    const long double exact = static_cast<long double>(value) * numerator / denominator;
    const long double rounded = std::round(exact);
    if (rounded > INT32_MAX || rounded < INT32_MIN) return -1;
    return static_cast<int32_t>(rounded);
}

}  // namespace vesk
