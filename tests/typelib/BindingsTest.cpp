// The bindings against the tables: every kind of every row has exactly one binding, every
// binding has a row, argument counts agree, and a binding reaches the member it names (directly and
// through the table-driven IDispatch).
#include "objects/typelib/Bindings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace vesk {
namespace {

constexpr uint16_t kKinds[] = {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF};

template <class I>
class InterfaceBindings : public testing::Test {
protected:
    const InterfaceInfo& info = DispatchTraits<I>::Info();
    std::span<const MemberBinding> bindings = DispatchTraits<I>::Bindings();

    const MemberBinding* FindBinding(DISPID id, uint16_t kind) const {
        for (const auto& binding : bindings) {
            if (binding.id == id && binding.kind == kind) return &binding;
        }
        return nullptr;
    }
};

using DualInterfaces = testing::Types<IAudioEditor, IAudioEditorPosition, IAudioEditorChannel, IAudioEditorMarkers,
                                      IAudioEditorScale, IAudioEditorColors, IAudioEditorFileInfo, IAudioEditorDevice,
                                      IAudioEditorDeviceLine, IAudioEditorRecorder, IAudioEditorLameMp3Encoder>;
TYPED_TEST_SUITE(InterfaceBindings, DualInterfaces);

TYPED_TEST(InterfaceBindings, InfoIsTheInterfacesOwnTable) {
    EXPECT_EQ(this->info.iid, TypeParam::kIid);
    EXPECT_FALSE(this->info.dispatchOnly);
}

TYPED_TEST(InterfaceBindings, DispatchIdentifiersAreUniquePerKind) {
    for (uint16_t kind : kKinds) {
        std::set<DISPID> ids;
        for (const auto& member : this->info.members) {
            if (member.invokeKinds & kind) {
                EXPECT_TRUE(ids.insert(member.id).second) << member.name;
            }
        }
    }
}

TYPED_TEST(InterfaceBindings, EveryRowKindHasOneBindingWithTheRowsArgumentCount) {
    for (const auto& member : this->info.members) {
        for (uint16_t kind : kKinds) {
            if (!(member.invokeKinds & kind)) continue;
            const MemberBinding* binding = this->FindBinding(member.id, kind);
            ASSERT_NE(binding, nullptr) << member.name << " kind " << kind;
            // A put or putref takes the new value after the row's parameters.
            bool takesValue = kind == DISPATCH_PROPERTYPUT || kind == DISPATCH_PROPERTYPUTREF;
            EXPECT_EQ(binding->argCount, member.params.size() + (takesValue ? 1 : 0)) << member.name;
        }
    }
}

TYPED_TEST(InterfaceBindings, EveryBindingHasARowAndNoneRepeats) {
    std::set<std::pair<DISPID, uint16_t>> seen;
    for (const auto& binding : this->bindings) {
        const MemberInfo* member = this->info.Find(binding.id);
        ASSERT_NE(member, nullptr) << "dispid " << binding.id;
        EXPECT_TRUE(member->invokeKinds & binding.kind) << member->name;
        EXPECT_TRUE(seen.insert({binding.id, binding.kind}).second) << member->name;
    }
}

// Answers every member with a value derived from its name, so that a binding bound to the
// wrong member is seen.
class RecordingPosition : public IAudioEditorPosition {
public:
    std::string called;
    int32_t received = 0;

    HRESULT QueryInterface(const IID&, void**) override { return E_NOINTERFACE; }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    HRESULT GetTypeInfoCount(uint32_t*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(uint32_t, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(const IID&, const OLECHAR* const*, uint32_t, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, const IID&, LCID, uint16_t, DISPPARAMS*, VARIANT*, EXCEPINFO*, uint32_t*) override {
        return E_NOTIMPL;
    }

    HRESULT get_StartSelect(int32_t* v) override { return Get("get_StartSelect", v, 101); }
    HRESULT put_StartSelect(int32_t v) override { return Put("put_StartSelect", v); }
    HRESULT get_EndSelect(int32_t* v) override { return Get("get_EndSelect", v, 102); }
    HRESULT put_EndSelect(int32_t v) override { return Put("put_EndSelect", v); }
    HRESULT get_StartView(int32_t* v) override { return Get("get_StartView", v, 103); }
    HRESULT put_StartView(int32_t v) override { return Put("put_StartView", v); }
    HRESULT get_EndView(int32_t* v) override { return Get("get_EndView", v, 104); }
    HRESULT put_EndView(int32_t v) override { return Put("put_EndView", v); }
    HRESULT get_Selected(VARIANT_BOOL* v) override { return Get("get_Selected", v, VARIANT_TRUE); }
    HRESULT put_Selected(VARIANT_BOOL v) override { return Put("put_Selected", v); }
    HRESULT get_TotalSamples(int32_t* v) override { return Get("get_TotalSamples", v, 106); }
    HRESULT get_CurrentPosition(int32_t* v) override { return Get("get_CurrentPosition", v, 107); }
    HRESULT put_CurrentPosition(int32_t v) override { return Put("put_CurrentPosition", v); }
    HRESULT SecToSamples(int32_t ms, int32_t* frames) override {
        return Put("SecToSamples", ms), *frames = ms * 8, S_OK;
    }
    HRESULT SamplesToSec(int32_t frames, int32_t* ms) override {
        return Put("SamplesToSec", frames), *ms = frames / 8, S_OK;
    }
    HRESULT GoToMarker(int32_t num) override { return Put("GoToMarker", num); }

private:
    template <class T>
    HRESULT Get(const char* name, T* out, T value) {
        called = name;
        *out = value;
        return S_OK;
    }
    HRESULT Put(const char* name, int32_t value) {
        called = name;
        received = value;
        return S_OK;
    }
};

class PositionBindings : public testing::Test {
protected:
    // Calls the binding of (id, kind) with args in forward order, as the Invoke engine does.
    HRESULT Call(DISPID id, uint16_t kind, std::initializer_list<Variant> args = {}) {
        std::vector<Variant> coerced(args);
        for (const auto& binding : DispatchTraits<IAudioEditorPosition>::Bindings()) {
            if (binding.id != id || binding.kind != kind) continue;
            return binding.call(static_cast<IAudioEditorPosition*>(&fake), coerced.data(), &result);
        }
        return DISP_E_MEMBERNOTFOUND;
    }

    RecordingPosition fake;
    VARIANT result{};
};

TEST_F(PositionBindings, PropertyGetsAndPutsReachTheirOwnAccessors) {
    ASSERT_EQ(Call(2, DISPATCH_PROPERTYGET), S_OK);
    EXPECT_EQ(fake.called, "get_EndSelect");
    EXPECT_EQ(result.lVal, 102);
    ASSERT_EQ(Call(7, DISPATCH_PROPERTYPUT, {Variant::I4(-5)}), S_OK);
    EXPECT_EQ(fake.called, "put_CurrentPosition");
    EXPECT_EQ(fake.received, -5);
    ASSERT_EQ(Call(5, DISPATCH_PROPERTYGET), S_OK);
    EXPECT_EQ(result.iVal, VARIANT_TRUE);
}

TEST_F(PositionBindings, MethodsPassArgumentsAndReturnTheirResult) {
    ASSERT_EQ(Call(8, DISPATCH_METHOD, {Variant::I4(1000)}), S_OK);
    EXPECT_EQ(fake.called, "SecToSamples");
    EXPECT_EQ(result.lVal, 8000);
    ASSERT_EQ(Call(10, DISPATCH_METHOD, {Variant::I4(3)}), S_OK);
    EXPECT_EQ(fake.called, "GoToMarker");
    EXPECT_EQ(fake.received, 3);
    EXPECT_EQ(Call(6, DISPATCH_PROPERTYPUT, {Variant::I4(1)}), DISP_E_MEMBERNOTFOUND);  // TotalSamples is read-only
}

// A channel object that gets IDispatch from its table, as the sub-objects do.
class TableChannel : public DispatchImpl<IAudioEditorChannel>, public RefCounted {
public:
    VESK_IUNKNOWN_IMPL(TableChannel, IAudioEditorChannel, IDispatch)
    int16_t num = 1;

    HRESULT get_Count(int16_t* value) override { return *value = 2, S_OK; }
    HRESULT get_Num(int16_t* value) override { return *value = num, S_OK; }
    HRESULT put_Num(int16_t value) override { return num = value, S_OK; }
    HRESULT get_Visible(VARIANT_BOOL* value) override { return *value = VARIANT_TRUE, S_OK; }
    HRESULT put_Visible(VARIANT_BOOL) override { return S_OK; }
    HRESULT get_Operation(VARIANT_BOOL* value) override { return *value = VARIANT_TRUE, S_OK; }
    HRESULT put_Operation(VARIANT_BOOL) override { return S_OK; }
};

TEST(TableDispatch, NamesAndCallsGoThroughTheLibraryTable) {
    auto channel = MakeCom<TableChannel>();
    std::u16string name = u"NUM";
    const OLECHAR* names[] = {name.c_str()};
    DISPID id = 0;
    ASSERT_EQ(channel->GetIDsOfNames(GUID_NULL, names, 1, 0, &id), S_OK);
    EXPECT_EQ(id, 2);

    Variant value = Variant::I4(2);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS put{&value, &named, 1, 1};
    ASSERT_EQ(channel->Invoke(id, GUID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(channel->num, 2);

    Variant result;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    ASSERT_EQ(channel->Invoke(id, GUID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr), S_OK);
    EXPECT_EQ(result.vt, VT_I2);
    EXPECT_EQ(result.iVal, 2);
}

}  // namespace
}  // namespace vesk
