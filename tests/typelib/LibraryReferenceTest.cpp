// The generated Markdown reference shows every interface and enumeration, with defaults written
// the way the tables read.
#include "objects/typelib/LibraryReference.h"

#include <gtest/gtest.h>

#include "objects/typelib/TypeLibrary.h"

namespace vesk {
namespace {

TEST(LibraryReference, ListsEveryInterfaceAndEnumeration) {
    std::string text = DescribeLibrary();
    for (const InterfaceInfo* info : VeskTypeLibrary().Interfaces()) {
        EXPECT_NE(text.find("### " + info->name + "\n"), std::string::npos) << info->name;
    }
    for (const EnumInfo& info : VeskTypeLibrary().Enums()) {
        EXPECT_NE(text.find("### " + info.name + "\n"), std::string::npos) << info.name;
    }
    EXPECT_EQ(text.rfind("# VESKAUDIOEDITORLib\n", 0), 0u);
    EXPECT_NE(text.find("| `G729` | 12 |"), std::string::npos);
    EXPECT_NE(text.find("`VeskAudioEditor.AudioEditor.1`"), std::string::npos);
}

TEST(LibraryReference, WritesRowsWithKindsAndDefaults) {
    std::string text = DescribeLibrary();
    EXPECT_NE(text.find("| 3 | `Save` | method | `fileName` BSTR, `Selected` VARIANT_BOOL = false, "
                        "`FormatType` FormatTypeConstants = `DEFAULT` | none |"),
              std::string::npos);
    EXPECT_NE(text.find("`Quality` short = -1 | none |"), std::string::npos);
    EXPECT_NE(text.find("`Note` BSTR = \"\""), std::string::npos);
    EXPECT_NE(text.find("| 1 | `Font` | property, get/put/putref | none | IFontDisp |"), std::string::npos);
    EXPECT_NE(text.find("| 15 | `GetCurrentArray` | method | `nSamples` long | SAFEARRAY(short) |"), std::string::npos);
}

}  // namespace
}  // namespace vesk
