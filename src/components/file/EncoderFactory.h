// Chooses and creates the encoder for a save, and answers which MPEG and Ogg Vorbis parameters
// the encoders accept (what IsAvailableMpeg / IsAvailableOggVorbis report to a host).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "components/file/AudioEncoder.h"
#include "components/file/LameSettingsStore.h"

namespace vesk {

// An encoder, not yet opened, for writing `format` into `path` (whose extension, and then
// formatType (FormatTypeConstants, 0 = none), choose the container); nullptr when nothing can
// write that codec into that container. MP3 takes every parameter from `lame` when given (the
// component's settings object, which it keeps in step with SetOutputFormatMP3); without it,
// LAME's defaults with the format's rate, bitrate and channels.
std::unique_ptr<AudioEncoder> MakeEncoder(const OutputFormat& format, int32_t formatType, const std::string& path,
                                          const LameSettingsValues* lame = nullptr);

// Whether MP3 of that rate (Hz), constant bitrate (kbps) and channel count can be written.
bool CanEncodeMpeg(int32_t hz, int32_t kbps, int32_t channels);

// Whether Ogg Vorbis with that rate, channel count and bitrates (kbps, 0 = not given) can be
// written.
bool CanEncodeOggVorbis(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps, int32_t maxKbps);

}  // namespace vesk
