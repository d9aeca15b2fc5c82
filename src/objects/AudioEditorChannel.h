// The Channels sub-object: which channels are shown (Visible) and which an edit, effect or
// playback works on (Operation), addressed through the 1-based channel number Num.
#pragma once

#include <array>

#include "control/typelib/Bindings.h"
#include "objects/EditorHost.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorChannel : public RefCounted, public DispatchImpl<IAudioEditorChannel> {
public:
    static constexpr int kMaxChannels = 10;

    AudioEditorChannel();
    VESK_IUNKNOWN_IMPL(AudioEditorChannel, IAudioEditorChannel, IDispatch)

    void SetHost(EditorHost* host) { host_ = host; }

    HRESULT get_Count(int16_t* value) override;
    HRESULT get_Num(int16_t* value) override;
    HRESULT put_Num(int16_t value) override;
    HRESULT get_Visible(VARIANT_BOOL* value) override;
    HRESULT put_Visible(VARIANT_BOOL value) override;
    HRESULT get_Operation(VARIANT_BOOL* value) override;
    HRESULT put_Operation(VARIANT_BOOL value) override;

    // Recounts both counts over the document's channels (after New, Open, Close, undo).
    void Refresh();
    bool IsVisible(int channel) const { return visible_[channel] != 0; }
    bool IsOperated(int channel) const { return operation_[channel] != 0; }
    int VisibleCount() const { return visibleCount_; }
    int OperationCount() const { return operationCount_; }
    // Sets the operation flags of the two channels of a stereo document (the mouse does).
    void SetOperationFlags(bool left, bool right);

private:
    // 0-based index of the channel that Num addresses; Num 0 (never set) means the first.
    int CurrentIndex() const;
    int CountOf(const std::array<int16_t, kMaxChannels>& flags) const;
    int DocumentChannels() const;

    EditorHost* host_ = nullptr;
    int16_t num_ = 0;
    std::array<int16_t, kMaxChannels> visible_;
    std::array<int16_t, kMaxChannels> operation_;
    int16_t visibleCount_ = 0;
    int16_t operationCount_ = 0;
};

}  // namespace vesk
