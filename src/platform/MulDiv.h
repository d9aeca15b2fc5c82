// value × numerator ÷ denominator with a 64-bit product, rounded to the nearest integer (halves
// away from zero), the way the control scales positions, times and block sizes; -1 when the
// denominator is 0 or the result does not fit 32 bits.
#pragma once

#include <cstdint>

namespace vesk {

int32_t MulDiv(int32_t value, int32_t numerator, int32_t denominator);

}  // namespace vesk
