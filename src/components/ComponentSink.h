// The small dispatch object the control advises on a component's event connection point. It
// forwards each notification (a dispatch id with integer arguments) to the control, through a
// plain back-reference that the control clears before it lets go of the sink.
#pragma once

#include "platform/automation/ConnectionPoint.h"
#include "platform/automation/Dispatch.h"

namespace vesk {

class ComponentSink : public RefCounted, public IDispatch {
public:
    enum class Source { Player, Recorder, Transform, CdReader };

    class Handler {
    public:
        virtual ~Handler() = default;
        virtual void OnComponentEvent(Source source, DISPID id, const DISPPARAMS* params) = 0;
    };

    ComponentSink(Handler* handler, Source source) : handler_(handler), source_(source) {}
    VESK_IUNKNOWN_IMPL(ComponentSink, IDispatch)

    // After this the sink ignores notifications (the control is going away).
    void Detach() { handler_ = nullptr; }

    HRESULT GetTypeInfoCount(uint32_t* count) override;
    HRESULT GetTypeInfo(uint32_t, LCID, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(const IID&, const OLECHAR* const*, uint32_t count, LCID, DISPID* ids) override;
    HRESULT Invoke(DISPID id, const IID&, LCID, uint16_t flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                   uint32_t*) override;

private:
    Handler* handler_;
    Source source_;
};

// One advised sink: the sink, the component it listens to and the cookie of the connection.
class SinkConnection {
public:
    SinkConnection() = default;
    SinkConnection(const SinkConnection&) = delete;
    SinkConnection& operator=(const SinkConnection&) = delete;
    ~SinkConnection() { Disconnect(); }

    // Creates the sink and advises it on source's connection point for `events`.
    bool Connect(IUnknown* source, const IID& events, ComponentSink::Handler* handler, ComponentSink::Source which);
    // Unadvises, detaches and releases the sink.
    void Disconnect();
    bool Connected() const { return cookie_ != 0; }

private:
    ComPtr<ComponentSink> sink_;
    ComPtr<IUnknown> source_;
    IID events_{};
    uint32_t cookie_ = 0;
};

}  // namespace vesk
