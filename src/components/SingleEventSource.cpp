#include "components/SingleEventSource.h"

#include <vector>

namespace vesk {

SingleEventSource::SingleEventSource(const IID& eventIid)
    : eventIid_(eventIid), point_(MakeCom<ConnectionPoint>(eventIid)) {}

SingleEventSource::~SingleEventSource() { point_->UnadviseAll(); }

HRESULT SingleEventSource::Find(const IID& iid, IConnectionPoint** point) const {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (iid != eventIid_) return CONNECT_E_NOCONNECTION;
    *point = point_.get();
    point_->AddRef();
    return S_OK;
}

void SingleEventSource::Fire(DISPID id, std::initializer_list<int32_t> args) const {
    std::vector<Variant> values;
    values.reserve(args.size());
    for (int32_t value : args) values.push_back(Variant::I4(value));
    point_->Fire(id, values);
}

}  // namespace vesk
