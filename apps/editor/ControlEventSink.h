// Receives the control's events (the _IAudioEditorEvents dispatch interface) and hands each to
// one function with its arguments in call order. Advised on construction, unadvised on
// destruction of the connection.
#pragma once

#include <functional>
#include <vector>

#include "objects/typelib/AudioEditorInterface.h"
#include "platform/automation/ConnectionPoint.h"
#include "platform/automation/Variant.h"

namespace vesk::editor {

using EventHandler = std::function<void(AudioEditorEvent event, const std::vector<Variant>& arguments)>;

class ControlEventSink : public RefCounted, public IDispatch {
public:
    explicit ControlEventSink(EventHandler handler) : handler_(std::move(handler)) {}
    VESK_IUNKNOWN_IMPL(ControlEventSink, IDispatch)

    HRESULT GetTypeInfoCount(uint32_t* count) override;
    HRESULT GetTypeInfo(uint32_t index, LCID lcid, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(const IID& riid, const OLECHAR* const* names, uint32_t count, LCID lcid,
                          DISPID* ids) override;
    // Always S_OK: the editor's problems stay in the editor.
    HRESULT Invoke(DISPID id, const IID& riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, uint32_t* argError) override;

private:
    ~ControlEventSink() override = default;
    EventHandler handler_;
};

// The advice of a sink on a control, for as long as this object lives.
class EventConnection {
public:
    EventConnection(IAudioEditor* control, EventHandler handler);
    ~EventConnection();
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;

private:
    ComPtr<IConnectionPoint> point_;
    uint32_t cookie_ = 0;
};

}  // namespace vesk::editor
