// What the view reads from the layers above it: the colours and the scales' settings (sub-objects
// a host may replace with its own) and the state of playback that the painter shows.
#pragma once

#include <cstdint>

#include "view/ViewTypes.h"

namespace vesk {

class ViewHost {
public:
    virtual ~ViewHost() = default;

    virtual ViewColors Colors() const = 0;
    virtual ScaleSettings ScaleX() const = 0;
    virtual ScaleSettings ScaleY() const = 0;

    // The play cursor's column in the waveform area (0: none) and the last play type, which
    // decides whether a composition may reuse the previous frame while playing.
    virtual int32_t PlayColumn() const { return 0; }
    virtual int32_t LastPlayType() const { return 2; }
};

}  // namespace vesk
