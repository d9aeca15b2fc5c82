// A contiguous block of VARIANTs, as DISPPARAMS and the binding thunks expect them, that clears
// every element when it goes away. Used for argument lists built on the fly (Invoke's coerced
// arguments, the arguments of a fired event).
#pragma once

#include <cstddef>
#include <vector>

#include "platform/automation/Variant.h"

namespace vesk {

class VariantArray {
public:
    // count elements, all VT_EMPTY.
    explicit VariantArray(size_t count);
    ~VariantArray();
    VariantArray(const VariantArray&) = delete;
    VariantArray& operator=(const VariantArray&) = delete;

    VARIANT* data() { return items_.data(); }
    size_t size() const { return items_.size(); }
    VARIANT& operator[](size_t index) { return items_[index]; }

private:
    std::vector<VARIANT> items_;
};

}  // namespace vesk
