#include "platform/automation/ConnectionPoint.h"

#include <algorithm>

#include "platform/automation/VariantArray.h"

namespace vesk {

namespace {

// Calls every sink of the snapshot with the arguments laid out as DISPPARAMS wants them, last
// argument first. Each sink gets its own copies, so a sink that changes its arguments cannot
// change what the next one sees.
void InvokeSinks(const std::vector<ComPtr<IDispatch>>& sinks, DISPID id, const Variant* args, size_t count) {
    for (const ComPtr<IDispatch>& sink : sinks) {
        VariantArray reversed(count);
        for (size_t i = 0; i < count; ++i) VariantCopy(&reversed[count - 1 - i], &args[i]);
        DISPPARAMS params{reversed.data(), nullptr, static_cast<uint32_t>(count), 0};
        sink->Invoke(id, GUID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
}

}  // namespace

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, uint32_t* cookie) {
    if (!sink || !cookie) return E_POINTER;
    *cookie = 0;
    ComPtr<IDispatch> dispatch;
    if (Failed(sink->QueryInterface(IDispatch::kIid, dispatch.put_void())) || !dispatch) {
        return CONNECT_E_CANNOTCONNECT;
    }
    *cookie = nextCookie_++;
    sinks_.push_back({*cookie, std::move(dispatch)});
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(uint32_t cookie) {
    auto it = std::find_if(sinks_.begin(), sinks_.end(), [cookie](const Connection& c) { return c.cookie == cookie; });
    if (it == sinks_.end()) return CONNECT_E_NOCONNECTION;
    sinks_.erase(it);
    return S_OK;
}

void ConnectionPoint::Fire(DISPID id, std::initializer_list<Variant> args) {
    Fire(id, std::vector<Variant>(args));
}

void ConnectionPoint::Fire(DISPID id, const std::vector<Variant>& args) {
    // A handler may advise, unadvise or even release the object that owns this point, so the
    // loop runs over its own references and never touches this object again.
    std::vector<ComPtr<IDispatch>> snapshot;
    snapshot.reserve(sinks_.size());
    for (const Connection& c : sinks_) snapshot.push_back(c.sink);
    InvokeSinks(snapshot, id, args.data(), args.size());
}

uint32_t AdviseSink(IUnknown* source, const IID& iid, IUnknown* sink) {
    if (!source) return 0;
    ComPtr<IConnectionPointContainer> container;
    if (Failed(source->QueryInterface(IConnectionPointContainer::kIid, container.put_void())) || !container) return 0;
    ComPtr<IConnectionPoint> point;
    if (Failed(container->FindConnectionPoint(iid, point.put())) || !point) return 0;
    uint32_t cookie = 0;
    return Succeeded(point->Advise(sink, &cookie)) ? cookie : 0;
}

void UnadviseSink(IUnknown* source, const IID& iid, uint32_t cookie) {
    if (!source) return;
    ComPtr<IConnectionPointContainer> container;
    if (Failed(source->QueryInterface(IConnectionPointContainer::kIid, container.put_void())) || !container) return;
    ComPtr<IConnectionPoint> point;
    if (Succeeded(container->FindConnectionPoint(iid, point.put())) && point) point->Unadvise(cookie);
}

int32_t EventArgInt(const DISPPARAMS* params, uint32_t index, int32_t fallback) {
    if (!params || !params->rgvarg) return fallback;
    const VARIANT* arg = nullptr;
    // A named argument carries its position as its identifier; positional ones are reversed.
    for (uint32_t i = 0; i < params->cNamedArgs && params->rgdispidNamedArgs; ++i) {
        if (params->rgdispidNamedArgs[i] == static_cast<DISPID>(index)) arg = &params->rgvarg[i];
    }
    const uint32_t positional = params->cArgs - std::min(params->cNamedArgs, params->cArgs);
    if (!arg && index < positional) arg = &params->rgvarg[params->cArgs - 1 - index];
    if (!arg) return fallback;
    Variant converted;
    return Succeeded(VariantChangeType(&converted, arg, 0, VT_I4)) ? converted.lVal : fallback;
}

}  // namespace vesk
