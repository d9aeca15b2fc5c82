// Connection points: how a host (or the control itself, for its components) receives events.
// A sink is an IDispatch; firing an event calls sink->Invoke(dispid, DISPATCH_METHOD, args)
// on every advised sink, in the order they were advised, synchronously on the caller's thread.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/automation/Dispatch.h"

namespace vesk {

struct IConnectionPoint : IUnknown {
    // {B196B286-BAB4-101A-B69C-00AA00341D07}
    static constexpr IID kIid{0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
    virtual HRESULT GetConnectionInterface(IID* iid) = 0;
    // The sink must answer QueryInterface for IDispatch; *cookie identifies the connection.
    virtual HRESULT Advise(IUnknown* sink, uint32_t* cookie) = 0;
    virtual HRESULT Unadvise(uint32_t cookie) = 0;
};

struct IConnectionPointContainer : IUnknown {
    // {B196B284-BAB4-101A-B69C-00AA00341D07}
    static constexpr IID kIid{0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
    virtual HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) = 0;
};

// One connection point for one outgoing interface. Owned (counted) by its container.
class ConnectionPoint : public RefCounted, public IConnectionPoint {
public:
    explicit ConnectionPoint(const IID& iid) : iid_(iid) {}
    VESK_IUNKNOWN_IMPL(ConnectionPoint, IConnectionPoint)

    HRESULT GetConnectionInterface(IID* iid) override;
    HRESULT Advise(IUnknown* sink, uint32_t* cookie) override;
    HRESULT Unadvise(uint32_t cookie) override;

    // Arguments in call order (the first parameter first). Sinks advised or unadvised while
    // the event runs take effect for the next event.
    void Fire(DISPID id, std::initializer_list<Variant> args = {});
    void Fire(DISPID id, const std::vector<Variant>& args);
    size_t SinkCount() const { return sinks_.size(); }
    void UnadviseAll() { sinks_.clear(); }

private:
    struct Connection {
        uint32_t cookie;
        ComPtr<IDispatch> sink;
    };
    IID iid_;
    std::vector<Connection> sinks_;
    uint32_t nextCookie_ = 1;
};

// Advises `sink` on the connection point of `source` for interface iid; returns the cookie
// (0 when it failed).
uint32_t AdviseSink(IUnknown* source, const IID& iid, IUnknown* sink);
void UnadviseSink(IUnknown* source, const IID& iid, uint32_t cookie);

// Reads integer argument `index` (0 = first in call order) of an event Invoke, converting as
// DispGetParam does; `fallback` when it is missing or does not convert.
int32_t EventArgInt(const DISPPARAMS* params, uint32_t index, int32_t fallback = 0);

}  // namespace vesk
