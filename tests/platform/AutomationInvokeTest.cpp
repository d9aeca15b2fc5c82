#include <gtest/gtest.h>

#include <vector>

#include "platform/automation/DispatchImpl.h"
#include "platform/automation/VariantArray.h"

namespace vesk {
namespace {

// A small interface exercising each way a row can be called.
struct ITestThing : IDispatch {
    static constexpr IID kIid{0x7E570001, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}};
    virtual HRESULT Scale(int32_t value, int32_t mode, int32_t* result) = 0;
    virtual HRESULT get_Level(float* value) = 0;
    virtual HRESULT put_Level(float value) = 0;
    virtual HRESULT get_Item(int16_t index, VARIANT* value) = 0;
    virtual HRESULT put_Item(int16_t index, VARIANT value) = 0;
    virtual HRESULT Fill(SAFEARRAY** data) = 0;
    virtual HRESULT get_Name(BSTR* value) = 0;
};

const MemberRow kRows[] = {
    {1, "Scale", "method", "value long, mode ScaleMode = SCALE_DOUBLE", "long"},
    {2, "Level", "get/put", "", "float"},
    {3, "Item", "get/put", "index short", "VARIANT"},
    {4, "Fill", "method", "data SAFEARRAY(float)*", ""},
    {5, "Name", "get", "", "BSTR"},
};

}  // namespace

template <>
struct DispatchTraits<ITestThing> {
    static const InterfaceInfo& Info() {
        static TypeLibrary library("TestLib", {{"ScaleMode", {{"SCALE_SAME", 1}, {"SCALE_DOUBLE", 2}}}});
        static const InterfaceInfo& info = library.AddInterface("ITestThing", ITestThing::kIid, kRows);
        return info;
    }
    static std::span<const MemberBinding> Bindings() {
        static const MemberBinding bindings[] = {
            MethodResult<&ITestThing::Scale>(1), Get<&ITestThing::get_Level>(2), Put<&ITestThing::put_Level>(2),
            Get<&ITestThing::get_Item>(3),       Put<&ITestThing::put_Item>(3),   Method<&ITestThing::Fill>(4),
            Get<&ITestThing::get_Name>(5),
        };
        return bindings;
    }
};

namespace {

class TestThing : public RefCounted, public DispatchImpl<ITestThing> {
public:
    VESK_IUNKNOWN_IMPL(TestThing, ITestThing, IDispatch)
    HRESULT Scale(int32_t value, int32_t mode, int32_t* result) override {
        *result = value * mode;
        return S_OK;
    }
    HRESULT get_Level(float* value) override {
        *value = level;
        return S_OK;
    }
    HRESULT put_Level(float value) override {
        level = value;
        return S_OK;
    }
    HRESULT get_Item(int16_t index, VARIANT* value) override { return VariantCopy(value, &items.at(index)); }
    HRESULT put_Item(int16_t index, VARIANT value) override { return VariantCopy(&items.at(index), &value); }
    // Replaces the array by a new one of three ramps, as an out-array member does.
    HRESULT Fill(SAFEARRAY** data) override {
        seenCount = SafeArrayCount(*data);
        SafeArrayDestroy(*data);
        *data = SafeArrayCreateVector(VT_R4, 0, 3);
        for (int i = 0; i < 3; ++i) SafeArraySpan<float>(*data, VT_R4)[i] = static_cast<float>(i + 1);
        return S_OK;
    }
    HRESULT get_Name(BSTR* value) override {
        *value = AllocBstr("thing");
        return S_OK;
    }

    float level = 0;
    std::vector<Variant> items = std::vector<Variant>(4);
    uint32_t seenCount = 0;
};

struct Outcome {
    HRESULT hr;
    Variant result;
    uint32_t argError = 99;
};

// rgvarg in DISPPARAMS order: named arguments first, then positional ones last to first.
Outcome Call(IDispatch* object, DISPID id, uint16_t flags, std::vector<Variant> rgvarg,
             std::vector<DISPID> named = {}) {
    VariantArray args(rgvarg.size());
    for (size_t i = 0; i < rgvarg.size(); ++i) VariantCopy(&args[i], &rgvarg[i]);
    DISPPARAMS params{args.data(), named.data(), static_cast<uint32_t>(args.size()),
                      static_cast<uint32_t>(named.size())};
    Outcome out;
    out.hr = object->Invoke(id, GUID_NULL, 0, flags, &params, &out.result, nullptr, &out.argError);
    return out;
}

class InvokeEngine : public testing::Test {
protected:
    ComPtr<TestThing> thing = MakeCom<TestThing>();
};

TEST_F(InvokeEngine, MethodsCoerceArgumentsAndFillDefaults) {
    Outcome out = Call(thing.get(), 1, DISPATCH_METHOD, {Variant::String("3")});
    ASSERT_EQ(out.hr, S_OK);
    EXPECT_EQ(out.result.vt, VT_I4);
    EXPECT_EQ(out.result.lVal, 6);  // the enum default SCALE_DOUBLE

    out = Call(thing.get(), 1, DISPATCH_METHOD, {Variant::R8(1.0), Variant::I2(5)});
    EXPECT_EQ(out.result.lVal, 5);
    out = Call(thing.get(), 1, DISPATCH_METHOD, {Variant::Error(DISP_E_PARAMNOTFOUND), Variant::I4(4)});
    EXPECT_EQ(out.result.lVal, 8);  // a missing marker takes the default
    out = Call(thing.get(), 1, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {Variant::I4(2)});
    EXPECT_EQ(out.result.lVal, 4);
}

TEST_F(InvokeEngine, NamedArgumentsBindByParameterIndex) {
    Outcome out = Call(thing.get(), 1, DISPATCH_METHOD, {Variant::I4(3), Variant::I4(5)}, {1});
    ASSERT_EQ(out.hr, S_OK);
    EXPECT_EQ(out.result.lVal, 15);
    out = Call(thing.get(), 1, DISPATCH_METHOD, {Variant::I4(3)}, {1});
    EXPECT_EQ(out.hr, DISP_E_PARAMNOTOPTIONAL);  // value not given
    out = Call(thing.get(), 1, DISPATCH_METHOD, {Variant::I4(3), Variant::I4(5)}, {7});
    EXPECT_EQ(out.hr, DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(out.argError, 0u);
}

TEST_F(InvokeEngine, ReportsCountAndTypeErrors) {
    EXPECT_EQ(Call(thing.get(), 1, DISPATCH_METHOD, {}).hr, DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(thing.get(), 1, DISPATCH_METHOD, {Variant::I4(1), Variant::I4(1), Variant::I4(1)}).hr,
              DISP_E_BADPARAMCOUNT);
    Outcome out = Call(thing.get(), 1, DISPATCH_METHOD, {Variant::I4(1), Variant::String("abc")});
    EXPECT_EQ(out.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(out.argError, 1u);  // the first argument sits last in rgvarg
    out = Call(thing.get(), 1, DISPATCH_METHOD, {Variant::R8(1e12), Variant::I4(1)});
    EXPECT_EQ(out.hr, DISP_E_OVERFLOW);
    EXPECT_EQ(out.argError, 0u);
    EXPECT_EQ(Call(thing.get(), 99, DISPATCH_METHOD, {}).hr, DISP_E_MEMBERNOTFOUND);
}

TEST_F(InvokeEngine, PropertiesNeedTheirKind) {
    Outcome put = Call(thing.get(), 2, DISPATCH_PROPERTYPUT, {Variant::String("0.25")}, {DISPID_PROPERTYPUT});
    ASSERT_EQ(put.hr, S_OK);
    EXPECT_EQ(put.result.vt, VT_EMPTY);
    EXPECT_EQ(thing->level, 0.25f);
    Outcome get = Call(thing.get(), 2, DISPATCH_PROPERTYGET, {});
    EXPECT_EQ(get.result.vt, VT_R4);
    EXPECT_EQ(get.result.fltVal, 0.25f);
    EXPECT_EQ(Call(thing.get(), 2, DISPATCH_METHOD, {}).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Call(thing.get(), 1, DISPATCH_PROPERTYGET, {Variant::I4(1)}).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Call(thing.get(), 5, DISPATCH_PROPERTYPUT, {Variant::String("x")}, {DISPID_PROPERTYPUT}).hr,
              DISP_E_MEMBERNOTFOUND);
    Outcome name = Call(thing.get(), 5, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {});
    EXPECT_EQ(name.result.vt, VT_BSTR);
    EXPECT_EQ(name.result.ToUtf8(), "thing");
    Outcome bad = Call(thing.get(), 2, DISPATCH_PROPERTYPUT, {Variant::String("loud")}, {DISPID_PROPERTYPUT});
    EXPECT_EQ(bad.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(bad.argError, 0u);
}

TEST_F(InvokeEngine, IndexedPropertyTakesIndexBeforeValue) {
    Outcome put =
        Call(thing.get(), 3, DISPATCH_PROPERTYPUT, {Variant::String("x"), Variant::R8(2)}, {DISPID_PROPERTYPUT});
    ASSERT_EQ(put.hr, S_OK);
    EXPECT_EQ(thing->items[2].ToUtf8(), "x");
    Outcome get = Call(thing.get(), 3, DISPATCH_PROPERTYGET, {Variant::I4(2)});
    EXPECT_EQ(get.result.vt, VT_BSTR);  // a VARIANT row keeps what the member wrote
    EXPECT_EQ(get.result.ToUtf8(), "x");
    EXPECT_EQ(Call(thing.get(), 3, DISPATCH_PROPERTYGET, {}).hr, DISP_E_BADPARAMCOUNT);
}

TEST_F(InvokeEngine, ByRefArrayIsReplacedInTheCallersSlot) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_R4, 0, 1);
    Variant ref;
    ref.vt = VT_BYREF | VT_ARRAY | VT_R4;
    ref.pparray = &array;
    VARIANT rgvarg[1] = {ref};
    DISPPARAMS params{rgvarg, nullptr, 1, 0};
    ASSERT_EQ(thing->Invoke(4, GUID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(thing->seenCount, 1u);
    ASSERT_EQ(SafeArrayCount(array), 3u);
    EXPECT_EQ(SafeArraySpan<float>(array, VT_R4)[2], 3.0f);
    SafeArrayDestroy(array);

    // By value the member works on a copy; the caller's array stays as it was.
    Variant value = Variant::AdoptArray(SafeArrayCreateVector(VT_R4, 0, 2));
    EXPECT_EQ(Call(thing.get(), 4, DISPATCH_METHOD, {value}).hr, S_OK);
    EXPECT_EQ(thing->seenCount, 2u);
    EXPECT_EQ(SafeArrayCount(value.parray), 2u);
    Outcome wrong = Call(thing.get(), 4, DISPATCH_METHOD, {Variant::AdoptArray(SafeArrayCreateVector(VT_I2, 0, 2))});
    EXPECT_EQ(wrong.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(wrong.argError, 0u);
}

TEST_F(InvokeEngine, NamesResolveWithoutRegardToCase) {
    const OLECHAR* names[] = {u"sCaLe", u"MODE", u"value"};
    DISPID ids[3];
    ASSERT_EQ(thing->GetIDsOfNames(GUID_NULL, names, 3, 0, ids), S_OK);
    EXPECT_EQ(ids[0], 1);
    EXPECT_EQ(ids[1], 1);
    EXPECT_EQ(ids[2], 0);
    const OLECHAR* badParam[] = {u"Scale", u"volume"};
    EXPECT_EQ(thing->GetIDsOfNames(GUID_NULL, badParam, 2, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], 1);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
    const OLECHAR* unknown[] = {u"Explode"};
    EXPECT_EQ(thing->GetIDsOfNames(GUID_NULL, unknown, 1, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], DISPID_UNKNOWN);

    ComPtr<ITypeInfo> info;
    ASSERT_EQ(thing->GetTypeInfo(0, 0, info.put()), S_OK);
    EXPECT_EQ(info->Describe().name, "ITestThing");
}

}  // namespace
}  // namespace vesk
