// IDispatch from a table: GetIDsOfNames looks names up in the interface's InterfaceInfo,
// Invoke checks the call against the row (kind, argument count, named arguments), coerces the
// arguments to the row's types, fills in defaults of omitted optional parameters and calls the
// bound member. Errors: DISP_E_MEMBERNOTFOUND (no such dispid or kind), DISP_E_UNKNOWNNAME,
// DISP_E_BADPARAMCOUNT, DISP_E_PARAMNOTOPTIONAL, DISP_E_PARAMNOTFOUND, DISP_E_TYPEMISMATCH and
// DISP_E_OVERFLOW with *argError set to the index of the offending argument in rgvarg.
#pragma once

#include <span>

#include "platform/automation/DispatchBinding.h"
#include "platform/automation/TypeInfo.h"

namespace vesk {

// Every dispatch interface I specialises this (in its own header or source file):
//   static const InterfaceInfo& Info();
//   static std::span<const MemberBinding> Bindings();
template <class I>
struct DispatchTraits;

HRESULT GetIDsOfNamesFromTable(const InterfaceInfo& info, const OLECHAR* const* names, uint32_t count,
                               DISPID* ids);
HRESULT InvokeFromTable(void* self, const InterfaceInfo& info, std::span<const MemberBinding> bindings,
                        DISPID id, uint16_t flags, DISPPARAMS* params, VARIANT* result, uint32_t* argError);

// A type-info object over a table (what GetTypeInfo hands out).
ITypeInfo* NewTableTypeInfo(const InterfaceInfo& info);

// Implements the IDispatch members of interface I from its DispatchTraits. The concrete
// class derives from DispatchImpl<I> and RefCounted and supplies the IUnknown members.
template <class I>
class DispatchImpl : public I {
public:
    HRESULT GetTypeInfoCount(uint32_t* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    HRESULT GetTypeInfo(uint32_t index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        if (index != 0) return DISP_E_BADINDEX;
        *info = NewTableTypeInfo(DispatchTraits<I>::Info());
        return S_OK;
    }
    HRESULT GetIDsOfNames(const IID&, const OLECHAR* const* names, uint32_t count, LCID, DISPID* ids) override {
        return GetIDsOfNamesFromTable(DispatchTraits<I>::Info(), names, count, ids);
    }
    HRESULT Invoke(DISPID id, const IID&, LCID, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO*, uint32_t* argError) override {
        return InvokeFromTable(static_cast<I*>(this), DispatchTraits<I>::Info(), DispatchTraits<I>::Bindings(), id,
                               flags, params, result, argError);
    }
};

}  // namespace vesk
