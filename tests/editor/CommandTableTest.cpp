// The command table and the save formats against the control's type library: every member they
// name exists and takes the arguments they give.
#include <gtest/gtest.h>

#include <set>

#include "CommandTable.h"
#include "FileFormats.h"
#include "objects/typelib/TypeLibrary.h"

namespace vesk::editor {
namespace {

const MemberInfo* Member(const std::string& name) {
    return VeskTypeLibrary().FindInterface("IAudioEditor")->FindByName(name);
}

TEST(CommandTable, CommandsCallMembersThatExistWithArgumentsTheyTake) {
    std::set<std::string> actions;
    std::set<std::string> accelerators;
    for (const Command& command : Commands()) {
        EXPECT_TRUE(actions.insert(command.action).second) << "twice: " << command.action;
        for (const std::string& accelerator : command.accelerators) {
            EXPECT_TRUE(accelerators.insert(accelerator).second) << "shortcut taken twice: " << accelerator;
        }
        EXPECT_NE(std::find(MenuNames().begin(), MenuNames().end(), command.menu), MenuNames().end()) << command.action;
        EXPECT_FALSE(command.verb.empty()) << command.action;
        if (command.kind == Command::Kind::Handler && command.member.empty()) continue;
        const MemberInfo* member = Member(command.member);
        ASSERT_NE(member, nullptr) << command.action << " calls " << command.member;
        EXPECT_TRUE(member->IsMethod()) << command.member;
        if (command.kind == Command::Kind::Call) {
            EXPECT_GE(command.arguments.size(), member->RequiredParams()) << command.action;
            EXPECT_LE(command.arguments.size(), member->params.size()) << command.action;
        }
        for (const auto& [parameter, value] : command.startValues) {
            const bool known = std::any_of(member->params.begin(), member->params.end(),
                                           [&](const ParamInfo& p) { return p.name == parameter; });
            EXPECT_TRUE(known) << command.action << " starts unknown parameter " << parameter;
        }
    }
    EXPECT_EQ(FindCommand("undo")->member, "Undo");
    EXPECT_EQ(FindCommand("nothing"), nullptr);
}

TEST(CommandTable, KeysATextFieldTypesAreTypingKeys) {
    for (const char* typing : {"space", "<Shift>space", "Delete", "Escape", "<Control>a", "<Control>z",
                               "<Control><Shift>z", "<Control>y", "<Control><Shift>C"}) {
        EXPECT_TRUE(IsTypingKey(typing)) << typing;
    }
    for (const char* global : {"<Control>o", "<Control><Shift>s", "<Control>plus", "<Control>0", "F9", "Pause",
                               "<Alt>a"}) {
        EXPECT_FALSE(IsTypingKey(global)) << global;
    }
}

TEST(FileFormats, SavedFormatsAskTheSettingsOfTheirSetFormatMember) {
    EXPECT_EQ(FormatMemberFor("/a/b/Song.MP3"), "SetFormatMP3");
    EXPECT_EQ(FormatMemberFor("take.wav"), "SetFormatPCM");
    EXPECT_EQ(FormatMemberFor("archive.flac"), "");
    EXPECT_EQ(FormatMemberFor("no-extension"), "");
    for (const std::string name : {"a.wav", "a.mp3", "a.ogg", "a.mp2", "a.vox", "a.gsm", "a.raw", "a.wma"}) {
        const std::string member = FormatMemberFor(name);
        ASSERT_NE(Member(member), nullptr) << name << " -> " << member;
    }
}

}  // namespace
}  // namespace vesk::editor
