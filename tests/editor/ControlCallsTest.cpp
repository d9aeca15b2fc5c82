// The editor's handle on a real control: calls by name as the dialogs make them, the status
// snapshot, and the changed mark that follows the history.
#include <gtest/gtest.h>

#include "ColourScheme.h"
#include "ControlCalls.h"
#include "DocumentFile.h"
#include "EffectTableText.h"
#include "MemberForm.h"
#include "control/Registration.h"
#include "objects/typelib/TypeLibrary.h"
#include "platform/automation/ClassRegistry.h"
#include "support/TempDirGuard.h"

namespace vesk::editor {
namespace {

class ControlCallsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterAudioEditorClasses(ClassRegistry::Default()); }

    void SetUp() override {
        calls = std::make_unique<ControlCalls>();
        (*calls)->put_TempDirectory(Bstr(scratch.WithSlash()).get());
        (*calls)->put_SmoothEnabled(VARIANT_FALSE);  // whole blocks, no crossfaded edges
    }

    void Select(int32_t startFrame, int32_t endFrame) {
        auto position = calls->Position();
        position->put_Selected(VARIANT_TRUE);
        position->put_StartSelect(startFrame);
        position->put_EndSelect(endFrame);
    }

    // A mono 8 kHz sound of a constant 1000.
    void MakeSound(int32_t frames) {
        (*calls)->New(8000, 1);
        SafeArrayPtr samples(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(frames)));
        for (int16_t& sample : samples.shorts()) sample = 1000;
        (*calls)->PutSampleArray(samples.get());
    }

    std::vector<int16_t> Selection() {
        SafeArrayPtr samples;
        (*calls)->GetSelectionArray(samples.put());
        auto span = samples.shorts();
        return {span.begin(), span.end()};
    }

    test::ScratchDir scratch;
    std::unique_ptr<ControlCalls> calls;
};

TEST_F(ControlCallsTest, AnEffectFormsArgumentsReachTheMember) {
    MakeSound(800);
    const EffectTable effects = EffectTable::Parse(EffectTableMarkdown());
    const MemberForm form = MemberForm::For(*VeskTypeLibrary().FindInterface("IAudioEditor")->FindByName("Amplify"),
                                            effects.Find("Amplify"), VeskTypeLibrary(), 8000);
    Select(100, 200);
    ASSERT_EQ(calls->Call("Amplify", *form.Arguments({"2.5"})), S_OK);
    EXPECT_EQ(calls->LastError(), 0);
    const std::vector<int16_t> amplified = Selection();
    ASSERT_EQ(amplified.size(), 100u);
    EXPECT_EQ(amplified.front(), 2500);
    EXPECT_EQ(amplified.back(), 2500);

    EXPECT_EQ(calls->Call("NoSuchMember"), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(calls->Call("Amplify", {Variant::String("loud")}), DISP_E_TYPEMISMATCH);
}

TEST_F(ControlCallsTest, SnapshotReadsTheDocument) {
    EXPECT_FALSE(calls->Snapshot().open);
    MakeSound(8000);
    Select(2000, 6000);
    const DocumentSnapshot snapshot = calls->Snapshot();
    EXPECT_TRUE(snapshot.open);
    EXPECT_EQ(snapshot.sampleRateHz, 8000);
    EXPECT_EQ(snapshot.channels, 1);
    EXPECT_EQ(snapshot.totalFrames, 8000);
    EXPECT_TRUE(snapshot.selected);
    EXPECT_EQ(snapshot.selectionStartFrame, 2000);
    EXPECT_EQ(snapshot.selectionEndFrame, 6000);
    EXPECT_EQ(snapshot.status, 0);
}

TEST_F(ControlCallsTest, TheDocumentIsChangedUntilTheHistoryIsBackWhereItWasSaved) {
    MakeSound(800);
    DocumentFile file(*calls);
    file.MatchesFile(scratch.File("saved.wav"));
    EXPECT_FALSE(file.Changed());
    Select(0, 400);
    (*calls)->Reverse();
    EXPECT_TRUE(file.Changed());
    (*calls)->Undo();
    EXPECT_FALSE(file.Changed());
    (*calls)->Redo();
    EXPECT_TRUE(file.Changed());
    file.MatchesFile(file.Path());
    EXPECT_FALSE(file.Changed());
    file.Recorded();  // straight into the working file: no new state to compare
    EXPECT_TRUE(file.Changed());
}

TEST_F(ControlCallsTest, AColourSchemeGoesOnAndTheStartingOneComesBack) {
    ComPtr<IAudioEditorColors> colors;
    (*calls)->get_Colors(colors.put());
    const ColourScheme start = ColourScheme::Read(*colors);
    const ColourScheme light = ColourScheme::Light();
    light.Apply(*colors);
    OLE_COLOR background = 0, waveform = 0, grid = 0;
    colors->get_Background(&background);
    colors->get_DigitalWaveform(&waveform);
    colors->get_Grid(&grid);
    EXPECT_EQ(background, light.background);
    EXPECT_EQ(waveform, light.waveform);
    EXPECT_EQ(grid, light.grid);
    EXPECT_TRUE(ColourScheme::Read(*colors) == light);  // every colour where it was put
    start.Apply(*colors);
    EXPECT_TRUE(ColourScheme::Read(*colors) == start);
    EXPECT_NE(start.background, light.background);  // the control starts dark
}

}  // namespace
}  // namespace vesk::editor
