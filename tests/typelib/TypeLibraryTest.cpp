// The parsed library against the published interface: interfaces and their row counts, enumeration
// values, defaults of optional parameters, event identifiers and the class descriptions.
#include "objects/typelib/TypeLibrary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "objects/typelib/AudioEditorInterface.h"

namespace vesk {
namespace {

const ParamInfo& Param(std::string_view interfaceName, std::string_view member, std::string_view param) {
    const MemberInfo* info = LibraryInterface(interfaceName).FindByName(member);
    if (!info) throw std::logic_error("no member " + std::string(member));
    for (const auto& p : info->params) {
        if (p.name == param) return p;
    }
    throw std::logic_error("no parameter " + std::string(param));
}

int32_t Constant(std::string_view name) { return VeskTypeLibrary().EnumValue(name).value_or(INT32_MIN); }

TEST(TypeLibrary, ParsesEveryInterfaceWithItsPublishedRowCount) {
    const std::map<std::string, size_t> expected = {
        {"IAudioEditor", 108},         {"_IAudioEditorEvents", 17},  {"IAudioEditorPosition", 10},
        {"IAudioEditorChannel", 4},    {"IAudioEditorMarkers", 13},  {"IAudioEditorScale", 5},
        {"IAudioEditorColors", 17},    {"IAudioEditorFileInfo", 17}, {"IAudioEditorDevice", 8},
        {"IAudioEditorDeviceLine", 9}, {"IAudioEditorRecorder", 15}, {"IAudioEditorLameMp3Encoder", 25},
    };
    const TypeLibrary& library = VeskTypeLibrary();
    EXPECT_EQ(library.Name(), "VESKAUDIOEDITORLib");
    ASSERT_EQ(library.Interfaces().size(), expected.size());
    for (const auto& [name, rows] : expected) {
        const InterfaceInfo* info = library.FindInterface(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_EQ(info->members.size(), rows) << name;
        EXPECT_EQ(info->dispatchOnly, name == "_IAudioEditorEvents") << name;
    }
    EXPECT_THROW(LibraryInterface("IAudioEditorNothing"), std::logic_error);
}

TEST(TypeLibrary, InterfaceIdsAreTheDeclaredOnesAndUnique) {
    EXPECT_EQ(LibraryInterface("IAudioEditor").iid, IAudioEditor::kIid);
    EXPECT_EQ(LibraryInterface("_IAudioEditorEvents").iid, IID_IAudioEditorEvents);
    EXPECT_EQ(LibraryInterface("IAudioEditorLameMp3Encoder").iid, IAudioEditorLameMp3Encoder::kIid);
    std::set<std::string> seen;
    for (const InterfaceInfo* info : VeskTypeLibrary().Interfaces()) {
        std::string bytes(reinterpret_cast<const char*>(&info->iid), sizeof(IID));
        EXPECT_TRUE(seen.insert(bytes).second) << info->name;
        EXPECT_NE(info->iid, LIBID_VeskAudioEditorLib) << info->name;
    }
}

TEST(TypeLibrary, RowsKeepPublishedOrderAndKinds) {
    const auto& members = LibraryInterface("IAudioEditor").members;
    EXPECT_EQ(members.front().name, "Open");
    EXPECT_EQ(members.back().name, "FileBufferSize");
    // The interface lists 155 and 156 before 153: vtable order, not identifier order.
    const MemberInfo* typeView = LibraryInterface("IAudioEditor").FindByName("TypeView");
    EXPECT_EQ((typeView + 1)->name, "TempDirectory");
    EXPECT_EQ(LibraryInterface("IAudioEditorScale").FindByName("font")->invokeKinds,
              DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    EXPECT_EQ(LibraryInterface("IAudioEditor").FindByName("ScaleX")->valueType, VT_DISPATCH);
    EXPECT_EQ(LibraryInterface("IAudioEditor").FindByName("GetCurrentArray")->valueType, VT_ARRAY | VT_I2);
    const ParamInfo& envelope = Param("IAudioEditor", "Envelope", "dbEnvelopeArray");
    EXPECT_EQ(envelope.type, VT_ARRAY | VT_R4);
    EXPECT_TRUE(envelope.byRef);
    EXPECT_EQ(Param("IAudioEditorDeviceLine", "AdvancedValue", "index").type, VT_I2);
    // The vtable-only members have no row.
    EXPECT_EQ(LibraryInterface("IAudioEditor").FindByName("PutSampleArray"), nullptr);
    EXPECT_EQ(LibraryInterface("IAudioEditor").FindByName("ClearSystemClipboard"), nullptr);
}

TEST(TypeLibrary, EnumerationsHaveThePublishedValues) {
    EXPECT_EQ(VeskTypeLibrary().Enums().size(), 17u);
    EXPECT_EQ(Constant("MP2"), 12);
    EXPECT_EQ(Constant("G729"), 12);
    EXPECT_EQ(Constant("WMA"), 11);
    EXPECT_EQ(Constant("ASPIDRIVER"), -21);
    EXPECT_EQ(Constant("INVALIDOPERATION"), -19);
    EXPECT_EQ(Constant("FQ_88_KHZ"), 88200);
    EXPECT_EQ(Constant("FQ_11_KHZ"), 11025);
    EXPECT_EQ(Constant("BR_350_KBPS"), 350);
    EXPECT_EQ(Constant("BR_NONE"), 0);
    EXPECT_EQ(Constant("vbCustom"), 99);
    EXPECT_EQ(Constant("VBR_NONE"), -1);
    EXPECT_EQ(Constant("ALF2CD_512_KBPS"), 4);
    EXPECT_EQ(Constant("MS_ADPCM"), 6);
    EXPECT_FALSE(VeskTypeLibrary().EnumValue("MP4").has_value());

    const EnumInfo* formats = VeskTypeLibrary().FindEnum("FormatTypeConstants");
    ASSERT_NE(formats, nullptr);
    ASSERT_EQ(formats->values.size(), 14u);
    EXPECT_EQ(formats->values[12].first, "WMA");  // listed before G729
    EXPECT_EQ(formats->values[13].first, "G729");
}

struct DefaultCase {
    const char* interfaceName;
    const char* member;
    const char* param;
    int32_t value;
};

TEST(TypeLibrary, OptionalParametersCarryTheirDefaults) {
    const DefaultCase cases[] = {
        {"IAudioEditor", "Open", "FormatType", 0},
        {"IAudioEditor", "Save", "Selected", 0},
        {"IAudioEditor", "Save", "FormatType", 0},
        {"IAudioEditor", "Play", "PlayType", 1},
        {"IAudioEditor", "Record", "RecordType", 2},
        {"IAudioEditor", "ZoomVertical", "Procent", 100},
        {"IAudioEditor", "Trim", "TrimParam", 2},
        {"IAudioEditor", "ConvertSampleType", "Frequency", 44100},
        {"IAudioEditor", "ConvertSampleType", "Channels", 2},
        {"IAudioEditor", "SetFormatOggVorbis", "Quality", -1},
        {"IAudioEditor", "SetFormatOggVorbis", "MinBitrate", 0},
        {"IAudioEditor", "SetFormatOggVorbis", "NominalBitrate", 128},
        {"IAudioEditor", "SetFormatMP2", "nChannels", 2},
        {"IAudioEditor", "SetFormatRAW", "BitsPerSample", 16},
        {"IAudioEditorMarkers", "Insert", "CodePage", 0},
        {"IAudioEditorLameMp3Encoder", "SetParamsFromAltPreset", "Preset", 0},
    };
    for (const auto& c : cases) {
        const ParamInfo& param = Param(c.interfaceName, c.member, c.param);
        EXPECT_TRUE(param.optional) << c.member << "." << c.param;
        EXPECT_EQ(param.defaultValue.ToInt(INT32_MIN), c.value) << c.member << "." << c.param;
        EXPECT_EQ(param.defaultValue.vt, param.type) << c.member << "." << c.param;
    }
    EXPECT_EQ(Param("IAudioEditor", "Save", "Selected").defaultValue.vt, VT_BOOL);
    EXPECT_EQ(Param("IAudioEditor", "SetFormatOggVorbis", "Quality").typeName, "short");
    EXPECT_FALSE(Param("IAudioEditor", "Save", "fileName").optional);
}

TEST(TypeLibrary, MarkerInsertNeedsThreeArgumentsAndDefaultsTheRest) {
    const MemberInfo* insert = LibraryInterface("IAudioEditorMarkers").FindByName("Insert");
    ASSERT_NE(insert, nullptr);
    ASSERT_EQ(insert->params.size(), 9u);
    EXPECT_EQ(insert->RequiredParams(), 3u);
    for (const char* text : {"Note", "Text"}) {
        const ParamInfo& param = Param("IAudioEditorMarkers", "Insert", text);
        EXPECT_EQ(param.defaultValue.vt, VT_BSTR) << text;
        EXPECT_EQ(param.defaultValue.ToUtf8(), "") << text;
    }
}

TEST(TypeLibrary, EventIdentifiersMatchTheEventTable) {
    const std::map<std::string, AudioEditorEvent> events = {
        {"DblClick", kDblClick},
        {"MouseDown", kMouseDown},
        {"MouseUp", kMouseUp},
        {"MouseMove", kMouseMove},
        {"Meter", kMeter},
        {"BlockOperation", kBlockOperation},
        {"ChangePosition", kChangePosition},
        {"EndPlay", kEndPlay},
        {"ChangePlayPosition", kChangePlayPosition},
        {"Error", kError},
        {"EndOperation", kEndOperation},
        {"MarkerClick", kMarkerClick},
        {"NewMarker", kNewMarker},
        {"GainChange", kGainChange},
        {"ScaleXClick", kScaleXClick},
        {"ScaleYClick", kScaleYClick},
        {"ChangeMarker", kChangeMarker},
    };
    const InterfaceInfo& table = LibraryInterface("_IAudioEditorEvents");
    for (const auto& [name, id] : events) {
        const MemberInfo* row = table.FindByName(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(row->id, id) << name;
        EXPECT_TRUE(row->IsMethod()) << name;
    }
    EXPECT_EQ(table.Find(15), nullptr);
    EXPECT_EQ(kScaleXClick, 16);
    EXPECT_EQ(kChangeMarker, 18);
    EXPECT_EQ(table.FindByName("MouseDown")->params[2].name, "x");
}

TEST(TypeLibrary, ClassesDescribeTheControlAndItsSubObjects) {
    auto classes = VeskClasses();
    ASSERT_EQ(classes.size(), 11u);
    EXPECT_STREQ(classes[0].name, "AudioEditor");
    EXPECT_STREQ(classes[0].description, "AudioEditor Class");
    EXPECT_STREQ(classes[0].defaultSource, "_IAudioEditorEvents");
    EXPECT_EQ(classes[0].clsid, CLSID_AudioEditor);
    std::set<std::string> ids;
    for (const auto& coclass : classes) {
        EXPECT_EQ(coclass.creatable, &coclass == &classes[0]) << coclass.name;
        EXPECT_EQ(std::string(coclass.name) + " Class", coclass.description);
        EXPECT_NE(VeskTypeLibrary().FindInterface(coclass.defaultInterface), nullptr) << coclass.name;
        EXPECT_TRUE(ids.insert(std::string(reinterpret_cast<const char*>(&coclass.clsid), sizeof(CLSID))).second);
    }
    EXPECT_STREQ(kAudioEditorProgId, "VeskAudioEditor.AudioEditor.1");
    EXPECT_STREQ(kAudioEditorVersionIndependentProgId, "VeskAudioEditor.AudioEditor");
}

}  // namespace
}  // namespace vesk
