// Reads the usual LAME command-line options into the stored MP3 settings, the way the LAME
// front end reads them: the line starts from the default settings (only the output rate and
// channel count are kept unless the line changes them) and each option then changes its value.
// Unknown options are ignored, and so is every token that is not an option.
//
//   -b n      bitrate kbps (constant; the lowest one with VBR/ABR)
//   -B n      highest VBR bitrate kbps               -V n   VBR with quality n (0 best .. 9)
//   --abr n   average bitrate n kbps                 --vbr-old, --vbr-new   VBR method
//   -q n      algorithm quality (0 best .. 9)        -h  quality 2,  -f  quality 7
//   -m s|j|f|d|m  stereo, joint, forced joint, dual channel, mono;   -a  mono
//   -t        no VBR/Info header                     --noreplaygain   accepted, nothing to do
//   --lowpass f, --highpass f, --lowpass-width f, --highpass-width f   kHz (or Hz when >= 50)
//   -e n|5|c  emphasis none, 50/15 us, CCITT J.17    -p  CRC error protection
//   --strictly-enforce-ISO   -F  enforce the minimum VBR bitrate   --resample f  kHz or Hz
//   --nores   no bit reservoir      --noshort   long blocks only     --preset name|number
#pragma once

#include <string_view>

#include "components/file/LameSettingsStore.h"

namespace vesk {

class LameEncoderCommandLine {
public:
    static void Apply(std::string_view line, LameSettingsValues& values);
};

}  // namespace vesk
