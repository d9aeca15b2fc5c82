#include <gtest/gtest.h>

#include "platform/automation/Dispatch.h"
#include "platform/automation/Variant.h"

namespace vesk {
namespace {

struct Coercion {
    const char* label;
    Variant from;
    VARTYPE to;
    HRESULT hr;
    const char* text;  // the converted value as a string (when hr is S_OK)
};

Variant I8(int64_t value) {
    Variant v;
    v.vt = VT_I8;
    v.llVal = value;
    return v;
}

Variant Null() {
    Variant v;
    v.vt = VT_NULL;
    return v;
}

void Check(const Coercion& c) {
    SCOPED_TRACE(c.label);
    Variant out;
    ASSERT_EQ(VariantChangeType(&out, &c.from, 0, c.to), c.hr);
    if (c.hr != S_OK) {
        EXPECT_EQ(out.vt, VT_EMPTY);
        return;
    }
    EXPECT_EQ(out.vt, c.to);
    EXPECT_EQ(out.ToUtf8(), c.text);
}

TEST(VariantCoercion, FloatToIntegerRoundsHalfToEvenAndChecksRange) {
    const Coercion cases[] = {
        {"2.5", Variant::R8(2.5), VT_I4, S_OK, "2"},
        {"3.5", Variant::R8(3.5), VT_I4, S_OK, "4"},
        {"-2.5", Variant::R8(-2.5), VT_I4, S_OK, "-2"},
        {"-3.5", Variant::R8(-3.5), VT_I2, S_OK, "-4"},
        {"2.6", Variant::R4(2.6f), VT_I2, S_OK, "3"},
        {"32766.5", Variant::R8(32766.5), VT_I2, S_OK, "32766"},
        {"32767.5", Variant::R8(32767.5), VT_I2, DISP_E_OVERFLOW, ""},
        {"-32768.5", Variant::R8(-32768.5), VT_I2, S_OK, "-32768"},
        {"70000 to I2", Variant::I4(70000), VT_I2, DISP_E_OVERFLOW, ""},
        {"-1 to UI4", Variant::I4(-1), VT_UI4, DISP_E_OVERFLOW, ""},
        {"2^31 to I4", Variant::R8(2147483648.0), VT_I4, DISP_E_OVERFLOW, ""},
        {"I8 max to BSTR", I8(INT64_MAX), VT_BSTR, S_OK, "9223372036854775807"},
        {"1e300 to R4", Variant::R8(1e300), VT_R4, DISP_E_OVERFLOW, ""},
    };
    for (const Coercion& c : cases) Check(c);
}

TEST(VariantCoercion, BooleansAreMinusOneAndZero) {
    const Coercion cases[] = {
        {"true to I4", Variant::Bool(true), VT_I4, S_OK, "-1"},
        {"true to UI1", Variant::Bool(true), VT_UI1, DISP_E_OVERFLOW, ""},
        {"5 to bool", Variant::I4(5), VT_BOOL, S_OK, "True"},
        {"0.0 to bool", Variant::R8(0.0), VT_BOOL, S_OK, "False"},
        {"-0.5 to bool", Variant::R4(-0.5f), VT_BOOL, S_OK, "True"},
    };
    for (const Coercion& c : cases) Check(c);
    Variant out;
    ASSERT_EQ(VariantChangeType(&out, &cases[2].from, 0, VT_BOOL), S_OK);
    EXPECT_EQ(out.boolVal, VARIANT_TRUE);
}

TEST(VariantCoercion, StringsParseAsNumbersOrBooleans) {
    const Coercion cases[] = {
        {"spaces", Variant::String("  42 "), VT_I4, S_OK, "42"},
        {"exponent", Variant::String("1e3"), VT_I2, S_OK, "1000"},
        {"half", Variant::String("2.5"), VT_I4, S_OK, "2"},
        {"hex", Variant::String("&H10"), VT_I4, S_OK, "16"},
        {"True", Variant::String("tRUE"), VT_I4, S_OK, "-1"},
        {"False", Variant::String("FALSE"), VT_BOOL, S_OK, "False"},
        {"too big", Variant::String("99999"), VT_I2, DISP_E_OVERFLOW, ""},
        {"word", Variant::String("abc"), VT_I4, DISP_E_TYPEMISMATCH, ""},
        {"trailing junk", Variant::String("12abc"), VT_I4, DISP_E_TYPEMISMATCH, ""},
        {"empty", Variant::String(""), VT_R4, DISP_E_TYPEMISMATCH, ""},
        {"infinity", Variant::String("inf"), VT_R8, DISP_E_TYPEMISMATCH, ""},
    };
    for (const Coercion& c : cases) Check(c);
}

TEST(VariantCoercion, NumbersFormatInShortestRoundTripForm) {
    const Coercion cases[] = {
        {"2.5", Variant::R8(2.5), VT_BSTR, S_OK, "2.5"},
        {"-1", Variant::I4(-1), VT_BSTR, S_OK, "-1"},
        {"0.1f", Variant::R4(0.1f), VT_BSTR, S_OK, "0.1"},
        {"0.1+0.2", Variant::R8(0.1 + 0.2), VT_BSTR, S_OK, "0.30000000000000004"},
        {"100000", Variant::R8(100000.0), VT_BSTR, S_OK, "100000"},
        {"1e21", Variant::R8(1e21), VT_BSTR, S_OK, "1E+21"},
        {"-1.5e-7", Variant::R8(-1.5e-7), VT_BSTR, S_OK, "-1.5E-07"},
        {"-0", Variant::R8(-0.0), VT_BSTR, S_OK, "0"},
        {"true", Variant::Bool(true), VT_BSTR, S_OK, "True"},
    };
    for (const Coercion& c : cases) Check(c);
}

TEST(VariantCoercion, EmptyNullErrorAndArrays) {
    SAFEARRAY* shorts = SafeArrayCreateVector(VT_I2, 0, 2);
    const Coercion cases[] = {
        {"empty to I4", Variant(), VT_I4, S_OK, "0"},
        {"empty to BSTR", Variant(), VT_BSTR, S_OK, ""},
        {"empty to bool", Variant(), VT_BOOL, S_OK, "False"},
        {"null to I4", Null(), VT_I4, DISP_E_TYPEMISMATCH, ""},
        {"null to BSTR", Null(), VT_BSTR, DISP_E_TYPEMISMATCH, ""},
        {"error to I4", Variant::Error(E_FAIL), VT_I4, DISP_E_TYPEMISMATCH, ""},
        {"I4 to error", Variant::I4(1), VT_ERROR, DISP_E_TYPEMISMATCH, ""},
        {"scalar to array", Variant::I2(1), VT_ARRAY | VT_I2, DISP_E_TYPEMISMATCH, ""},
        {"array to scalar", Variant::AdoptArray(shorts), VT_I2, DISP_E_TYPEMISMATCH, ""},
    };
    for (const Coercion& c : cases) Check(c);

    Variant copy;
    ASSERT_EQ(VariantChangeType(&copy, &cases[8].from, 0, VT_ARRAY | VT_I2), S_OK);
    EXPECT_NE(copy.parray, shorts);  // a deep copy
    EXPECT_EQ(SafeArrayCount(copy.parray), 2u);
    Variant error;
    EXPECT_EQ(VariantChangeType(&error, &cases[5].from, 0, VT_ERROR), S_OK);
    EXPECT_EQ(error.scode, E_FAIL);
}

class CountedObject : public RefCounted, public IDispatch {
public:
    VESK_IUNKNOWN_IMPL(CountedObject, IDispatch)
    HRESULT GetTypeInfoCount(uint32_t*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(uint32_t, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(const IID&, const OLECHAR* const*, uint32_t, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, const IID&, LCID, uint16_t, DISPPARAMS*, VARIANT*, EXCEPINFO*, uint32_t*) override {
        return E_NOTIMPL;
    }
    uint32_t Count() {
        AddRef();
        return Release();
    }
};

TEST(VariantCoercion, ObjectsConvertOnlyBetweenInterfaces) {
    auto object = MakeCom<CountedObject>();
    {
        Variant dispatch = Variant::Dispatch(object.get());
        Variant unknown;
        ASSERT_EQ(VariantChangeType(&unknown, &dispatch, 0, VT_UNKNOWN), S_OK);
        EXPECT_EQ(object->Count(), 3u);
        Variant back;
        ASSERT_EQ(VariantChangeType(&back, &unknown, 0, VT_DISPATCH), S_OK);
        EXPECT_EQ(back.pdispVal, object.get());
        Variant number;
        EXPECT_EQ(VariantChangeType(&number, &dispatch, 0, VT_I4), DISP_E_TYPEMISMATCH);
        EXPECT_EQ(VariantChangeType(&number, &dispatch, 0, VT_BSTR), DISP_E_TYPEMISMATCH);
        Variant i4 = Variant::I4(1);
        EXPECT_EQ(VariantChangeType(&number, &i4, 0, VT_DISPATCH), DISP_E_TYPEMISMATCH);
    }
    EXPECT_EQ(object->Count(), 1u);  // every copy released its reference
}

TEST(VariantCoercion, ReferencesAreDereferencedAndInPlaceWorks) {
    int32_t seven = 7;
    Variant ref;
    ref.vt = VT_BYREF | VT_I4;
    ref.plVal = &seven;
    Variant out;
    ASSERT_EQ(VariantChangeType(&out, &ref, 0, VT_R8), S_OK);
    EXPECT_EQ(out.dblVal, 7.0);
    Variant inner = Variant::String("12");
    Variant viaVariant;
    viaVariant.vt = VT_BYREF | VT_VARIANT;
    viaVariant.pvarVal = &inner;
    ASSERT_EQ(VariantChangeType(&out, &viaVariant, 0, VT_I2), S_OK);
    EXPECT_EQ(out.iVal, 12);

    Variant text = Variant::String("3.5");
    ASSERT_EQ(VariantChangeType(&text, &text, 0, VT_I4), S_OK);  // the string is freed once
    EXPECT_EQ(text.vt, VT_I4);
    EXPECT_EQ(text.lVal, 4);
}

TEST(VariantHelpers, ConvertedReadsFallBack) {
    EXPECT_EQ(Variant::String("12").ToInt(), 12);
    EXPECT_EQ(Variant::String("x").ToInt(-5), -5);
    EXPECT_EQ(Variant::I2(3).ToDouble(), 3.0);
    EXPECT_EQ(Null().ToDouble(1.5), 1.5);
    EXPECT_EQ(Variant::R4(0.25f).ToUtf8(), "0.25");
    EXPECT_EQ(Variant::AdoptArray(nullptr).vt, VT_EMPTY);
}

}  // namespace
}  // namespace vesk
