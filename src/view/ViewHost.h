// What the view needs from the control that owns it: the current document state, the format
// and operation status, snapshots of the settings it draws with, and the events it fires.
#pragma once

#include <cstdint>

#include "document/DocState.h"
#include "view/ViewTypes.h"

namespace vesk {

class ViewHost {
public:
    virtual ~ViewHost() = default;

    // The current state, or nullptr when no document is open.
    virtual DocState* CurrentState() = 0;
    virtual int32_t Channels() const = 0;
    virtual int32_t Frequency() const = 0;
    virtual int32_t BitsPerSample() const = 0;
    virtual int16_t Status() const = 0;
    virtual void SetStatus(int16_t status) = 0;
    virtual int32_t TypeView() const = 0;
    virtual int16_t TypeBorder() const = 0;

    virtual ViewColors Colors() const = 0;
    virtual ChannelFlags ChannelLanes() = 0;
    virtual ScaleSettings ScaleX() const = 0;
    virtual ScaleSettings ScaleY() const = 0;
    virtual MarkerView Markers() const = 0;
    // The painter records which markers it drew (indices, -1 when none) for hit testing.
    virtual void SetShownMarkers(int32_t first, int32_t last) = 0;

    // Playback state the painter shows: the play column and whether the frame is reused.
    virtual int32_t PlayColumn() const = 0;
    virtual int32_t LastPlayType() const = 0;
    // 0..100 while a file opens.
    virtual int32_t OpenProgress() const = 0;

    virtual void SetLastErrorNum(int32_t code) = 0;
    virtual void FireChangePosition() = 0;
    virtual void FireBlockOperation(int16_t percent) = 0;
    virtual void FireEndOperation() = 0;
};

}  // namespace vesk
