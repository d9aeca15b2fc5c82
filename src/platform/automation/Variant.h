// VARIANT: the tagged value of automation calls, with the coercions OLE Automation performs
// between its types (VariantChangeType): numbers convert with banker's rounding and overflow
// checks, strings parse as numbers or "True"/"False", booleans are -1 and 0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/Bstr.h"
#include "platform/automation/ComTypes.h"
#include "platform/automation/SafeArray.h"

namespace vesk {

struct IUnknown;
struct IDispatch;

struct VARIANT {
    VARTYPE vt;
    uint16_t wReserved1;
    uint16_t wReserved2;
    uint16_t wReserved3;
    union {
        int64_t llVal;
        uint64_t ullVal;
        int32_t lVal;
        uint32_t ulVal;
        int16_t iVal;
        uint16_t uiVal;
        int8_t cVal;
        uint8_t bVal;
        float fltVal;
        double dblVal;
        double date;
        int64_t cyVal;  // currency: value × 10000
        VARIANT_BOOL boolVal;
        HRESULT scode;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        SAFEARRAY* parray;
        // VT_BYREF forms
        int16_t* piVal;
        int32_t* plVal;
        float* pfltVal;
        double* pdblVal;
        VARIANT_BOOL* pboolVal;
        BSTR* pbstrVal;
        IUnknown** ppunkVal;
        IDispatch** ppdispVal;
        SAFEARRAY** pparray;
        VARIANT* pvarVal;
        void* byref;
    };
};

void VariantInit(VARIANT* v);
// Frees what the variant owns (string, array, interface reference) and makes it VT_EMPTY.
HRESULT VariantClear(VARIANT* v);
// Deep copy: strings and arrays are copied, interfaces AddRef'd. dest is cleared first.
HRESULT VariantCopy(VARIANT* dest, const VARIANT* source);
// Copies through VT_BYREF so that dest holds a value.
HRESULT VariantCopyInd(VARIANT* dest, const VARIANT* source);
// Converts source to type vt into dest (dest may equal source). Errors: DISP_E_TYPEMISMATCH,
// DISP_E_OVERFLOW, DISP_E_BADVARTYPE. flags is accepted for signature compatibility.
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* source, uint16_t flags, VARTYPE vt);

// Owns one VARIANT. Constructors make the usual automation values.
class Variant : public VARIANT {
public:
    Variant() { VariantInit(this); }
    Variant(const Variant& other) : Variant() { VariantCopy(this, &other); }
    Variant(const VARIANT& other) : Variant() { VariantCopy(this, &other); }
    Variant(Variant&& other) noexcept : VARIANT(other) { VariantInit(&other); }
    ~Variant() { VariantClear(this); }
    Variant& operator=(const Variant& other) {
        if (this != &other) VariantCopy(this, &other);
        return *this;
    }
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            VariantClear(this);
            static_cast<VARIANT&>(*this) = other;
            VariantInit(&other);
        }
        return *this;
    }

    static Variant I2(int16_t value);
    static Variant I4(int32_t value);
    static Variant R4(float value);
    static Variant R8(double value);
    static Variant Bool(bool value);
    static Variant String(std::string_view utf8);
    // Takes ownership of the string / array; AddRefs the interface.
    static Variant AdoptBstr(BSTR value);
    static Variant AdoptArray(SAFEARRAY* array);  // vt = VT_ARRAY | element type
    static Variant Dispatch(IDispatch* object);
    static Variant Unknown(IUnknown* object);
    static Variant Error(HRESULT code);

    // Converted reads; throw nothing: on a failed conversion they return the fallback.
    int32_t ToInt(int32_t fallback = 0) const;
    double ToDouble(double fallback = 0) const;
    std::string ToUtf8() const;
};

}  // namespace vesk
