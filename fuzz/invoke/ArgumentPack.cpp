#include "fuzz/invoke/ArgumentPack.h"

namespace vesk::fuzz {

ArgumentPack::~ArgumentPack() {
    for (BSTR text : strings_) SysFreeString(text);
    for (SAFEARRAY* array : arrays_) SafeArrayDestroy(array);
}

VARIANT& ArgumentPack::Add() { return values_.emplace_back(); }

VARIANT& ArgumentPack::InnerVariant() { return inner_.emplace_back(); }
BSTR& ArgumentPack::StringSlot() { return strings_.emplace_back(nullptr); }
SAFEARRAY*& ArgumentPack::ArraySlot() { return arrays_.emplace_back(nullptr); }
uint64_t& ArgumentPack::ScalarSlot() { return scalars_.emplace_back(0); }

}  // namespace vesk::fuzz
