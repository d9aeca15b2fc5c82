// A dispatch sink for event tests: it records every Invoke (dispatch id and the integer
// arguments in call order) so that a test can compare the events a source fired.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/automation/ConnectionPoint.h"
#include "platform/automation/Dispatch.h"

namespace vesk::test {

struct RecordedEvent {
    DISPID id;
    std::vector<int32_t> args;
    friend bool operator==(const RecordedEvent&, const RecordedEvent&) = default;
};

class RecordingSink : public RefCounted, public IDispatch {
public:
    VESK_IUNKNOWN_IMPL(RecordingSink, IDispatch)

    const std::vector<RecordedEvent>& Events() const { return events_; }

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
        RecordedEvent event{id, {}};
        for (uint32_t i = 0; i < params->cArgs; ++i) event.args.push_back(EventArgInt(params, i));
        events_.push_back(event);
        return S_OK;
    }

private:
    std::vector<RecordedEvent> events_;
};

}  // namespace vesk::test
