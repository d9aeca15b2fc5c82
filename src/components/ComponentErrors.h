// The error codes of the whole system, defined here once: the values of the control's
// ErrorConstants (the type library lists them from here). A companion component writes them
// through its error operation and the control copies them unchanged into LastErrorNum, where the
// host reads them; the control stores the same codes for failures of its own. 0 means no error.
#pragma once

#include <cstdint>

namespace vesk::component_error {

inline constexpr int32_t kNone = 0;
inline constexpr int32_t kBusy = -10;
inline constexpr int32_t kMemory = -11;
inline constexpr int32_t kFormatFile = -12;        // the file is damaged or not what it claims
inline constexpr int32_t kFormatNotSupport = -13;  // no decoder/encoder for this format
inline constexpr int32_t kOutDriver = -14;         // no usable output device
inline constexpr int32_t kInpDriver = -15;         // no usable input device
inline constexpr int32_t kMixerDriver = -16;
inline constexpr int32_t kAcmDriver = -17;
inline constexpr int32_t kFileAccess = -18;
inline constexpr int32_t kInvalidOperation = -19;
inline constexpr int32_t kInvalidParam = -20;
inline constexpr int32_t kAspiDriver = -21;  // CD drive access

}  // namespace vesk::component_error
