// Member forms: the call order and types come from the type library, ranges and starting values
// from the effect table or the host, and the texts of the widgets become the call's arguments.
#include <gtest/gtest.h>

#include "EffectTableText.h"
#include "MemberForm.h"
#include "objects/typelib/TypeLibrary.h"

namespace vesk::editor {
namespace {

const MemberInfo& Member(const std::string& name) {
    return *VeskTypeLibrary().FindInterface("IAudioEditor")->FindByName(name);
}

const EffectTable& Effects() {
    static const EffectTable table = EffectTable::Parse(EffectTableMarkdown());
    return table;
}

MemberForm EffectForm(const std::string& name, double rate = 44100) {
    return MemberForm::For(Member(name), Effects().Find(name), VeskTypeLibrary(), rate);
}

TEST(MemberForm, ShelfFiltersTakeTheCallOrderNotTheTables) {
    // The table lists dbGain first; the method takes Frequency first.
    const MemberForm form = EffectForm("LowShelfFilter", 48000);
    ASSERT_EQ(form.fields.size(), 3u);
    EXPECT_EQ(form.fields[0].name, "Frequency");
    EXPECT_EQ(form.fields[0].label, "Frequency (Hz)");
    EXPECT_DOUBLE_EQ(form.fields[0].maximum, 0.49 * 48000);
    EXPECT_EQ(form.fields[1].name, "dbGain");
    EXPECT_EQ(form.fields[1].minimum, -60);
    EXPECT_EQ(form.fields[1].initial, "6");
    EXPECT_FALSE(form.fields[1].tooltip.empty());
}

TEST(MemberForm, FieldKindsFollowTheParameterTypes) {
    const MemberForm noise = EffectForm("AddNoise");
    EXPECT_EQ(noise.fields[1].kind, FormField::Kind::Choice);  // the table's "0, 1, 2"
    EXPECT_EQ(noise.fields[1].choices.size(), 3u);
    EXPECT_EQ(EffectForm("Normalize").fields[1].kind, FormField::Kind::Flag);
    EXPECT_EQ(EffectForm("Envelope").fields[0].kind, FormField::Kind::NumberList);
    EXPECT_EQ(EffectForm("Trim").fields[1].kind, FormField::Kind::WholeNumber);

    // An enumeration offers its constants; the library's default or the host's value starts it.
    const MemberForm mp3 = MemberForm::For(Member("SetFormatMP3"), nullptr, VeskTypeLibrary(), 44100,
                                           {{"Frequency", "22050"}});
    EXPECT_EQ(mp3.fields[0].kind, FormField::Kind::Choice);
    EXPECT_EQ(mp3.fields[0].initial, "22050");
    EXPECT_EQ(mp3.fields[1].initial, "128");  // BR_128_KBPS
    const auto named = std::find_if(mp3.fields[1].choices.begin(), mp3.fields[1].choices.end(),
                                    [](const auto& choice) { return choice.first == "BR_320_KBPS"; });
    ASSERT_NE(named, mp3.fields[1].choices.end());
    EXPECT_EQ(named->second, 320);
    EXPECT_EQ(MemberForm::For(Member("MixFromFile"), nullptr, VeskTypeLibrary(), 0).fields[1].kind,
              FormField::Kind::Text);
}

TEST(MemberForm, TextsBecomeClampedArgumentsOrAreRefused) {
    const MemberForm delay = EffectForm("Delay");
    std::string invalid;
    auto arguments = delay.Arguments({"9000", "0.5", "\u22122"}, &invalid);
    ASSERT_TRUE(arguments);
    EXPECT_EQ((*arguments)[0].ToDouble(), 5000);  // clamped to the table's range
    EXPECT_DOUBLE_EQ((*arguments)[2].ToDouble(), -0.99);
    EXPECT_FALSE(delay.Arguments({"250", "half", "0"}, &invalid));
    EXPECT_EQ(invalid, "MixDepth");

    const MemberForm noise = EffectForm("AddNoise");
    const FormField& noiseType = noise.fields[1];
    EXPECT_FALSE(noiseType.ToVariant("3"));  // not one of the choices
    EXPECT_EQ(noiseType.ToVariant("2")->ToInt(), 2);

    const MemberForm envelopeForm = EffectForm("Envelope");
    auto envelope = envelopeForm.fields[0].ToVariant("0, -200, 50");
    ASSERT_TRUE(envelope);
    ASSERT_EQ(envelope->vt, VT_ARRAY | VT_R4);
    auto points = SafeArraySpan<float>(envelope->parray, VT_R4);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1], -120.0f);
    EXPECT_EQ(points[2], 40.0f);
    EXPECT_FALSE(envelopeForm.fields[0].ToVariant(""));
}

}  // namespace
}  // namespace vesk::editor
