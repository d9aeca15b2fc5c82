#include "platform/automation/ClassRegistry.h"

namespace vesk {

ClassRegistry& ClassRegistry::Default() {
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::Register(std::string name, ClassFactory factory) {
    factories_.insert_or_assign(std::move(name), std::move(factory));
}

void ClassRegistry::Unregister(std::string_view name) {
    auto it = factories_.find(name);
    if (it != factories_.end()) factories_.erase(it);
}

bool ClassRegistry::IsRegistered(std::string_view name) const { return factories_.find(name) != factories_.end(); }

HRESULT ClassRegistry::CreateInstance(std::string_view name, const IID& iid, void** object) const {
    if (!object) return E_POINTER;
    *object = nullptr;
    auto it = factories_.find(name);
    if (it == factories_.end() || !it->second) return REGDB_E_CLASSNOTREG;
    return it->second(iid, object);
}

}  // namespace vesk
