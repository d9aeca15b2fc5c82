// The IDispatch a script's event object is advised with. Each event Invoke calls the Python
// method On<EventName>(*args) of the target, when the target defines it.
//
// The sink holds only a weak reference to the target, so that the control (which holds the
// sink) never keeps the script's object alive: when the script drops it, it is freed and
// events for it are ignored. A handler's exception is printed with its traceback and never
// reaches the control.
#pragma once

#include <pybind11/pybind11.h>

#include <map>
#include <string>

#include "platform/automation/Dispatch.h"
#include "platform/automation/TypeInfo.h"

namespace vesk::python {

class EventSink : public RefCounted, public IDispatch {
public:
    // events: the event interface (kept by the type library for the process's lifetime).
    // target: must support weak references.
    EventSink(const InterfaceInfo& events, pybind11::handle target);
    VESK_IUNKNOWN_IMPL(EventSink, IDispatch)

    HRESULT GetTypeInfoCount(uint32_t* count) override;
    HRESULT GetTypeInfo(uint32_t index, LCID lcid, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(const IID& riid, const OLECHAR* const* names, uint32_t count, LCID lcid,
                          DISPID* ids) override;
    // Always S_OK (also for unknown events and failing handlers): the host's problems stay here.
    HRESULT Invoke(DISPID id, const IID& riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, uint32_t* argError) override;

private:
    ~EventSink() override;
    void Dispatch(const std::string& handlerName, const DISPPARAMS* params);

    const InterfaceInfo& events_;
    pybind11::weakref target_;
    std::map<DISPID, std::string> handlers_;  // dispid -> "On<EventName>"
};

}  // namespace vesk::python
