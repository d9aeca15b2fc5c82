// One advised event sink: created by advising a Python object on an automation object's
// default event source, unadvised when closed or destroyed. The connection holds the source
// and the sink; the sink holds the Python object only weakly.
#pragma once

#include <pybind11/pybind11.h>

#include "DispatchObject.h"
#include "platform/automation/ConnectionPoint.h"

namespace vesk::python {

class EventConnection {
public:
    // Advises an EventSink for `target` on the connection point of `source`'s default event
    // interface (as the library's class table names it). com_error when the object has no
    // such interface or refuses the connection.
    EventConnection(const DispatchObject& source, pybind11::handle target);
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;
    ~EventConnection() { Close(); }

    // Adds the class EventConnection to `module`.
    static void Bind(pybind11::module_& module);

    // Unadvises the sink; harmless when already closed.
    void Close();
    bool IsConnected() const { return cookie_ != 0; }
    // Name of the event interface ("_IAudioEditorEvents").
    const std::string& InterfaceName() const { return events_->name; }

private:
    const InterfaceInfo* events_ = nullptr;
    // Held so that the source outlives the connection and the sink is unadvised before the
    // object goes, whatever order Python frees the wrapper's attributes in.
    ComPtr<IUnknown> source_;
    ComPtr<IConnectionPoint> point_;
    uint32_t cookie_ = 0;
};

}  // namespace vesk::python
