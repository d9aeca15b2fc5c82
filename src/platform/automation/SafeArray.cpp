#include "platform/automation/SafeArray.h"

#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "platform/automation/Bstr.h"
#include "platform/automation/Variant.h"

namespace vesk {

namespace {

// Feature flags hosts look at to know who owns the elements.
constexpr uint16_t FADF_HAVEVARTYPE = 0x0080;
constexpr uint16_t FADF_BSTR = 0x0100;
constexpr uint16_t FADF_VARIANT = 0x0800;

// Bytes per element; 0 for element types the control never exchanges.
uint32_t ElementSize(VARTYPE vt) {
    switch (vt) {
        case VT_UI1: return 1;
        case VT_I2:
        case VT_BOOL: return 2;
        case VT_I4:
        case VT_R4: return 4;
        case VT_R8: return 8;
        case VT_BSTR: return sizeof(BSTR);
        case VT_VARIANT: return sizeof(VARIANT);
        default: return 0;
    }
}

uint16_t FeaturesOf(VARTYPE vt) {
    if (vt == VT_BSTR) return FADF_HAVEVARTYPE | FADF_BSTR;
    if (vt == VT_VARIANT) return FADF_HAVEVARTYPE | FADF_VARIANT;
    return FADF_HAVEVARTYPE;
}

// Storage of this size or more is laid out in huge pages where the system offers them: the
// arrays of an edit hold a whole channel of the range (50 MB for ten minutes of CD sound), and
// touching them first page by page costs one fault per 4 KiB, which on a virtual machine took
// longer than the edit's own work.
constexpr size_t kLargeStorageBytes = size_t{8} << 20;
constexpr size_t kHugePageBytes = size_t{2} << 20;

void* AllocateLarge(size_t bytes) {
    const size_t rounded = (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
    void* data = std::aligned_alloc(kHugePageBytes, rounded);
    if (!data) return nullptr;
    // Only a hint: without transparent huge pages the storage is ordinary memory.
    madvise(data, rounded, MADV_HUGEPAGE);
    std::memset(data, 0, bytes);
    return data;
}

// Zeroed storage for count elements (nullptr also for count 0, which needs none). `failed`
// reports an overflowing size or exhausted memory. std::free releases it either way.
void* AllocateElements(uint32_t count, uint32_t size, bool* failed) {
    *failed = false;
    if (count == 0) return nullptr;
    if (count > std::numeric_limits<size_t>::max() / size) {
        *failed = true;
        return nullptr;
    }
    const size_t bytes = size_t{count} * size;
    void* data = bytes >= kLargeStorageBytes ? AllocateLarge(bytes) : std::calloc(count, size);
    *failed = data == nullptr;
    return data;
}

// Frees what elements [from, to) own; plain numbers own nothing.
void ReleaseElements(SAFEARRAY* array, uint32_t from, uint32_t to) {
    if (array->vt == VT_BSTR) {
        auto* strings = static_cast<BSTR*>(array->pvData);
        for (uint32_t i = from; i < to; ++i) SysFreeString(strings[i]);
    } else if (array->vt == VT_VARIANT) {
        auto* variants = static_cast<VARIANT*>(array->pvData);
        for (uint32_t i = from; i < to; ++i) VariantClear(&variants[i]);
    }
}

// Copies the owned elements of source into the zeroed storage of copy (same type and count).
HRESULT CopyOwnedElements(const SAFEARRAY* source, SAFEARRAY* copy) {
    const uint32_t count = SafeArrayCount(source);
    if (source->vt == VT_BSTR) {
        auto* from = static_cast<BSTR*>(source->pvData);
        auto* to = static_cast<BSTR*>(copy->pvData);
        for (uint32_t i = 0; i < count; ++i) {
            if (!from[i]) continue;
            to[i] = SysAllocStringLen(from[i], SysStringLen(from[i]));
            if (!to[i]) return E_OUTOFMEMORY;
        }
    } else if (source->vt == VT_VARIANT) {
        auto* from = static_cast<VARIANT*>(source->pvData);
        auto* to = static_cast<VARIANT*>(copy->pvData);
        for (uint32_t i = 0; i < count; ++i) {
            HRESULT hr = VariantCopy(&to[i], &from[i]);
            if (Failed(hr)) return hr;
        }
    } else if (count > 0) {
        std::memcpy(copy->pvData, source->pvData, size_t{count} * source->cbElements);
    }
    return S_OK;
}

bool IsVector(const SAFEARRAY* array, uint32_t dim) { return array && dim == 1; }

}  // namespace

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, int32_t lowerBound, uint32_t count) {
    const uint32_t size = ElementSize(vt);
    if (size == 0) return nullptr;
    bool failed;
    void* data = AllocateElements(count, size, &failed);
    if (failed) return nullptr;
    auto* array = new (std::nothrow) SAFEARRAY{};
    if (!array) {
        std::free(data);
        return nullptr;
    }
    array->cDims = 1;
    array->fFeatures = FeaturesOf(vt);
    array->cbElements = size;
    array->pvData = data;
    array->vt = vt;
    array->rgsabound[0] = {count, lowerBound};
    return array;
}

HRESULT SafeArrayRedim(SAFEARRAY* array, const SAFEARRAYBOUND* bound) {
    if (!array || !bound) return E_INVALIDARG;
    if (array->cLocks > 0) return DISP_E_ARRAYISLOCKED;
    const uint32_t oldCount = array->rgsabound[0].cElements;
    const uint32_t newCount = bound->cElements;
    // New storage first, so that a failure leaves the array as it was.
    bool failed;
    void* data = AllocateElements(newCount, array->cbElements, &failed);
    if (failed) return E_OUTOFMEMORY;
    if (newCount < oldCount) ReleaseElements(array, newCount, oldCount);
    const uint32_t kept = newCount < oldCount ? newCount : oldCount;
    if (kept > 0) std::memcpy(data, array->pvData, size_t{kept} * array->cbElements);
    std::free(array->pvData);
    array->pvData = data;
    array->rgsabound[0] = *bound;
    return S_OK;
}

HRESULT SafeArrayGetUBound(SAFEARRAY* array, uint32_t dim, int32_t* upperBound) {
    if (!array || !upperBound) return E_INVALIDARG;
    if (!IsVector(array, dim)) return DISP_E_BADINDEX;
    const int64_t upper = int64_t{array->rgsabound[0].lLbound} + array->rgsabound[0].cElements - 1;
    *upperBound = static_cast<int32_t>(upper);
    return S_OK;
}

HRESULT SafeArrayGetLBound(SAFEARRAY* array, uint32_t dim, int32_t* lowerBound) {
    if (!array || !lowerBound) return E_INVALIDARG;
    if (!IsVector(array, dim)) return DISP_E_BADINDEX;
    *lowerBound = array->rgsabound[0].lLbound;
    return S_OK;
}

HRESULT SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt) {
    if (!array || !vt) return E_INVALIDARG;
    *vt = array->vt;
    return S_OK;
}

HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data) {
    if (!array || !data) return E_INVALIDARG;
    ++array->cLocks;
    *data = array->pvData;
    return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* array) {
    if (!array) return E_INVALIDARG;
    if (array->cLocks == 0) return E_UNEXPECTED;
    --array->cLocks;
    return S_OK;
}

HRESULT SafeArrayDestroy(SAFEARRAY* array) {
    if (!array) return S_OK;
    if (array->cLocks > 0) return DISP_E_ARRAYISLOCKED;
    ReleaseElements(array, 0, SafeArrayCount(array));
    std::free(array->pvData);
    delete array;
    return S_OK;
}

HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy) {
    if (!copy) return E_INVALIDARG;
    *copy = nullptr;
    if (!array) return S_OK;
    SAFEARRAY* result = SafeArrayCreateVector(array->vt, array->rgsabound[0].lLbound, SafeArrayCount(array));
    if (!result) return E_OUTOFMEMORY;
    HRESULT hr = CopyOwnedElements(array, result);
    if (Failed(hr)) {
        SafeArrayDestroy(result);
        return hr;
    }
    *copy = result;
    return S_OK;
}

uint32_t SafeArrayCount(const SAFEARRAY* array) { return array ? array->rgsabound[0].cElements : 0; }

}  // namespace vesk
