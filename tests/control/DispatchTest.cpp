// The control as a late-bound host sees it: every member of IAudioEditor and of every
// sub-object interface answers through GetIDsOfNames and Invoke, optional parameters take
// their defaults, arguments are coerced, and bad calls get DISP_E_* errors.
#include "ControlTestSupport.h"
#include "objects/typelib/TypeLibrary.h"

namespace vesk {
namespace {

using test::ControlFixture;

DISPID IdOf(IDispatch* object, const std::string& name) {
    std::u16string wide = Utf8ToUtf16(name);
    const OLECHAR* names[] = {wide.c_str()};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(object->GetIDsOfNames(GUID_NULL, names, 1, 0, &id), S_OK) << name;
    return id;
}

// A harmless value of a parameter's type.
Variant SampleArgument(const ParamInfo& param, IDispatch* self) {
    if (param.type & VT_ARRAY) return Variant::AdoptArray(SafeArrayCreateVector(param.type & VT_TYPEMASK, 0, 2));
    switch (param.type) {
        case VT_BSTR: return Variant::String("");
        case VT_R4: return Variant::R4(1.0f);
        case VT_BOOL: return Variant::Bool(false);
        case VT_DISPATCH: return Variant::Dispatch(self);
        case VT_VARIANT: return Variant::I4(0);
        default: return Variant::I4(1);
    }
}

// Like every caller of Invoke, frees what the result held before (Invoke does not).
HRESULT Call(IDispatch* object, DISPID id, uint16_t flags, std::vector<Variant> args, Variant* result) {
    VariantClear(result);
    std::reverse(args.begin(), args.end());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{args.data(), nullptr, static_cast<uint32_t>(args.size()), 0};
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    uint32_t argError = 0;
    return object->Invoke(id, GUID_NULL, 0, flags, &params, result, nullptr, &argError);
}

// Calls every kind of every member of `object`'s interface, by the id its name maps to.
void InvokeEveryMember(IDispatch* object, const InterfaceInfo& info) {
    for (const MemberInfo& member : info.members) {
        DISPID id = IdOf(object, member.name);
        EXPECT_EQ(id, member.id) << info.name << "." << member.name;
        std::vector<Variant> args;
        for (const ParamInfo& param : member.params) args.push_back(SampleArgument(param, object));
        for (uint16_t kind : {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF}) {
            if (!(member.invokeKinds & kind)) continue;
            std::vector<Variant> callArgs = args;
            if (kind == DISPATCH_PROPERTYPUT || kind == DISPATCH_PROPERTYPUTREF) {
                // Put back what a get answers where there is one, so that no setting changes.
                Variant value;
                if (member.invokeKinds & DISPATCH_PROPERTYGET) {
                    Call(object, id, DISPATCH_PROPERTYGET, args, &value);
                } else {
                    value = SampleArgument(ParamInfo{"", member.valueType}, object);
                }
                callArgs.push_back(value);
            }
            Variant result;
            EXPECT_EQ(Call(object, id, kind, callArgs, &result), S_OK) << info.name << "." << member.name << " kind " << kind;
        }
    }
}

class DispatchTest : public ControlFixture {
protected:
    IDispatch* Control() { return static_cast<IAudioEditor*>(control.get()); }

    ComPtr<IDispatch> SubObject(const char* property) {
        Variant value;
        EXPECT_EQ(Call(Control(), IdOf(Control(), property), DISPATCH_PROPERTYGET, {}, &value), S_OK);
        EXPECT_EQ(value.vt, VT_DISPATCH);
        return ComPtr<IDispatch>(value.pdispVal);
    }
};

TEST_F(DispatchTest, EveryMemberOfEveryInterfaceAnswers) {
    control->New(44100, 2);
    const char* properties[] = {"ScaleX", "ScaleY", "Colors", "FileInfo", "DeviceInput", "DeviceOutput",
                                "Recorder", "Position", "Channels", "Markers", "Mp3LameEncoder"};
    for (const char* property : properties) {
        ComPtr<IDispatch> object = SubObject(property);
        ASSERT_TRUE(object) << property;
        ComPtr<ITypeInfo> typeInfo;
        ASSERT_EQ(object->GetTypeInfo(0, 0, typeInfo.put()), S_OK);
        InvokeEveryMember(object.get(), typeInfo->Describe());
    }
    ComPtr<IDispatch> lines;
    {
        Variant value;
        ComPtr<IDispatch> device = SubObject("DeviceInput");
        Call(device.get(), IdOf(device.get(), "DeviceLines"), DISPATCH_PROPERTYGET, {}, &value);
        lines = ComPtr<IDispatch>(value.pdispVal);
    }
    ASSERT_TRUE(lines);
    InvokeEveryMember(lines.get(), LibraryInterface("IAudioEditorDeviceLine"));
    InvokeEveryMember(Control(), LibraryInterface("IAudioEditor"));
}

TEST_F(DispatchTest, NamesAreCaseInsensitiveAndUnknownNamesFail) {
    EXPECT_EQ(IdOf(Control(), "filebuffersize"), 501);
    EXPECT_EQ(IdOf(Control(), "NEW"), 2);
    std::u16string unknown = u"NoSuchMember";
    const OLECHAR* names[] = {unknown.c_str()};
    DISPID id = 0;
    EXPECT_EQ(Control()->GetIDsOfNames(GUID_NULL, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
    Variant result;
    EXPECT_EQ(Call(Control(), 9999, DISPATCH_METHOD, {}, &result), DISP_E_MEMBERNOTFOUND);
}

TEST_F(DispatchTest, ArgumentsAreCoercedAndCountsChecked) {
    Variant result;
    // Strings and doubles become the long the table asks for.
    EXPECT_EQ(Call(Control(), 2, DISPATCH_METHOD, {Variant::String("22050"), Variant::R8(1.0)}, &result), S_OK);
    EXPECT_EQ(control->Doc().Frequency(), 22050);
    EXPECT_EQ(Call(Control(), 501, DISPATCH_PROPERTYPUT, {Variant::R8(2500.5)}, &result), S_OK);
    int32_t size = 0;
    control->get_FileBufferSize(&size);
    EXPECT_EQ(size, 2500);  // banker's rounding: 2500.5 -> 2500

    EXPECT_EQ(Call(Control(), 2, DISPATCH_METHOD, {Variant::I4(8000)}, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(Control(), 4, DISPATCH_METHOD, {Variant::I4(1)}, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(Control(), 2, DISPATCH_METHOD, {Variant::String("many"), Variant::I4(1)}, &result),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Call(Control(), 501, DISPATCH_PROPERTYPUT, {Variant::R8(1e12)}, &result), DISP_E_OVERFLOW);
    // Status is read-only.
    EXPECT_EQ(Call(Control(), 222, DISPATCH_PROPERTYPUT, {Variant::I2(1)}, &result), DISP_E_MEMBERNOTFOUND);
}

TEST_F(DispatchTest, PropertiesAnswerWithTheirTypes) {
    Variant result;
    ASSERT_EQ(Call(Control(), 501, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 10001);
    ASSERT_EQ(Call(Control(), 280, DISPATCH_PROPERTYGET, {}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_BOOL);
    ASSERT_EQ(Call(Control(), 222, DISPATCH_PROPERTYGET, {}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_I2);
    ASSERT_EQ(Call(Control(), 153, DISPATCH_PROPERTYGET, {}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_BSTR);
    EXPECT_EQ(result.ToUtf8(), scratch.WithSlash());
    // GetCurrentArray with no sound loaded returns nothing.
    ASSERT_EQ(Call(Control(), 15, DISPATCH_METHOD, {Variant::I4(10)}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_EMPTY);
}

TEST_F(DispatchTest, SubObjectsAreTheHeldInstancesUntilTheHostReplacesThem) {
    ComPtr<IDispatch> first = SubObject("ScaleX");
    ComPtr<IDispatch> second = SubObject("ScaleX");
    EXPECT_EQ(first.get(), second.get());
    ComPtr<IDispatch> other = SubObject("ScaleY");
    Variant result;
    ASSERT_EQ(Call(Control(), 200, DISPATCH_PROPERTYPUT, {Variant::Dispatch(other.get())}, &result), S_OK);
    EXPECT_EQ(SubObject("ScaleX").get(), other.get());
}

TEST_F(DispatchTest, OptionalParametersMayBeLeftOut) {
    Variant result;
    // ZoomVertical(Procent = 100), ConvertSampleType(44100, 2), Play(NORMALPLAY): all answer.
    EXPECT_EQ(Call(Control(), 24, DISPATCH_METHOD, {}, &result), S_OK);
    EXPECT_EQ(Call(Control(), 54, DISPATCH_METHOD, {}, &result), S_OK);
    EXPECT_EQ(Call(Control(), 10, DISPATCH_METHOD, {}, &result), S_OK);
    // Markers.Insert with only its three required parameters gives empty note and text.
    control->New(44100, 2);
    ComPtr<IDispatch> markers = SubObject("Markers");
    ASSERT_EQ(Call(markers.get(), 12, DISPATCH_METHOD, {Variant::I4(5), Variant::I4(0), Variant::String("cue")}, &result),
              S_OK);
    ASSERT_EQ(Call(markers.get(), 7, DISPATCH_PROPERTYGET, {}, &result), S_OK);
    EXPECT_EQ(result.ToUtf8(), "");
    ASSERT_EQ(Call(markers.get(), 1, DISPATCH_PROPERTYGET, {}, &result), S_OK);
    EXPECT_EQ(result.lVal, 1);
}

TEST_F(DispatchTest, EventsReachAdvisedSinksUntilUnadvised) {
    control->New(8000, 1);
    EXPECT_EQ(events->Count(kEndOperation), 1);
    ComPtr<IDispatch> position = SubObject("Position");
    Variant result;
    const int before = events->Count(kChangePosition);
    Call(position.get(), 1, DISPATCH_PROPERTYPUT, {Variant::I4(0)}, &result);
    EXPECT_EQ(events->Count(kChangePosition), before + 1);
    UnadviseSink(static_cast<IAudioEditor*>(control.get()), IID_IAudioEditorEvents, cookie);
    control->New(8000, 1);
    EXPECT_EQ(events->Count(kEndOperation), 1);
}

}  // namespace
}  // namespace vesk
