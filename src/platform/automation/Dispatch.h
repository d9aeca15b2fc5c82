// IDispatch: late-bound calls by dispatch identifier, and the parameter block of Invoke.
// Arguments in DISPPARAMS are stored last to first (rgvarg[0] is the last argument); named
// arguments come first in rgvarg, with their identifiers in rgdispidNamedArgs.
#pragma once

#include <cstdint>

#include "platform/automation/Unknown.h"
#include "platform/automation/Variant.h"

namespace vesk {

struct DISPPARAMS {
    VARIANT* rgvarg;
    DISPID* rgdispidNamedArgs;
    uint32_t cArgs;
    uint32_t cNamedArgs;
};

struct EXCEPINFO {
    uint16_t wCode;
    uint16_t wReserved;
    BSTR bstrSource;
    BSTR bstrDescription;
    BSTR bstrHelpFile;
    uint32_t dwHelpContext;
    void* pvReserved;
    void* pfnDeferredFillIn;
    HRESULT scode;
};

struct InterfaceInfo;

// What GetTypeInfo hands out here: the type-library table of the object's interface.
struct ITypeInfo : IUnknown {
    // {F5A0E001-6A1B-4C3E-9C11-5645534B0001}
    static constexpr IID kIid{0xF5A0E001, 0x6A1B, 0x4C3E, {0x9C, 0x11, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x01}};
    virtual const InterfaceInfo& Describe() = 0;
};

struct IDispatch : IUnknown {
    // {00020400-0000-0000-C000-000000000046}
    static constexpr IID kIid{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

    virtual HRESULT GetTypeInfoCount(uint32_t* count) = 0;
    virtual HRESULT GetTypeInfo(uint32_t index, LCID lcid, ITypeInfo** info) = 0;
    // Names compare without regard to case. names[0] is the member, names[1..] its parameters
    // (their identifiers are their 0-based positions).
    virtual HRESULT GetIDsOfNames(const IID& riid, const OLECHAR* const* names, uint32_t count, LCID lcid,
                                  DISPID* ids) = 0;
    virtual HRESULT Invoke(DISPID id, const IID& riid, LCID lcid, uint16_t flags, DISPPARAMS* params,
                           VARIANT* result, EXCEPINFO* exception, uint32_t* argError) = 0;
};

}  // namespace vesk
