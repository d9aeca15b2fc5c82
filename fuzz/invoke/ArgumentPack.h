// The arguments of one Invoke call and everything they point to. rgvarg is laid out as Invoke
// wants it (last argument first); by-reference arguments point into storage the pack owns, and
// the pack frees it all, including arrays and strings the callee put into a reference.
#pragma once

#include <deque>
#include <vector>

#include "platform/automation/Variant.h"

namespace vesk::fuzz {

class ArgumentPack {
public:
    ArgumentPack() = default;
    ArgumentPack(const ArgumentPack&) = delete;
    ArgumentPack& operator=(const ArgumentPack&) = delete;
    ~ArgumentPack();

    // Appends an argument (in rgvarg order) and returns it, empty.
    VARIANT& Add();
    VARIANT* Data() { return values_.empty() ? nullptr : values_.data(); }
    uint32_t Count() const { return static_cast<uint32_t>(values_.size()); }

    // Storage a VT_BYREF argument points to; valid as long as the pack.
    VARIANT& InnerVariant();
    BSTR& StringSlot();
    SAFEARRAY*& ArraySlot();
    uint64_t& ScalarSlot();  // wide enough for every scalar type; zeroed

private:
    std::vector<Variant> values_;
    std::deque<Variant> inner_;
    std::deque<BSTR> strings_;
    std::deque<SAFEARRAY*> arrays_;
    std::deque<uint64_t> scalars_;
};

}  // namespace vesk::fuzz
