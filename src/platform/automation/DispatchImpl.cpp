#include "platform/automation/DispatchImpl.h"

#include <algorithm>
#include <vector>

#include "platform/automation/VariantArray.h"

namespace vesk {

namespace {

constexpr uint16_t kPutKinds = DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;
constexpr int kOmitted = -1;

const MemberBinding* FindBinding(std::span<const MemberBinding> bindings, DISPID id, uint16_t kind) {
    for (const MemberBinding& b : bindings) {
        if (b.id == id && b.kind == kind) return &b;
    }
    return nullptr;
}

bool IsObject(const VARIANT& v) {
    const VARTYPE base = v.vt & ~VT_BYREF;
    return base == VT_DISPATCH || base == VT_UNKNOWN;
}

// The binding that serves `flags` on this row. Hosts ask for METHOD|PROPERTYGET when they
// cannot tell a call from a read, and some send PUT for an object or PUTREF for a value, so a
// put falls back to the other put kind when the row has only that one.
const MemberBinding* ChooseBinding(const MemberInfo& row, std::span<const MemberBinding> bindings, uint16_t flags,
                                   const DISPPARAMS& params) {
    uint16_t candidates[2] = {0, 0};
    if (flags & kPutKinds) {
        const bool objectValue = params.cArgs > 0 && IsObject(params.rgvarg[0]);
        const bool preferRef = !(flags & DISPATCH_PROPERTYPUT) || ((flags & DISPATCH_PROPERTYPUTREF) && objectValue);
        candidates[0] = preferRef ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
        candidates[1] = candidates[0] ^ kPutKinds;
    } else if ((flags & DISPATCH_METHOD) && row.IsMethod()) {
        candidates[0] = DISPATCH_METHOD;
    } else if (flags & DISPATCH_PROPERTYGET) {
        candidates[0] = DISPATCH_PROPERTYGET;
    }
    for (uint16_t kind : candidates) {
        if (kind && (row.invokeKinds & kind)) {
            if (const MemberBinding* b = FindBinding(bindings, row.id, kind)) return b;
        }
    }
    return nullptr;
}

bool IsMissing(const VARIANT& v) { return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND; }

// A SAFEARRAY(T)* parameter given by reference: the slot the callee may replace, and the
// caller's VARIANT whose type must follow it when the reference came through a VARIANT.
struct ArrayReference {
    size_t argument;
    SAFEARRAY** slot;
    VARIANT* holder;
};

// One Invoke call against a chosen row and binding: maps rgvarg onto the row's parameters,
// coerces them, calls the member and shapes its result.
class InvokeCall {
public:
    InvokeCall(const MemberInfo& row, const MemberBinding& binding, const DISPPARAMS& params)
        : row_(row),
          binding_(binding),
          params_(params),
          isPut_(binding.kind & kPutKinds),
          sources_(row.params.size(), kOmitted),
          args_(row.params.size() + (isPut_ ? 1 : 0)) {}
    // Hands by-reference arrays back to the caller, replaced or not.
    ~InvokeCall() { ReturnArrayReferences(); }

    HRESULT Run(void* self, VARIANT* result, uint32_t* argError) {
        if (binding_.argCount != args_.size()) return E_UNEXPECTED;  // table and binding disagree
        HRESULT hr = MapArguments(argError);
        if (Succeeded(hr)) hr = CoerceArguments(argError);
        if (Failed(hr)) return hr;
        VARIANT out;
        VariantInit(&out);
        hr = binding_.call(self, args_.data(), &out);
        if (Failed(hr)) return hr;
        if (!isPut_) SetResultType(&out);
        if (result) {
            *result = out;
        } else {
            VariantClear(&out);
        }
        return S_OK;
    }

private:
    // Fills sources_ with the rgvarg index of each parameter (kOmitted when not given).
    HRESULT MapArguments(uint32_t* argError) {
        const uint32_t count = params_.cArgs;
        uint32_t named = params_.cNamedArgs;
        uint32_t firstPositional = named;
        if (isPut_) {
            if (count == 0) return DISP_E_BADPARAMCOUNT;
            if (named > 0 && params_.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
                return Blame(argError, 0, DISP_E_PARAMNOTFOUND);
            }
            if (named > 1) return DISP_E_NONAMEDARGS;
            firstPositional = 1;  // rgvarg[0] is the value, named or not
            named = 0;
        }
        for (uint32_t i = 0; i < named; ++i) {
            const DISPID param = params_.rgdispidNamedArgs[i];
            if (param < 0 || static_cast<size_t>(param) >= sources_.size() || sources_[param] != kOmitted) {
                return Blame(argError, i, DISP_E_PARAMNOTFOUND);
            }
            sources_[param] = static_cast<int>(i);
        }
        if (count < firstPositional) return DISP_E_BADPARAMCOUNT;
        const uint32_t positional = count - firstPositional;
        if (positional > sources_.size()) return DISP_E_BADPARAMCOUNT;
        for (uint32_t k = 0; k < positional; ++k) {
            if (sources_[k] != kOmitted) return DISP_E_BADPARAMCOUNT;  // given by position and by name
            sources_[k] = static_cast<int>(count - 1 - k);
        }
        return S_OK;
    }

    HRESULT CoerceArguments(uint32_t* argError) {
        for (size_t i = 0; i < sources_.size(); ++i) {
            const ParamInfo& param = row_.params[i];
            const int source = sources_[i];
            if (source == kOmitted || IsMissing(params_.rgvarg[source])) {
                if (!param.optional) {
                    const bool namedStyle = params_.cNamedArgs > 0 || source != kOmitted;
                    return namedStyle ? DISP_E_PARAMNOTOPTIONAL : DISP_E_BADPARAMCOUNT;
                }
                VariantCopy(&args_[i], &param.defaultValue);
                continue;
            }
            HRESULT hr = CoerceOne(i, param.type, param.byRef, params_.rgvarg[source]);
            if (Failed(hr)) return Blame(argError, static_cast<uint32_t>(source), hr);
        }
        if (!isPut_) return S_OK;
        // The value of a put comes after the index parameters.
        if (IsMissing(params_.rgvarg[0])) return DISP_E_PARAMNOTOPTIONAL;
        HRESULT hr = CoerceOne(args_.size() - 1, row_.valueType, false, params_.rgvarg[0]);
        return Failed(hr) ? Blame(argError, 0, hr) : S_OK;
    }

    HRESULT CoerceOne(size_t index, VARTYPE type, bool byRef, VARIANT& source) {
        if (byRef && (type & VT_ARRAY) && BorrowArray(index, type, source)) return S_OK;
        if (type == VT_VARIANT) return VariantCopyInd(&args_[index], &source);
        return VariantChangeType(&args_[index], &source, 0, type);
    }

    // Lends the caller's array to the callee when it came by reference (directly or through
    // a VARIANT reference); false when the argument is a value, which is then copied.
    bool BorrowArray(size_t index, VARTYPE type, VARIANT& source) {
        ArrayReference ref{index, nullptr, nullptr};
        if (source.vt == (VT_BYREF | type)) {
            ref.slot = source.pparray;
        } else if (source.vt == (VT_BYREF | VT_VARIANT) && source.pvarVal) {
            VARIANT* inner = source.pvarVal;
            if (inner->vt == (VT_BYREF | type)) {
                ref.slot = inner->pparray;
            } else if (inner->vt == type || inner->vt == VT_EMPTY) {
                if (inner->vt == VT_EMPTY) inner->parray = nullptr;
                ref.slot = &inner->parray;
                ref.holder = inner;
            }
        }
        if (!ref.slot) return false;
        args_[index].vt = type;
        args_[index].parray = *ref.slot;
        references_.push_back(ref);
        return true;
    }

    void ReturnArrayReferences() {
        for (const ArrayReference& ref : references_) {
            *ref.slot = args_[ref.argument].parray;
            if (ref.holder) ref.holder->vt = *ref.slot ? args_[ref.argument].vt : static_cast<VARTYPE>(VT_EMPTY);
            VariantInit(&args_[ref.argument]);  // the caller owns the array, not us
        }
        references_.clear();
    }

    // The thunk wrote only the union; the row says what it holds.
    void SetResultType(VARIANT* out) const {
        const VARTYPE type = row_.valueType;
        if (type == VT_EMPTY || type == VT_VARIANT) return;
        if ((type & VT_ARRAY) && !out->parray) return;  // no array is an empty result
        out->vt = type;
    }

    static HRESULT Blame(uint32_t* argError, uint32_t index, HRESULT hr) {
        if (argError) *argError = index;
        return hr;
    }

    const MemberInfo& row_;
    const MemberBinding& binding_;
    const DISPPARAMS& params_;
    const bool isPut_;
    std::vector<int> sources_;  // per row parameter: index in rgvarg, or kOmitted
    VariantArray args_;         // coerced arguments in call order, the put value last
    std::vector<ArrayReference> references_;
};

// GetTypeInfo's answer: the table itself.
class TableTypeInfo : public RefCounted, public ITypeInfo {
public:
    explicit TableTypeInfo(const InterfaceInfo& info) : info_(info) {}
    VESK_IUNKNOWN_IMPL(TableTypeInfo, ITypeInfo)
    const InterfaceInfo& Describe() override { return info_; }

private:
    const InterfaceInfo& info_;  // tables live as long as the process
};

}  // namespace

HRESULT GetIDsOfNamesFromTable(const InterfaceInfo& info, const OLECHAR* const* names, uint32_t count,
                               DISPID* ids) {
    if (count == 0) return S_OK;
    if (!names || !ids) return E_INVALIDARG;
    const MemberInfo* member = names[0] ? info.FindByName(Utf16ToUtf8(names[0])) : nullptr;
    if (!member) {
        std::fill(ids, ids + count, DISPID_UNKNOWN);
        return DISP_E_UNKNOWNNAME;
    }
    ids[0] = member->id;
    HRESULT hr = S_OK;
    for (uint32_t i = 1; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        const std::string name = names[i] ? Utf16ToUtf8(names[i]) : std::string();
        for (size_t p = 0; p < member->params.size(); ++p) {
            if (NamesEqual(member->params[p].name, name)) ids[i] = static_cast<DISPID>(p);
        }
        if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT InvokeFromTable(void* self, const InterfaceInfo& info, std::span<const MemberBinding> bindings, DISPID id,
                        uint16_t flags, DISPPARAMS* params, VARIANT* result, uint32_t* argError) {
    const MemberInfo* row = info.Find(id);
    if (!row) return DISP_E_MEMBERNOTFOUND;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    const DISPPARAMS& given = params ? *params : none;
    // Hosts and fuzzers alike may hand over inconsistent blocks; refuse them before reading.
    if (given.cNamedArgs > given.cArgs || (given.cArgs > 0 && !given.rgvarg) ||
        (given.cNamedArgs > 0 && !given.rgdispidNamedArgs)) {
        return E_INVALIDARG;
    }
    const MemberBinding* binding = ChooseBinding(*row, bindings, flags, given);
    if (!binding) return DISP_E_MEMBERNOTFOUND;
    if (result) VariantInit(result);
    return InvokeCall(*row, *binding, given).Run(self, result, argError);
}

ITypeInfo* NewTableTypeInfo(const InterfaceInfo& info) { return new TableTypeInfo(info); }

}  // namespace vesk
