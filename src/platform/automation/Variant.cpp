#include "platform/automation/Variant.h"

#include <cctype>
#include <charconv>
#include <concepts>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>
#include <variant>

#include "platform/automation/Dispatch.h"
#include "platform/automation/TypeInfo.h"

namespace vesk {

namespace {

// A number on its way from one variant type to another. Integers keep their full 64-bit
// range; everything with a fraction travels as double.
using Number = std::variant<int64_t, uint64_t, double>;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

template <class T>
bool ParseWhole(std::string_view text, T* value, int base = 10) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value, base);
    return ec == std::errc() && end == text.data() + text.size();
}

// "&H1F" and "&O17", as scripts write hexadecimal and octal literals.
HRESULT ParseRadixLiteral(std::string_view text, Number* out) {
    const int base = (text[1] == 'H' || text[1] == 'h') ? 16 : (text[1] == 'O' || text[1] == 'o') ? 8 : 0;
    uint64_t value;
    if (base == 0 || !ParseWhole(text.substr(2), &value, base)) return DISP_E_TYPEMISMATCH;
    *out = value;
    return S_OK;
}

HRESULT ParseDecimal(std::string_view text, Number* out) {
    if (text.size() > 1 && text[0] == '+') text.remove_prefix(1);
    // from_chars would also take "inf" and "nan", which no host means as a number.
    const size_t first = (text[0] == '-') ? 1 : 0;
    if (first >= text.size() || !(std::isdigit(static_cast<unsigned char>(text[first])) || text[first] == '.')) {
        return DISP_E_TYPEMISMATCH;
    }
    int64_t whole;
    uint64_t unsignedWhole;
    double real;
    if (ParseWhole(text, &whole)) {
        *out = whole;
    } else if (first == 0 && ParseWhole(text, &unsignedWhole)) {
        *out = unsignedWhole;
    } else {
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), real);
        if (end != text.data() + text.size()) return DISP_E_TYPEMISMATCH;
        if (ec == std::errc::result_out_of_range) return DISP_E_OVERFLOW;
        if (ec != std::errc()) return DISP_E_TYPEMISMATCH;
        *out = real;
    }
    return S_OK;
}

// A string as a number: decimal (with exponent), &H/&O literals, or True/False as -1/0.
HRESULT ParseNumber(BSTR text, Number* out) {
    const std::string utf8 = BstrToUtf8(text);
    const std::string_view trimmed = Trim(utf8);
    if (trimmed.empty()) return DISP_E_TYPEMISMATCH;
    if (NamesEqual(trimmed, "True")) {
        *out = int64_t{VARIANT_TRUE};
        return S_OK;
    }
    if (NamesEqual(trimmed, "False")) {
        *out = int64_t{VARIANT_FALSE};
        return S_OK;
    }
    if (trimmed.size() > 2 && trimmed[0] == '&') return ParseRadixLiteral(trimmed, out);
    return ParseDecimal(trimmed, out);
}

HRESULT ToNumber(const VARIANT& v, Number* out) {
    switch (v.vt) {
        case VT_EMPTY: *out = int64_t{0}; return S_OK;
        case VT_I1: *out = int64_t{v.cVal}; return S_OK;
        case VT_I2: *out = int64_t{v.iVal}; return S_OK;
        case VT_BOOL: *out = int64_t{v.boolVal}; return S_OK;
        case VT_I4:
        case VT_INT: *out = int64_t{v.lVal}; return S_OK;
        case VT_I8: *out = v.llVal; return S_OK;
        case VT_UI1: *out = uint64_t{v.bVal}; return S_OK;
        case VT_UI2: *out = uint64_t{v.uiVal}; return S_OK;
        case VT_UI4:
        case VT_UINT: *out = uint64_t{v.ulVal}; return S_OK;
        case VT_UI8: *out = v.ullVal; return S_OK;
        case VT_R4: *out = double{v.fltVal}; return S_OK;
        case VT_R8:
        case VT_DATE: *out = v.dblVal; return S_OK;
        case VT_CY: *out = static_cast<double>(v.cyVal) / 10000.0; return S_OK;
        case VT_BSTR: return ParseNumber(v.bstrVal, out);
        default: return DISP_E_TYPEMISMATCH;
    }
}

// Banker's rounding, as automation rounds every float stored into an integer: 2.5 -> 2, 3.5 -> 4.
double RoundHalfEven(double x) {
    double r = std::floor(x);
    const double fraction = x - r;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
    return r;
}

template <class T>
HRESULT StoreInteger(double value, T* out) {
    // 2^digits is the first value past the type's maximum; NaN fails both comparisons.
    const double limit = std::ldexp(1.0, std::numeric_limits<T>::digits);
    const double low = std::is_signed_v<T> ? -limit : 0.0;
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= low && rounded < limit)) return DISP_E_OVERFLOW;
    *out = static_cast<T>(rounded);
    return S_OK;
}

template <class T, std::integral V>
HRESULT StoreInteger(V value, T* out) {
    if (!std::in_range<T>(value)) return DISP_E_OVERFLOW;
    *out = static_cast<T>(value);
    return S_OK;
}

template <class T>
HRESULT ToInteger(const Number& n, T* out) {
    return std::visit([out](auto value) { return StoreInteger(value, out); }, n);
}

double ToReal(const Number& n) {
    return std::visit([](auto value) { return static_cast<double>(value); }, n);
}

HRESULT ToSingle(const Number& n, float* out) {
    const double value = ToReal(n);
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) return DISP_E_OVERFLOW;
    *out = static_cast<float>(value);
    return S_OK;
}

HRESULT NumberTo(const Number& n, VARTYPE vt, VARIANT* out) {
    switch (vt) {
        case VT_I1: return ToInteger(n, &out->cVal);
        case VT_UI1: return ToInteger(n, &out->bVal);
        case VT_I2: return ToInteger(n, &out->iVal);
        case VT_UI2: return ToInteger(n, &out->uiVal);
        case VT_I4:
        case VT_INT: return ToInteger(n, &out->lVal);
        case VT_UI4:
        case VT_UINT: return ToInteger(n, &out->ulVal);
        case VT_I8: return ToInteger(n, &out->llVal);
        case VT_UI8: return ToInteger(n, &out->ullVal);
        case VT_R4: return ToSingle(n, &out->fltVal);
        case VT_R8: out->dblVal = ToReal(n); return S_OK;
        case VT_BOOL: out->boolVal = ToReal(n) != 0 ? VARIANT_TRUE : VARIANT_FALSE; return S_OK;
        default: return DISP_E_BADVARTYPE;
    }
}

// Lays out the shortest round-trip digits the way scripts print numbers: plain decimals for
// exponents from -5 to 14, otherwise "1.5E+20".
std::string LayOutDigits(bool negative, const std::string& digits, int exponent) {
    std::string text = negative ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) text += "." + digits.substr(1);
        const int magnitude = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        text += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<size_t>(exponent) + 1 >= digits.size()) {
        text += digits + std::string(exponent + 1 - digits.size(), '0');
    } else {
        text += digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
    }
    return text;
}

// Shortest form that reads back to the same value; single precision for VT_R4 sources so
// that 0.1f prints as "0.1".
std::string FormatReal(double value, bool single) {
    if (value == 0) return "0";
    char buffer[64];
    auto result = single ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value),
                                         std::chars_format::scientific)
                         : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view text(buffer, result.ptr - buffer);
    if (!std::isfinite(value)) return std::string(text);
    const bool negative = text[0] == '-';
    const size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.') digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    int exponent = 0;
    ParseWhole(text.substr(text[e + 1] == '+' ? e + 2 : e + 1), &exponent);
    return LayOutDigits(negative, digits, exponent);
}

HRESULT ToText(const VARIANT& v, std::string* out) {
    if (v.vt == VT_EMPTY) {
        out->clear();
        return S_OK;
    }
    if (v.vt == VT_BOOL) {
        *out = v.boolVal ? "True" : "False";
        return S_OK;
    }
    Number n;
    HRESULT hr = ToNumber(v, &n);
    if (Failed(hr)) return hr;
    *out = std::visit(
        [&v](auto value) {
            if constexpr (std::is_integral_v<decltype(value)>) {
                return std::to_string(value);
            } else {
                return FormatReal(value, v.vt == VT_R4);
            }
        },
        n);
    return S_OK;
}

HRESULT ToBstr(const VARIANT& v, VARIANT* out) {
    std::string text;
    HRESULT hr = ToText(v, &text);
    if (Failed(hr)) return hr;
    out->bstrVal = AllocBstr(text);
    return out->bstrVal ? S_OK : E_OUTOFMEMORY;
}

// Objects convert only between IDispatch and IUnknown (never through a default member);
// an empty value becomes a null object.
HRESULT ToObject(const VARIANT& v, VARTYPE vt, VARIANT* out) {
    if (v.vt == VT_EMPTY) {
        out->punkVal = nullptr;
        return S_OK;
    }
    if (v.vt != VT_DISPATCH && v.vt != VT_UNKNOWN) return DISP_E_TYPEMISMATCH;
    IUnknown* object = v.punkVal;
    if (!object) {
        out->punkVal = nullptr;
    } else if (vt == VT_UNKNOWN) {
        object->AddRef();
        out->punkVal = object;
    } else if (Failed(object->QueryInterface(IDispatch::kIid, reinterpret_cast<void**>(&out->pdispVal)))) {
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

bool IsNumeric(VARTYPE vt) {
    switch (vt) {
        case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_I8:
        case VT_UI8: case VT_INT: case VT_UINT: case VT_R4: case VT_R8: case VT_BOOL: return true;
        default: return false;
    }
}

// Converts a value (never VT_BYREF) into the empty variant out.
HRESULT Convert(const VARIANT& v, VARTYPE vt, VARIANT* out) {
    if ((vt & VT_BYREF) || vt == VT_VARIANT) return DISP_E_BADVARTYPE;
    if (v.vt == vt) return VariantCopy(out, &v);
    if ((vt & VT_ARRAY) || (v.vt & VT_ARRAY)) return DISP_E_TYPEMISMATCH;
    HRESULT hr = DISP_E_BADVARTYPE;
    if (vt == VT_EMPTY) {
        hr = S_OK;
    } else if (vt == VT_NULL || vt == VT_ERROR) {
        hr = DISP_E_TYPEMISMATCH;  // reached only from another type
    } else if (vt == VT_DISPATCH || vt == VT_UNKNOWN) {
        hr = ToObject(v, vt, out);
    } else if (vt == VT_BSTR) {
        hr = ToBstr(v, out);
    } else if (IsNumeric(vt)) {
        Number n;
        hr = ToNumber(v, &n);
        if (Succeeded(hr)) hr = NumberTo(n, vt, out);
    }
    if (Succeeded(hr)) out->vt = vt;
    return hr;
}

// Bytes a VT_BYREF pointer of this base type points at; 0 when unsupported.
size_t ReferencedSize(VARTYPE base) {
    if (base & VT_ARRAY) return sizeof(SAFEARRAY*);
    switch (base) {
        case VT_I1: case VT_UI1: return 1;
        case VT_I2: case VT_UI2: case VT_BOOL: return 2;
        case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_R4: case VT_ERROR: return 4;
        case VT_I8: case VT_UI8: case VT_R8: case VT_DATE: case VT_CY: return 8;
        case VT_BSTR: case VT_DISPATCH: case VT_UNKNOWN: return sizeof(void*);
        default: return 0;
    }
}

}  // namespace

void VariantInit(VARIANT* v) {
    v->vt = VT_EMPTY;
    v->wReserved1 = v->wReserved2 = v->wReserved3 = 0;
    v->llVal = 0;
}

HRESULT VariantClear(VARIANT* v) {
    if (!v) return E_INVALIDARG;
    if (!(v->vt & VT_BYREF)) {
        if (v->vt & VT_ARRAY) {
            HRESULT hr = SafeArrayDestroy(v->parray);
            if (Failed(hr)) return hr;
        } else if (v->vt == VT_BSTR) {
            SysFreeString(v->bstrVal);
        } else if ((v->vt == VT_DISPATCH || v->vt == VT_UNKNOWN) && v->punkVal) {
            v->punkVal->Release();
        }
    }
    VariantInit(v);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* source) {
    if (!dest || !source) return E_INVALIDARG;
    if (dest == source) return S_OK;
    VARIANT copy = *source;
    if (source->vt & VT_BYREF) {
        // A reference is copied as a reference: both point at the caller's storage.
    } else if (source->vt & VT_ARRAY) {
        HRESULT hr = SafeArrayCopy(source->parray, &copy.parray);
        if (Failed(hr)) return hr;
    } else if (source->vt == VT_BSTR && source->bstrVal) {
        copy.bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
        if (!copy.bstrVal) return E_OUTOFMEMORY;
    } else if ((source->vt == VT_DISPATCH || source->vt == VT_UNKNOWN) && source->punkVal) {
        source->punkVal->AddRef();
    }
    HRESULT hr = VariantClear(dest);
    if (Failed(hr)) {
        VariantClear(&copy);
        return hr;
    }
    *dest = copy;
    return S_OK;
}

HRESULT VariantCopyInd(VARIANT* dest, const VARIANT* source) {
    if (!dest || !source) return E_INVALIDARG;
    if (!(source->vt & VT_BYREF)) return VariantCopy(dest, source);
    const VARTYPE base = source->vt & ~VT_BYREF;
    if (!source->byref) return E_INVALIDARG;
    if (base == VT_VARIANT) {
        // One level only: a reference to a reference is not a value.
        if (source->pvarVal->vt & VT_BYREF) return E_INVALIDARG;
        return VariantCopy(dest, source->pvarVal);
    }
    const size_t size = ReferencedSize(base);
    if (size == 0) return DISP_E_BADVARTYPE;
    VARIANT value;
    VariantInit(&value);
    value.vt = base;
    std::memcpy(&value.llVal, source->byref, size);
    return VariantCopy(dest, &value);  // deep-copies strings, arrays and interfaces
}

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* source, uint16_t, VARTYPE vt) {
    if (!dest || !source) return E_INVALIDARG;
    Variant dereferenced;
    const VARIANT* value = source;
    if (source->vt & VT_BYREF) {
        HRESULT hr = VariantCopyInd(&dereferenced, source);
        if (Failed(hr)) return hr;
        value = &dereferenced;
    }
    VARIANT converted;
    VariantInit(&converted);
    HRESULT hr = Convert(*value, vt, &converted);
    if (Failed(hr)) return hr;
    // dest may be the source: it is released only once the new value exists.
    hr = VariantClear(dest);
    if (Failed(hr)) {
        VariantClear(&converted);
        return hr;
    }
    *dest = converted;
    return S_OK;
}

Variant Variant::I2(int16_t value) {
    Variant v;
    v.vt = VT_I2;
    v.iVal = value;
    return v;
}

Variant Variant::I4(int32_t value) {
    Variant v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

Variant Variant::R4(float value) {
    Variant v;
    v.vt = VT_R4;
    v.fltVal = value;
    return v;
}

Variant Variant::R8(double value) {
    Variant v;
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}

Variant Variant::Bool(bool value) {
    Variant v;
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::String(std::string_view utf8) { return AdoptBstr(AllocBstr(utf8)); }

Variant Variant::AdoptBstr(BSTR value) {
    Variant v;
    v.vt = VT_BSTR;
    v.bstrVal = value;
    return v;
}

Variant Variant::AdoptArray(SAFEARRAY* array) {
    Variant v;
    if (array) {
        v.vt = VT_ARRAY | array->vt;
        v.parray = array;
    }
    return v;
}

Variant Variant::Dispatch(IDispatch* object) {
    Variant v;
    v.vt = VT_DISPATCH;
    v.pdispVal = object;
    if (object) object->AddRef();
    return v;
}

Variant Variant::Unknown(IUnknown* object) {
    Variant v;
    v.vt = VT_UNKNOWN;
    v.punkVal = object;
    if (object) object->AddRef();
    return v;
}

Variant Variant::Error(HRESULT code) {
    Variant v;
    v.vt = VT_ERROR;
    v.scode = code;
    return v;
}

int32_t Variant::ToInt(int32_t fallback) const {
    Variant converted;
    return Succeeded(VariantChangeType(&converted, this, 0, VT_I4)) ? converted.lVal : fallback;
}

double Variant::ToDouble(double fallback) const {
    Variant converted;
    return Succeeded(VariantChangeType(&converted, this, 0, VT_R8)) ? converted.dblVal : fallback;
}

std::string Variant::ToUtf8() const {
    Variant converted;
    return Succeeded(VariantChangeType(&converted, this, 0, VT_BSTR)) ? BstrToUtf8(converted.bstrVal) : std::string();
}

}  // namespace vesk
