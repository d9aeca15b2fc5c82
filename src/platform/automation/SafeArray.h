// SAFEARRAY: the one-dimensional arrays in which sound and parameter lists cross an automation
// interface. Only what the control needs is provided: vectors with a lower bound, resizing,
// bounds, data access and destruction. Element types: VT_I2, VT_I4, VT_R4, VT_R8, VT_UI1,
// VT_BOOL, VT_BSTR and VT_VARIANT (the last two own their elements).
#pragma once

#include <cstdint>
#include <span>

#include "platform/automation/ComTypes.h"

namespace vesk {

struct SAFEARRAYBOUND {
    uint32_t cElements;
    int32_t lLbound;
};

struct SAFEARRAY {
    uint16_t cDims;
    uint16_t fFeatures;
    uint32_t cbElements;
    uint32_t cLocks;
    void* pvData;
    VARTYPE vt;  // element type, kept with the array (what SafeArrayGetVartype reports)
    SAFEARRAYBOUND rgsabound[1];
};

// A vector of count elements of type vt, all zero (empty strings, empty variants).
// Returns nullptr for an unsupported element type or when memory runs out.
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, int32_t lowerBound, uint32_t count);
// Changes the element count (and lower bound) of a vector; new elements are zero, removed ones
// are freed. DISP_E_ARRAYISLOCKED while the data is accessed.
HRESULT SafeArrayRedim(SAFEARRAY* array, const SAFEARRAYBOUND* bound);
HRESULT SafeArrayGetUBound(SAFEARRAY* array, uint32_t dim, int32_t* upperBound);
HRESULT SafeArrayGetLBound(SAFEARRAY* array, uint32_t dim, int32_t* lowerBound);
HRESULT SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt);
HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data);
HRESULT SafeArrayUnaccessData(SAFEARRAY* array);
// Frees the array and its elements; DISP_E_ARRAYISLOCKED while accessed. Null is accepted.
HRESULT SafeArrayDestroy(SAFEARRAY* array);
// A deep copy (strings and variants copied).
HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy);

// Element count of a vector (0 for null).
uint32_t SafeArrayCount(const SAFEARRAY* array);

// Typed view of a vector's elements; empty when the array is null or of another element type.
template <class T>
std::span<T> SafeArraySpan(SAFEARRAY* array, VARTYPE expected) {
    if (!array || array->vt != expected) return {};
    return {static_cast<T*>(array->pvData), SafeArrayCount(array)};
}

// Owns one SAFEARRAY.
class SafeArrayPtr {
public:
    SafeArrayPtr() = default;
    explicit SafeArrayPtr(SAFEARRAY* a) : a_(a) {}
    SafeArrayPtr(const SafeArrayPtr&) = delete;
    SafeArrayPtr& operator=(const SafeArrayPtr&) = delete;
    SafeArrayPtr(SafeArrayPtr&& o) noexcept : a_(o.a_) { o.a_ = nullptr; }
    SafeArrayPtr& operator=(SafeArrayPtr&& o) noexcept {
        if (this != &o) {
            SafeArrayDestroy(a_);
            a_ = o.a_;
            o.a_ = nullptr;
        }
        return *this;
    }
    ~SafeArrayPtr() { SafeArrayDestroy(a_); }

    SAFEARRAY* get() const { return a_; }
    SAFEARRAY** put() {
        SafeArrayDestroy(a_);
        a_ = nullptr;
        return &a_;
    }
    SAFEARRAY* Detach() {
        SAFEARRAY* a = a_;
        a_ = nullptr;
        return a;
    }
    uint32_t size() const { return SafeArrayCount(a_); }
    std::span<int16_t> shorts() const { return SafeArraySpan<int16_t>(a_, VT_I2); }
    std::span<float> floats() const { return SafeArraySpan<float>(a_, VT_R4); }

private:
    SAFEARRAY* a_ = nullptr;
};

}  // namespace vesk
