// Which file layout an encoder writes for a held output format, a host's FormatTypeConstants
// value and a file name. The codec is always the held format's; this only picks where it goes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "components/file/OutputFormat.h"

namespace vesk {

enum class EncoderContainer { Wav, Aiff, Au, Flac, Ogg, Opus, Headerless, Mp3, Mp2 };

// The container for writing `format` into `path`, or nullopt when the extension or formatType
// names a container that cannot hold the format's codec. Rules (the table in EncoderFactory.cpp):
// a known extension decides; otherwise formatType (0 = none); otherwise the codec's usual one.
std::optional<EncoderContainer> ChooseEncoderContainer(const OutputFormat& format, int32_t formatType,
                                                       const std::string& path);

}  // namespace vesk
