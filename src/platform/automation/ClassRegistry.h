// The class registry: names (ProgIDs and component names) to factories. The control creates
// its sub-objects and companion components through it by name, tests register recording fakes
// under the same names, and unregistering a name makes creation fail as a missing
// registration does.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/automation/Unknown.h"

namespace vesk {

// Creates a new object and answers QueryInterface(iid) into *object.
using ClassFactory = std::function<HRESULT(const IID& iid, void** object)>;

class ClassRegistry {
public:
    // The process's registry, filled by the modules' registration functions. Tests may copy it
    // and change the copy.
    static ClassRegistry& Default();

    void Register(std::string name, ClassFactory factory);
    void Unregister(std::string_view name);
    bool IsRegistered(std::string_view name) const;

    // REGDB_E_CLASSNOTREG when the name is unknown; otherwise the factory's result.
    HRESULT CreateInstance(std::string_view name, const IID& iid, void** object) const;

    template <class I>
    ComPtr<I> Create(std::string_view name) const {
        ComPtr<I> result;
        CreateInstance(name, I::kIid, result.put_void());
        return result;
    }

private:
    std::map<std::string, ClassFactory, std::less<>> factories_;
};

// Helper for a factory of implementation class T (default-constructible, born with one
// reference): QueryInterface into iid, then drop the birth reference.
template <class T>
ClassFactory FactoryOf() {
    return [](const IID& iid, void** object) -> HRESULT {
        T* instance = new T();
        HRESULT hr = instance->QueryInterface(iid, object);
        instance->Release();
        return hr;
    };
}

}  // namespace vesk
