// The Channels sub-object: which channels are shown (Visible) and which an edit, effect or
// playback works on (Operation), addressed through the 1-based channel number Num. The flags
// belong to the document; this object only chooses the channel and shows them.
#pragma once

#include "objects/EditorHost.h"
#include "objects/typelib/Bindings.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorChannel : public RefCounted, public DispatchImpl<IAudioEditorChannel> {
public:
    AudioEditorChannel() = default;
    VESK_IUNKNOWN_IMPL(AudioEditorChannel, IAudioEditorChannel, IDispatch)

    void SetHost(EditorHost* host) { host_ = host; }

    HRESULT get_Count(int16_t* value) override;
    HRESULT get_Num(int16_t* value) override;
    HRESULT put_Num(int16_t value) override;
    HRESULT get_Visible(VARIANT_BOOL* value) override;
    HRESULT put_Visible(VARIANT_BOOL value) override;
    HRESULT get_Operation(VARIANT_BOOL* value) override;
    HRESULT put_Operation(VARIANT_BOOL value) override;

private:
    // 0-based index of the channel that Num addresses; Num 0 (never set) means the first.
    int CurrentIndex() const;
    int DocumentChannels() const;
    ChannelSelection* Flags() { return host_ ? &host_->Doc().ChannelFlags() : nullptr; }

    EditorHost* host_ = nullptr;
    int16_t num_ = 0;
};

}  // namespace vesk
