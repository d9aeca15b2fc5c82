// The outgoing side of a component with one event interface: the one connection point that
// IConnectionPointContainer::FindConnectionPoint hands out, and the firing of events with
// integer arguments. Components own one and forward FindConnectionPoint to it. Firing is
// synchronous on the calling thread, which must be the control's thread.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "platform/automation/ConnectionPoint.h"

namespace vesk {

class SingleEventSource {
public:
    explicit SingleEventSource(const IID& eventIid);
    // Drops the advised sinks so that they do not outlive the component through the point.
    ~SingleEventSource();
    SingleEventSource(const SingleEventSource&) = delete;
    SingleEventSource& operator=(const SingleEventSource&) = delete;

    // FindConnectionPoint: the point (a new reference) for the event IID; CONNECT_E_NOCONNECTION
    // with *point = nullptr for any other interface.
    HRESULT Find(const IID& iid, IConnectionPoint** point) const;
    // Calls Invoke(id, args as VT_I4, first argument first) on every advised sink.
    void Fire(DISPID id, std::initializer_list<int32_t> args = {}) const;
    size_t SinkCount() const { return point_->SinkCount(); }

private:
    IID eventIid_;
    ComPtr<ConnectionPoint> point_;
};

}  // namespace vesk
