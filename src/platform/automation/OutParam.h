// Writing results through out pointers of automation members and component operations, with the automation rule
// that a null out pointer is the caller's error (E_POINTER) and never a crash.
#pragma once

#include <cstdint>
#include <string_view>
#include <type_traits>

#include "platform/automation/Bstr.h"
#include "platform/automation/ComTypes.h"
#include "platform/automation/SafeArray.h"

namespace vesk {

template <class T>
HRESULT WriteOut(T* out, std::type_identity_t<T> value) {
    if (!out) return E_POINTER;
    *out = value;
    return S_OK;
}

// Stores a setter's value in the member that keeps it; for one-line setters.
template <class T>
HRESULT StoreValue(T& field, std::type_identity_t<T> value) {
    field = value;
    return S_OK;
}

// A new BSTR with the text; the caller owns it.
inline HRESULT WriteOutText(BSTR* out, std::string_view utf8) {
    if (!out) return E_POINTER;
    *out = AllocBstr(utf8);
    return S_OK;
}

// A new BSTR with exactly these UTF-16 characters; the caller owns it.
inline HRESULT WriteOutText(BSTR* out, std::u16string_view text) {
    if (!out) return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<uint32_t>(text.size()));
    return S_OK;
}

// A new empty sample block (VT_I2, no elements): what a component without sound answers when
// asked for a block, so that the caller's loop ends without special cases.
inline HRESULT WriteOutEmptyBlock(SAFEARRAY** block) {
    if (!block) return E_POINTER;
    *block = SafeArrayCreateVector(VT_I2, 0, 0);
    return *block ? S_OK : E_OUTOFMEMORY;
}

}  // namespace vesk
