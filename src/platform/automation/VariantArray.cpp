#include "platform/automation/VariantArray.h"

namespace vesk {

VariantArray::VariantArray(size_t count) : items_(count) {
    for (VARIANT& item : items_) VariantInit(&item);
}

VariantArray::~VariantArray() {
    for (VARIANT& item : items_) VariantClear(&item);
}

}  // namespace vesk
