#include "components/ComponentSink.h"

namespace vesk {

HRESULT ComponentSink::GetTypeInfoCount(uint32_t* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ComponentSink::GetTypeInfo(uint32_t, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT ComponentSink::GetIDsOfNames(const IID&, const OLECHAR* const*, uint32_t count, LCID, DISPID* ids) {
    for (uint32_t i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT ComponentSink::Invoke(DISPID id, const IID&, LCID, uint16_t, DISPPARAMS* params, VARIANT* result,
                              EXCEPINFO*, uint32_t*) {
    if (result) VariantInit(result);
    // Keep ourselves alive while the control handles the event (it may disconnect us).
    ComPtr<ComponentSink> self(this);
    if (handler_) handler_->OnComponentEvent(source_, id, params);
    return S_OK;
}

bool SinkConnection::Connect(IUnknown* source, const IID& events, ComponentSink::Handler* handler,
                             ComponentSink::Source which) {
    Disconnect();
    sink_ = MakeCom<ComponentSink>(handler, which);
    cookie_ = AdviseSink(source, events, static_cast<IDispatch*>(sink_.get()));
    if (cookie_ == 0) {
        sink_.reset();
        return false;
    }
    source_ = ComPtr<IUnknown>(source);
    events_ = events;
    return true;
}

void SinkConnection::Disconnect() {
    if (sink_) sink_->Detach();
    if (cookie_ != 0 && source_) UnadviseSink(source_.get(), events_, cookie_);
    cookie_ = 0;
    source_.reset();
    sink_.reset();
}

}  // namespace vesk
