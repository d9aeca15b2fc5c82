// The control as the view sees it: reads the current document state, the format, the colours,
// channel flags, scales and markers from the control and its sub-objects, and fires the view's
// events through the control.
#pragma once

#include "control/typelib/SubObjectInterfaces.h"
#include "view/ViewHost.h"

namespace vesk {

class AudioEditor;

class ControlViewHost final : public ViewHost {
public:
    explicit ControlViewHost(AudioEditor& control) : control_(control) {}

    DocState* CurrentState() override;
    int32_t Channels() const override;
    int32_t Frequency() const override;
    int32_t BitsPerSample() const override;
    int16_t Status() const override;
    void SetStatus(int16_t status) override;
    int32_t TypeView() const override;
    int16_t TypeBorder() const override;
    ViewColors Colors() const override;
    ChannelFlags ChannelLanes() override;
    ScaleSettings ScaleX() const override;
    ScaleSettings ScaleY() const override;
    MarkerView Markers() const override;
    void SetShownMarkers(int32_t first, int32_t last) override;
    int32_t PlayColumn() const override;
    int32_t LastPlayType() const override;
    int32_t OpenProgress() const override;
    void SetLastErrorNum(int32_t code) override;
    void FireChangePosition() override;
    void FireBlockOperation(int16_t percent) override;
    void FireEndOperation() override;

private:
    AudioEditor& control_;
};

// A scale sub-object's settings (any object with the scale interface).
ScaleSettings ReadScaleSettings(IAudioEditorScale* scale);
// The colours of any object with the colours interface.
ViewColors ReadViewColors(IAudioEditorColors* colors);

}  // namespace vesk
