#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/automation/TypeInfo.h"

namespace vesk {
namespace {

TypeLibrary MakeLibrary() {
    return TypeLibrary("TestLib", {{"PlayMode", {{"NORMAL", 0}, {"LOOP", 2}}}, {"Items", {{"ITEM_A", 5}}}});
}

constexpr IID kIid{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};

TEST(TypeLibraryRows, ParsesTypesKindsAndDefaults) {
    const MemberRow rows[] = {
        {1, "Open", "method", "fileName BSTR, Mode PlayMode = LOOP, Selected VARIANT_BOOL = false", ""},
        {2, "Level", "get/put", "", "float"},
        {3, "Font", "get/put/putref", "", "IFontDisp"},
        {4, "Samples", "method", "nSamples long", "SAFEARRAY(short)"},
        {5, "Envelope", "method", "data SAFEARRAY(float)*, gain float = 0.5, label BSTR = \"a, b\"", ""},
        {6, "Color", "get", "index short, spare VARIANT = 3", "OLE_COLOR"},
    };
    TypeLibrary lib = MakeLibrary();
    const InterfaceInfo& info = lib.AddInterface("ITest", kIid, rows);
    ASSERT_EQ(info.members.size(), 6u);

    const MemberInfo& open = info.members[0];
    EXPECT_TRUE(open.IsMethod());
    EXPECT_EQ(open.valueType, VT_EMPTY);
    ASSERT_EQ(open.params.size(), 3u);
    EXPECT_EQ(open.RequiredParams(), 1u);
    EXPECT_EQ(open.params[1].type, VT_I4);
    EXPECT_EQ(open.params[1].typeName, "PlayMode");
    EXPECT_EQ(open.params[1].defaultValue.vt, VT_I4);
    EXPECT_EQ(open.params[1].defaultValue.lVal, 2);
    EXPECT_EQ(open.params[2].defaultValue.vt, VT_BOOL);
    EXPECT_EQ(open.params[2].defaultValue.boolVal, 0);

    EXPECT_EQ(info.members[1].invokeKinds, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT);
    EXPECT_EQ(info.members[1].valueType, VT_R4);
    EXPECT_EQ(info.members[2].invokeKinds, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    EXPECT_EQ(info.members[2].valueType, VT_DISPATCH);
    EXPECT_EQ(info.members[3].valueType, VT_ARRAY | VT_I2);

    const MemberInfo& envelope = info.members[4];
    EXPECT_EQ(envelope.params[0].type, VT_ARRAY | VT_R4);
    EXPECT_TRUE(envelope.params[0].byRef);
    EXPECT_EQ(envelope.params[1].defaultValue.vt, VT_R4);
    EXPECT_EQ(envelope.params[1].defaultValue.fltVal, 0.5f);
    EXPECT_EQ(envelope.params[2].defaultValue.ToUtf8(), "a, b");

    EXPECT_EQ(info.members[5].valueType, VT_UI4);
    EXPECT_EQ(info.members[5].params[1].defaultValue.vt, VT_I4);  // a VARIANT keeps the literal's type
}

TEST(TypeLibraryRows, LooksUpMembersInterfacesAndEnumsByName) {
    const MemberRow rows[] = {{7, "ZoomIn", "method", "", ""}};
    TypeLibrary lib = MakeLibrary();
    const InterfaceInfo& info = lib.AddInterface("ITest", kIid, rows);
    EXPECT_EQ(info.FindByName("zoomin"), &info.members[0]);
    EXPECT_EQ(info.Find(7), &info.members[0]);
    EXPECT_EQ(info.Find(8), nullptr);
    EXPECT_EQ(info.FindByName("Zoom"), nullptr);
    EXPECT_EQ(lib.FindInterface("ITest"), &info);
    ASSERT_EQ(lib.Interfaces().size(), 1u);
    EXPECT_EQ(lib.EnumValue("ITEM_A"), 5);
    EXPECT_EQ(lib.EnumValue("MISSING"), std::nullopt);
    EXPECT_TRUE(NamesEqual("AbC", "aBc"));
    EXPECT_FALSE(NamesEqual("Ab", "Abc"));
}

TEST(TypeLibraryRows, RejectsBadRowsNamingThem) {
    struct Bad {
        MemberRow row;
        const char* why;
    };
    const Bad cases[] = {
        {{1, "Unknown", "method", "x widget", ""}, "unknown type"},
        {{1, "Kind", "property", "", "long"}, "bad kind"},
        {{1, "Twice", "get/get", "", "long"}, "bad kind"},
        {{1, "NoType", "method", "x", ""}, "without a type"},
        {{1, "Fit", "method", "x long = \"abc\"", ""}, "does not fit"},
        {{1, "Default", "method", "x long = NOT_A_CONSTANT", ""}, "unknown default"},
        {{1, "Order", "method", "x long = 1, y long", ""}, "after an optional"},
        {{1, "Quote", "method", "x BSTR = \"abc", ""}, "unterminated"},
        {{1, "Pointer", "method", "x long*", ""}, "by reference"},
        {{1, "Element", "method", "x SAFEARRAY(IFontDisp)", ""}, "unsupported array"},
        {{1, "Valueless", "get", "", ""}, "without a value type"},
    };
    for (const Bad& c : cases) {
        TypeLibrary lib = MakeLibrary();
        try {
            lib.AddInterface("ITest", kIid, std::span(&c.row, 1));
            ADD_FAILURE() << c.row.name << " was accepted";
        } catch (const std::logic_error& e) {
            EXPECT_THAT(e.what(), testing::HasSubstr(c.row.name));
            EXPECT_THAT(e.what(), testing::HasSubstr(c.why));
        }
    }
    const MemberRow duplicate[] = {{1, "A", "method", "", ""}, {1, "B", "method", "", ""}};
    TypeLibrary lib = MakeLibrary();
    EXPECT_THROW(lib.AddInterface("ITest", kIid, duplicate), std::logic_error);
}

}  // namespace
}  // namespace vesk
