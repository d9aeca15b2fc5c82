#include "platform/drawing/FontObject.h"

#include <algorithm>
#include <array>

#include "platform/automation/TypeInfo.h"

namespace vesk {

namespace {

constexpr VARIANT_BOOL AsBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

// The font interface keeps the dispatch identifiers hosts know for font objects.
constexpr MemberRow kFontRows[] = {
    {0, "Name", "get/put", "", "BSTR"},
    {2, "Size", "get/put", "", "double"},
    {3, "Bold", "get/put", "", "VARIANT_BOOL"},
    {4, "Italic", "get/put", "", "VARIANT_BOOL"},
    {5, "Underline", "get/put", "", "VARIANT_BOOL"},
    {6, "Strikethrough", "get/put", "", "VARIANT_BOOL"},
    {7, "Weight", "get/put", "", "short"},
    {8, "Charset", "get/put", "", "short"},
};

const TypeLibrary& FontLibrary() {
    static const TypeLibrary* library = [] {
        auto* lib = new TypeLibrary("stdole", {});
        lib->AddInterface("IFontDisp", IFontDisp::kIid, kFontRows);
        return lib;
    }();
    return *library;
}

}  // namespace

const InterfaceInfo& DispatchTraits<IFontDisp>::Info() { return *FontLibrary().FindInterface("IFontDisp"); }

std::span<const MemberBinding> DispatchTraits<IFontDisp>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Get<&IFontDisp::get_Name>(0),           Put<&IFontDisp::put_Name>(0),
        Get<&IFontDisp::get_Size>(2),           Put<&IFontDisp::put_Size>(2),
        Get<&IFontDisp::get_Bold>(3),           Put<&IFontDisp::put_Bold>(3),
        Get<&IFontDisp::get_Italic>(4),         Put<&IFontDisp::put_Italic>(4),
        Get<&IFontDisp::get_Underline>(5),      Put<&IFontDisp::put_Underline>(5),
        Get<&IFontDisp::get_Strikethrough>(6),  Put<&IFontDisp::put_Strikethrough>(6),
        Get<&IFontDisp::get_Weight>(7),         Put<&IFontDisp::put_Weight>(7),
        Get<&IFontDisp::get_Charset>(8),        Put<&IFontDisp::put_Charset>(8),
    };
    return kBindings;
}

HRESULT FontObject::get_Name(BSTR* value) {
    if (!value) return E_POINTER;
    *value = AllocBstr(font_.name);
    return S_OK;
}
HRESULT FontObject::put_Name(BSTR value) {
    font_.name = BstrToUtf8(value);
    return S_OK;
}
HRESULT FontObject::get_Size(double* points) {
    if (!points) return E_POINTER;
    *points = font_.sizePoints;
    return S_OK;
}
HRESULT FontObject::put_Size(double points) {
    // A size that cannot be drawn is refused rather than stored.
    if (!(points > 0 && points <= 1638)) return E_INVALIDARG;
    font_.sizePoints = points;
    return S_OK;
}
HRESULT FontObject::get_Bold(VARIANT_BOOL* value) {
    if (!value) return E_POINTER;
    *value = AsBool(font_.weight >= 600);
    return S_OK;
}
HRESULT FontObject::put_Bold(VARIANT_BOOL value) {
    font_.weight = value ? 700 : 400;
    return S_OK;
}
HRESULT FontObject::get_Italic(VARIANT_BOOL* value) {
    if (!value) return E_POINTER;
    *value = AsBool(font_.italic);
    return S_OK;
}
HRESULT FontObject::put_Italic(VARIANT_BOOL value) {
    font_.italic = value != 0;
    return S_OK;
}
HRESULT FontObject::get_Underline(VARIANT_BOOL* value) {
    if (!value) return E_POINTER;
    *value = AsBool(font_.underline);
    return S_OK;
}
HRESULT FontObject::put_Underline(VARIANT_BOOL value) {
    font_.underline = value != 0;
    return S_OK;
}
HRESULT FontObject::get_Strikethrough(VARIANT_BOOL* value) {
    if (!value) return E_POINTER;
    *value = AsBool(font_.strikethrough);
    return S_OK;
}
HRESULT FontObject::put_Strikethrough(VARIANT_BOOL value) {
    font_.strikethrough = value != 0;
    return S_OK;
}
HRESULT FontObject::get_Weight(int16_t* value) {
    if (!value) return E_POINTER;
    *value = font_.weight;
    return S_OK;
}
HRESULT FontObject::put_Weight(int16_t value) {
    font_.weight = std::clamp<int16_t>(value, 1, 1000);
    return S_OK;
}
HRESULT FontObject::get_Charset(int16_t* value) {
    if (!value) return E_POINTER;
    *value = font_.charset;
    return S_OK;
}
HRESULT FontObject::put_Charset(int16_t value) {
    font_.charset = value;
    return S_OK;
}

IFontDisp* NewFontObject(FontDescription description) { return new FontObject(std::move(description)); }

namespace {

// Reads one property of a host's font object by name; false when it has no such property.
bool ReadFontProperty(IDispatch* font, const char* name, Variant& value) {
    std::u16string wide = Utf8ToUtf16(name);
    const OLECHAR* names[] = {wide.c_str()};
    DISPID id = DISPID_UNKNOWN;
    if (Failed(font->GetIDsOfNames(GUID_NULL, names, 1, 0, &id))) return false;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return Succeeded(font->Invoke(id, GUID_NULL, 0, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr));
}

}  // namespace

FontDescription DescribeFont(IDispatch* font) {
    FontDescription description;
    if (!font) return description;
    ComPtr<IFontDisp> ours;
    if (Succeeded(font->QueryInterface(IFontDisp::kIid, ours.put_void()))) {
        if (auto* object = dynamic_cast<FontObject*>(ours.get())) return object->Description();
    }
    Variant value;
    if (ReadFontProperty(font, "Name", value)) description.name = value.ToUtf8();
    if (ReadFontProperty(font, "Size", value)) description.sizePoints = value.ToDouble(description.sizePoints);
    if (ReadFontProperty(font, "Weight", value)) description.weight = static_cast<int16_t>(value.ToInt(400));
    if (ReadFontProperty(font, "Italic", value)) description.italic = value.ToInt() != 0;
    if (ReadFontProperty(font, "Underline", value)) description.underline = value.ToInt() != 0;
    if (ReadFontProperty(font, "Strikethrough", value)) description.strikethrough = value.ToInt() != 0;
    if (ReadFontProperty(font, "Charset", value)) description.charset = static_cast<int16_t>(value.ToInt());
    return description;
}

}  // namespace vesk
