// The effect table as the editor reads it: ranges in the table's notation, rows that continue
// or share an effect, and the real docs/effects.md against the control's type library.
#include <gtest/gtest.h>

#include "EffectTable.h"
#include "EffectTableText.h"
#include "objects/typelib/TypeLibrary.h"

namespace vesk::editor {
namespace {

EffectParameter Range(const std::string& text) {
    EffectParameter parameter;
    ParseRange(text, parameter);
    return parameter;
}

TEST(EffectTable, RangesInTheTablesNotation) {
    auto plain = Range("\u22121000..1000");
    ASSERT_TRUE(plain.minimum && plain.maximum);
    EXPECT_EQ(plain.minimum->Resolve(44100), -1000);
    EXPECT_EQ(plain.maximum->Resolve(44100), 1000);

    auto ofRate = Range("1..0.49 \u00d7 rate");
    EXPECT_FALSE(ofRate.minimum->timesRate);
    EXPECT_DOUBLE_EQ(ofRate.maximum->Resolve(44100), 21609);
    EXPECT_DOUBLE_EQ(Range("1..rate/2 each").maximum->Resolve(8000), 4000);

    auto remark = Range("0..10000 (\u2265 1 sample)");
    EXPECT_EQ(remark.maximum->value, 10000);
    auto signedList = Range("\u2212120..+40 each");
    EXPECT_EQ(signedList.minimum->value, -120);
    EXPECT_EQ(signedList.maximum->value, 40);

    EXPECT_EQ(Range("0, 1, 2").choices, (std::vector<double>{0, 1, 2}));
    auto any = Range("any (wrapped)");
    EXPECT_FALSE(any.minimum);
    EXPECT_FALSE(any.maximum);
    EXPECT_TRUE(Range("").choices.empty());
}

TEST(EffectTable, RowsContinueAndShareEffectsAndParameters) {
    const char* markdown =
        "# Title\n\n## Filters\n\n"
        "| Effect | Parameter | Unit | Range (clamped) | Default | Meaning |\n"
        "|---|---|---|---|---|---|\n"
        "| LowPass, HighPass | Frequency | Hz | 1..0.49 \u00d7 rate | 1000 | corner |\n"
        "| | Steepness | Q | 0.05..100 | 0.7 | |\n"
        "| Trim (TrimStart, TrimEnd) | Left, Right | factor | 0..1 each | 0.25, 0.75 | gains |\n"
        "| Silence | \u2014 | | | | zero |\n\n"
        "| Name | Value |\n|---|---|\n| NotAnEffect | 1 |\n";
    const EffectTable table = EffectTable::Parse(markdown);
    ASSERT_EQ(table.Effects().size(), 4u);
    const Effect* high = table.Find("HighPass");
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(high->section, "Filters");
    ASSERT_EQ(high->parameters.size(), 2u);
    EXPECT_EQ(high->parameters[1].name, "Steepness");
    EXPECT_EQ(high->parameters[1].defaultText, "0.7");
    const Effect* trim = table.Find("Trim");
    ASSERT_NE(trim, nullptr);
    ASSERT_EQ(trim->parameters.size(), 2u);
    EXPECT_EQ(trim->Find("Right")->defaultText, "0.75");
    EXPECT_EQ(trim->Find("Left")->unit, "factor");
    EXPECT_TRUE(table.Find("Silence")->parameters.empty());
    EXPECT_EQ(table.Find("NotAnEffect"), nullptr);
}

// The editor builds its effect dialogs from the document and calls the members it names: a
// renamed member or parameter on either side must show up here, not as a dead menu item.
TEST(EffectTable, EveryEffectOfTheDocumentIsAMemberWithTheseParameters) {
    const EffectTable table = EffectTable::Parse(EffectTableMarkdown());
    ASSERT_GE(table.Effects().size(), 28u);
    const InterfaceInfo* editor = VeskTypeLibrary().FindInterface("IAudioEditor");
    for (const Effect& effect : table.Effects()) {
        const MemberInfo* member = editor->FindByName(effect.member);
        ASSERT_NE(member, nullptr) << effect.member;
        for (const EffectParameter& parameter : effect.parameters) {
            const bool known = std::any_of(member->params.begin(), member->params.end(),
                                           [&](const ParamInfo& p) { return p.name == parameter.name; });
            EXPECT_TRUE(known) << effect.member << "." << parameter.name;
            EXPECT_FALSE(parameter.defaultText.empty()) << effect.member << "." << parameter.name;
            if (parameter.minimum && parameter.maximum) {
                EXPECT_LE(parameter.minimum->Resolve(8000), parameter.maximum->Resolve(8000)) << effect.member;
            }
        }
        // Every parameter of the call is described, but the enumeration that picks the ends.
        for (const ParamInfo& param : member->params) {
            if (VeskTypeLibrary().FindEnum(param.typeName)) continue;
            EXPECT_NE(effect.Find(param.name), nullptr) << effect.member << "." << param.name;
        }
    }
}

}  // namespace
}  // namespace vesk::editor
