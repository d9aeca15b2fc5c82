// The names under which the control asks the class registry for its companion components. The
// first five are created when the control is created; WmaCodec and CdReader only on demand.
#pragma once

#include <string_view>

namespace vesk {

inline constexpr std::string_view kVeskAudioInformationName = "VeskAudioInformation";
inline constexpr std::string_view kVeskAudioPlayerName = "VeskAudioPlayer";
inline constexpr std::string_view kVeskAudioRecordName = "VeskAudioRecord";
inline constexpr std::string_view kVeskAudioFileName = "VeskAudioFile";
inline constexpr std::string_view kVeskAudioTransformName = "VeskAudioTransform";
inline constexpr std::string_view kWmaCodecName = "WmaCodec";
inline constexpr std::string_view kCdReaderName = "CdReader";

}  // namespace vesk
