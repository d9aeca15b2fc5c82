// The sub-objects as the view reads them: the colours and the scales' settings, through their
// interfaces (a host may have replaced them with objects of its own), and the state of playback
// that the painter shows.
#pragma once

#include <memory>

#include "interaction/Transport.h"
#include "objects/typelib/SubObjectInterfaces.h"
#include "view/ViewHost.h"

namespace vesk {

class ControlViewHost final : public ViewHost {
public:
    // The control's held objects; the references outlive this object (their contents may change).
    ControlViewHost(const ComPtr<IAudioEditorScale>& scaleX, const ComPtr<IAudioEditorScale>& scaleY,
                    const ComPtr<IAudioEditorColors>& colors, const std::unique_ptr<Transport>& transport)
        : scaleX_(scaleX), scaleY_(scaleY), colors_(colors), transport_(transport) {}

    ViewColors Colors() const override;
    ScaleSettings ScaleX() const override;
    ScaleSettings ScaleY() const override;
    int32_t PlayColumn() const override;
    int32_t LastPlayType() const override;

private:
    const ComPtr<IAudioEditorScale>& scaleX_;
    const ComPtr<IAudioEditorScale>& scaleY_;
    const ComPtr<IAudioEditorColors>& colors_;
    const std::unique_ptr<Transport>& transport_;
};

// A scale sub-object's settings (any object with the scale interface), with Type limited to the
// types the view knows (lastType: 2 for the time scale, 3 for the amplitude scale).
ScaleSettings ReadScaleSettings(IAudioEditorScale* scale, int16_t lastType);
// The colours of any object with the colours interface.
ViewColors ReadViewColors(IAudioEditorColors* colors);

}  // namespace vesk
