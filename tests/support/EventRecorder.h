// A sink for a connection point that records every event it receives: the dispatch id and the
// arguments in call order.
#pragma once

#include <vector>

#include "platform/automation/ConnectionPoint.h"

namespace vesk::test {

class EventRecorder : public RefCounted, public IDispatch {
public:
    struct Event {
        DISPID id;
        std::vector<Variant> args;  // first parameter first
    };

    VESK_IUNKNOWN_IMPL(EventRecorder, IDispatch)

    HRESULT GetTypeInfoCount(uint32_t* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(uint32_t, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(const IID&, const OLECHAR* const*, uint32_t, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT Invoke(DISPID id, const IID&, LCID, uint16_t, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                   uint32_t*) override {
        Event event{id, {}};
        for (uint32_t i = params ? params->cArgs : 0; i > 0; --i) event.args.emplace_back(params->rgvarg[i - 1]);
        events.push_back(std::move(event));
        return S_OK;
    }

    // The first argument of the first event with this id as a long; 0 when there is none.
    int32_t FirstArg(DISPID id) const {
        for (const Event& event : events) {
            if (event.id == id && !event.args.empty()) return event.args[0].lVal;
        }
        return 0;
    }
    int Count(DISPID id) const {
        int n = 0;
        for (const auto& e : events) n += e.id == id;
        return n;
    }

    std::vector<Event> events;
};

}  // namespace vesk::test
