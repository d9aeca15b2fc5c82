#include "fuzz/invoke/HostileValues.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

namespace vesk::fuzz {
namespace {

constexpr int32_t kInts[] = {0, 1, -1, 2, 3, 7, 100, 1000, 44100, 32767, -32768, 65535, 65536,
                             INT32_MAX, INT32_MIN, INT32_MAX - 1, INT32_MIN + 1};
// For numbers that size the work: nothing large and positive.
constexpr int32_t kBoundedInts[] = {0, 1, -1, 2, 100, 1000, -1000, 8000, INT32_MIN};
constexpr int16_t kShorts[] = {0, 1, -1, 2, 100, SHRT_MAX, SHRT_MIN, 255, 256};
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kDoubles[] = {0.0, -0.0, 1.0, -1.0, 0.5, -0.5, 100.0, -100.0, 1e6, 1e30, -1e30,
                               std::numeric_limits<double>::quiet_NaN(), kInf, -kInf, FLT_MAX, -FLT_MAX,
                               DBL_MAX, std::numeric_limits<double>::denorm_min(), 2147483647.5,
                               -2147483648.5, 4294967296.0, 32767.5};
constexpr double kBoundedDoubles[] = {0.0, 1.0, -1.0, 0.5, 100.0, -100.0, 1000.0,
                                      std::numeric_limits<double>::quiet_NaN(), kInf, -kInf};
constexpr int64_t kWide[] = {0, 1, -1, INT64_MAX, INT64_MIN, int64_t{1} << 32, -(int64_t{1} << 31) - 1};
constexpr int16_t kBools[] = {VARIANT_TRUE, VARIANT_FALSE, 1, 2, SHRT_MIN};
constexpr HRESULT kCodes[] = {DISP_E_PARAMNOTFOUND, E_FAIL, S_OK, DISP_E_TYPEMISMATCH};

// Scalar types a host may send; arrays may hold the first eight.
constexpr VARTYPE kScalarTypes[] = {VT_I2,  VT_I4,  VT_R4,  VT_R8, VT_BOOL, VT_UI1, VT_BSTR, VT_VARIANT,
                                    VT_I1,  VT_UI2, VT_UI4, VT_I8, VT_UI8,  VT_INT, VT_UINT, VT_CY,
                                    VT_DATE, VT_ERROR, VT_NULL, VT_EMPTY};
constexpr VARTYPE kElementTypes[] = {VT_I2, VT_I4, VT_R4, VT_R8, VT_BOOL, VT_UI1, VT_BSTR, VT_VARIANT};
// Types no member takes and no conversion knows, with a zeroed value.
constexpr VARTYPE kOddTypes[] = {14, 15, 24, 25, 26, 29, 30, 31, 36, 64, 71, 72, 0x0FFF, VT_ARRAY | VT_EMPTY,
                                 VT_ARRAY | VT_NULL, VT_ARRAY | VT_I8};
constexpr uint32_t kCounts[] = {0, 1, 2, 3, 5, 16, 1000, 4096};

const std::u16string kStrings[] = {u"",     u"0",   u"-1",   u"12",    u" 7 ",   u"1e309", u"-1e309",
                                   u"nan",  u"inf", u"True", u"false", u"0x10",  u"4294967296",
                                   u"abc",  u"..",  u".",    u"\xD800", u"a\xDC00z", std::u16string(u"a\0b", 3),
                                   u"\xFEFF\x202E", std::u16string(65536, u'x')};
// The strings above that a held-back number may be: none parses as a large positive number.
const std::u16string kQuietStrings[] = {u"", u"0", u"-1", u"12", u"nan", u"abc", u"\xD800"};

double Double(Choices& choices, NumberRange numbers) {
    if (numbers == NumberRange::Bounded) return choices.From(kBoundedDoubles);
    if (choices.OneIn(8)) {
        const uint64_t bits = choices.Bits64();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    return choices.From(kDoubles);
}

// A float the way a host's conversion makes one: out-of-range values become infinities
// (converting them with a cast would be undefined in the harness itself).
float ToFloat(double value) {
    if (value > FLT_MAX) return std::numeric_limits<float>::infinity();
    if (value < -FLT_MAX) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

int32_t Int(Choices& choices, NumberRange numbers) {
    if (numbers == NumberRange::Bounded) return choices.From(kBoundedInts);
    return choices.OneIn(8) ? static_cast<int32_t>(choices.Bits64()) : choices.From(kInts);
}

}  // namespace

HostileValues::HostileValues(std::vector<std::u16string> paths, std::vector<KnownObject> objects)
    : paths_(std::move(paths)), objects_(std::move(objects)) {}

void HostileValues::Fill(Choices& choices, const ValueSlot& slot, VARIANT& out, ArgumentPack& pack) const {
    const VARTYPE declared = slot.declared == VT_VARIANT ? VARTYPE{VT_I4} : slot.declared;
    switch (choices.Below(16)) {
        case 0: case 1: case 2: case 3: case 4:  // the declared type (an array where one goes)
            if (declared & VT_ARRAY) return FillArray(choices, slot, out);
            if (declared == VT_BSTR) return FillString(choices, slot, out);
            if (declared == VT_DISPATCH) return FillObject(choices, slot, out);
            return FillScalar(choices, declared, slot.numbers, out);
        case 5: case 6: return FillScalar(choices, choices.From(kScalarTypes), slot.numbers, out);
        case 7: case 8: return FillString(choices, slot, out);
        case 9: return FillArray(choices, slot, out);
        case 10: return FillObject(choices, slot, out);
        case 11: case 12: return FillReference(choices, slot, out, pack);
        case 13:
            out.vt = VT_ERROR;
            out.scode = DISP_E_PARAMNOTFOUND;  // "missing"
            return;
        case 14: return FillOddType(choices, out);
        default: out.vt = choices.OneIn(2) ? VT_EMPTY : VT_NULL; return;
    }
}

void HostileValues::FillScalar(Choices& choices, VARTYPE type, NumberRange numbers, VARIANT& out) const {
    const bool bounded = numbers == NumberRange::Bounded;
    out.vt = type;
    out.llVal = 0;
    switch (type) {
        case VT_I2: out.iVal = bounded ? static_cast<int16_t>(Int(choices, numbers)) : choices.From(kShorts); break;
        case VT_I4: case VT_INT: out.lVal = Int(choices, numbers); break;
        case VT_UI4: case VT_UINT: out.ulVal = bounded ? 1000u : static_cast<uint32_t>(Int(choices, numbers)); break;
        case VT_R4: out.fltVal = ToFloat(Double(choices, numbers)); break;
        case VT_R8: case VT_DATE: out.dblVal = Double(choices, numbers); break;
        case VT_BOOL: out.boolVal = choices.From(kBools); break;
        case VT_I1: case VT_UI1: out.bVal = static_cast<uint8_t>(choices.Bits64()); break;
        case VT_UI2: out.uiVal = static_cast<uint16_t>(bounded ? 100 : choices.Bits64()); break;
        case VT_I8: case VT_UI8: case VT_CY: out.llVal = bounded ? -5 : choices.From(kWide); break;
        case VT_ERROR: out.scode = choices.From(kCodes); break;
        case VT_BSTR: out.bstrVal = MakeString(choices, {.declared = VT_BSTR, .numbers = numbers}); break;
        case VT_VARIANT: out.vt = VT_I4; out.lVal = Int(choices, numbers); break;  // a VARIANT holds a value
        default: break;  // VT_EMPTY, VT_NULL
    }
}

BSTR HostileValues::MakeString(Choices& choices, const ValueSlot& slot) const {
    if (choices.OneIn(10)) return nullptr;  // a null BSTR is the empty string
    std::u16string text;
    if (slot.path && !paths_.empty()) {
        text = paths_[choices.Below(static_cast<uint32_t>(paths_.size()))];
    } else if (slot.numbers != NumberRange::Any) {
        text = choices.From(kQuietStrings);
    } else if (choices.OneIn(4)) {
        for (uint32_t n = choices.Below(40); n > 0; --n) {
            const auto unit = static_cast<char16_t>(choices.Bits64());
            text.push_back(unit == u'/' ? u'_' : unit);  // no path reaches outside the scratch tree
        }
    } else {
        text = choices.From(kStrings);
    }
    return SysAllocStringLen(text.data(), static_cast<uint32_t>(text.size()));
}

void HostileValues::FillString(Choices& choices, const ValueSlot& slot, VARIANT& out) const {
    out.vt = VT_BSTR;
    out.bstrVal = MakeString(choices, slot);
}

void HostileValues::FillArray(Choices& choices, const ValueSlot& slot, VARIANT& out) const {
    VARTYPE element = choices.From(kElementTypes);
    if ((slot.declared & VT_ARRAY) && choices.OneIn(2)) element = slot.declared & VT_TYPEMASK;
    out.vt = VT_ARRAY | element;
    out.parray = nullptr;
    if (choices.OneIn(8)) return;  // no array at all
    const uint32_t count = choices.From(kCounts);
    SAFEARRAY* array = SafeArrayCreateVector(element, 0, count);
    if (!array) return;
    out.parray = array;

    // Long arrays repeat a few values: the point is their length, not their variety.
    const uint32_t distinct = std::min<uint32_t>(count, 8);
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t* at = static_cast<uint8_t*>(array->pvData) + size_t{i} * array->cbElements;
        if (i >= distinct) {
            if (element == VT_BSTR || element == VT_VARIANT) break;  // zeroed: null strings, empty variants
            std::memcpy(at, static_cast<uint8_t*>(array->pvData) + size_t{i % distinct} * array->cbElements,
                        array->cbElements);
            continue;
        }
        VARIANT value;
        VariantInit(&value);
        if (element == VT_VARIANT) {
            FillScalar(choices, choices.From(kScalarTypes), slot.numbers, *reinterpret_cast<VARIANT*>(at));
            continue;
        }
        FillScalar(choices, element, slot.numbers, value);
        std::memcpy(at, &value.llVal, array->cbElements);  // the array now owns a string, if any
    }
}

void HostileValues::FillObject(Choices& choices, const ValueSlot& /*slot*/, VARIANT& out) const {
    // Objects of every interface, also where the row names one: Invoke must refuse the others.
    std::vector<IDispatch*> candidates;
    for (const KnownObject& known : objects_) candidates.push_back(known.object);
    IDispatch* object = candidates.empty() || choices.OneIn(6)
                            ? nullptr
                            : candidates[choices.Below(static_cast<uint32_t>(candidates.size()))];
    out.vt = choices.OneIn(5) ? VT_UNKNOWN : VT_DISPATCH;
    out.pdispVal = object;
    if (object) object->AddRef();
}

void HostileValues::FillReference(Choices& choices, const ValueSlot& slot, VARIANT& out, ArgumentPack& pack) const {
    switch (choices.Below(5)) {
        case 0: {  // a VARIANT by reference, holding any of the values above
            VARIANT& inner = pack.InnerVariant();
            const ValueSlot& plain = slot;
            if (choices.OneIn(4)) {
                inner.vt = VT_EMPTY;  // an empty VARIANT an array may be returned into
            } else if (slot.declared & VT_ARRAY) {
                FillArray(choices, plain, inner);
            } else {
                FillScalar(choices, choices.From(kScalarTypes), slot.numbers, inner);
            }
            out.vt = VT_BYREF | VT_VARIANT;
            out.pvarVal = &inner;
            return;
        }
        case 1: {  // an array by reference (what a SAFEARRAY(T)* parameter expects)
            VARIANT holder;
            VariantInit(&holder);
            FillArray(choices, slot, holder);
            SAFEARRAY*& stored = pack.ArraySlot();
            stored = holder.parray;
            out.vt = holder.vt | VT_BYREF;
            out.pparray = &stored;
            return;
        }
        case 2: {
            BSTR& stored = pack.StringSlot();
            stored = MakeString(choices, slot);
            out.vt = VT_BYREF | VT_BSTR;
            out.pbstrVal = &stored;
            return;
        }
        default: {  // a number by reference
            VARIANT value;
            VariantInit(&value);
            const VARTYPE type = choices.From(kElementTypes);
            FillScalar(choices, type == VT_BSTR || type == VT_VARIANT ? VARTYPE{VT_R8} : type, slot.numbers, value);
            uint64_t& stored = pack.ScalarSlot();
            std::memcpy(&stored, &value.llVal, sizeof stored);
            out.vt = VT_BYREF | value.vt;
            out.byref = &stored;
            return;
        }
    }
}

void HostileValues::FillOddType(Choices& choices, VARIANT& out) const {
    out.vt = choices.From(kOddTypes);
    out.llVal = 0;
}

}  // namespace vesk::fuzz
