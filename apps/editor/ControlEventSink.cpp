#include "ControlEventSink.h"

#include <stdexcept>

namespace vesk::editor {

HRESULT ControlEventSink::GetTypeInfoCount(uint32_t* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ControlEventSink::GetTypeInfo(uint32_t, LCID, ITypeInfo**) { return DISP_E_BADINDEX; }

HRESULT ControlEventSink::GetIDsOfNames(const IID&, const OLECHAR* const*, uint32_t, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

HRESULT ControlEventSink::Invoke(DISPID id, const IID&, LCID, uint16_t, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                 uint32_t*) {
    std::vector<Variant> arguments;
    const uint32_t count = params ? params->cArgs : 0;
    // DISPPARAMS stores the arguments last to first.
    for (uint32_t i = count; i-- > 0;) arguments.emplace_back(params->rgvarg[i]);
    handler_(static_cast<AudioEditorEvent>(id), arguments);
    return S_OK;
}

EventConnection::EventConnection(IAudioEditor* control, EventHandler handler) {
    ComPtr<IConnectionPointContainer> container;
    control->QueryInterface(IConnectionPointContainer::kIid, container.put_void());
    if (!container || Failed(container->FindConnectionPoint(IID_IAudioEditorEvents, point_.put()))) {
        throw std::runtime_error("The control offers no events.");
    }
    auto sink = MakeCom<ControlEventSink>(std::move(handler));
    if (Failed(point_->Advise(sink.get(), &cookie_))) throw std::runtime_error("The control refused the event sink.");
}

EventConnection::~EventConnection() {
    if (point_ && cookie_) point_->Unadvise(cookie_);
}

}  // namespace vesk::editor
