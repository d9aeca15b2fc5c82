// The window messages the control handles and how their arguments are packed: the pointer's x in
// the low word and y in the high word of lParam (signed 16-bit each), the key state in wParam,
// and for the wheel the whole wParam as a signed 32-bit value. A real window system's input is
// turned into these by the site that holds the control.
#pragma once

#include <cstdint>

namespace vesk {

inline constexpr uint32_t WM_DESTROY = 0x0002;
inline constexpr uint32_t WM_SIZE = 0x0005;
inline constexpr uint32_t WM_ERASEBKGND = 0x0014;
inline constexpr uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
inline constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
inline constexpr uint32_t WM_MBUTTONUP = 0x0208;
inline constexpr uint32_t WM_MBUTTONDBLCLK = 0x0209;
inline constexpr uint32_t WM_MOUSEWHEEL = 0x020A;

// Key state of a mouse message (wParam).
inline constexpr uintptr_t MK_LBUTTON = 0x0001;
inline constexpr uintptr_t MK_RBUTTON = 0x0002;
inline constexpr uintptr_t MK_SHIFT = 0x0004;
inline constexpr uintptr_t MK_CONTROL = 0x0008;
inline constexpr uintptr_t MK_MBUTTON = 0x0010;

// One wheel notch (the high word of the wheel's wParam).
inline constexpr int32_t WHEEL_DELTA = 120;

constexpr intptr_t MakeLParam(int32_t x, int32_t y) {
    return static_cast<intptr_t>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) |
                                 static_cast<uint16_t>(x));
}
constexpr int16_t XOfLParam(intptr_t lParam) { return static_cast<int16_t>(static_cast<uint32_t>(lParam) & 0xFFFF); }
constexpr int16_t YOfLParam(intptr_t lParam) { return static_cast<int16_t>(static_cast<uint32_t>(lParam) >> 16); }

}  // namespace vesk
