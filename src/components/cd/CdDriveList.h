// The drives a CdReader offers: the CD drives libcdio finds on this machine, then the disc
// images named in the environment variable VESK_CD_IMAGES, a ';'-separated list of .cue files
// (BIN/CUE images). An image is a drive whose name is its path, so scripts and tests can rip
// from an image exactly as from a disc: the control's "<drive>/Track02.cda" becomes
// "/path/disc.cue/Track02.cda".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

struct CdDrive {
    std::string path;  // device node (e.g. /dev/sr0) or .cue file
    bool isImage = false;
};

class CdDriveList {
public:
    static constexpr const char* kImagesVariable = "VESK_CD_IMAGES";

    // Real drives first, then the images of VESK_CD_IMAGES, in the order given.
    static std::vector<CdDrive> Discover();
    // The images of a VESK_CD_IMAGES value; empty items are skipped.
    static std::vector<CdDrive> ImagesFrom(std::string_view list);
};

}  // namespace vesk
