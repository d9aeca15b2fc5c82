// Edits, effects and conversion through the whole control, with a recording transform: the
// members reach the edit subsystem, transform progress becomes BlockOperation, Stop aborts the
// component and cancels, and undo after a conversion brings back the old format.
#include "ControlTestSupport.h"
#include "components/ComponentNames.h"
#include "edit/RecordingTransform.h"

namespace vesk {
namespace {

class EditControlTest : public test::ControlFixture {
protected:
    void SetUp() override {
        RegisterAudioEditorClasses(registry);
        registry.Register(std::string(kVeskAudioTransformName), [this](const IID& iid, void** object) {
            return transform->QueryInterface(iid, object);
        });
        control = CreateAudioEditor(ControlServices{&registry, &messages, &clipboard});
        ASSERT_TRUE(control);
        cookie = AdviseSink(static_cast<IAudioEditor*>(control.get()), IID_IAudioEditorEvents,
                            static_cast<IDispatch*>(events.get()));
        Bstr dir(scratch.WithSlash());
        control->put_TempDirectory(dir.get());
    }
    void SelectAll() {
        ComPtr<IAudioEditorPosition> position;
        control->get_Position(position.put());
        position->put_Selected(VARIANT_TRUE);
        position->put_EndSelect(1 << 30);
    }
    int32_t Frequency() {
        ComPtr<IAudioEditorPosition> position;
        control->get_Position(position.put());
        int32_t samples = 0;
        position->SecToSamples(1000, &samples);
        return samples;
    }

    ComPtr<test::RecordingTransform> transform = MakeCom<test::RecordingTransform>();
};

TEST_F(EditControlTest, TransformProgressBecomesBlockOperation) {
    control->New(8000, 1);
    control->InsertSilence(1000);
    SelectAll();
    events->events.clear();
    transform->during = [&] { transform->FireProgress(100); };
    control->Amplify(2.0f);
    EXPECT_EQ(transform->Applies(), (std::vector<std::string>{"ApplyAmplify 2 [8001]"}));
    bool sawFull = false;
    for (const auto& e : events->events) {
        if (e.id == kBlockOperation && e.args[0].iVal == 100) sawFull = true;
    }
    EXPECT_TRUE(sawFull);
    VARIANT_BOOL undo = 0;
    control->get_UndoEnabled(&undo);
    EXPECT_EQ(undo, 1);
}

TEST_F(EditControlTest, StopInsideTheComponentAbortsAndCancels) {
    control->New(8000, 2);
    control->InsertSilence(500);
    SelectAll();
    const int32_t states = control->History().Count();
    transform->during = [&] { control->Stop(); };
    control->Reverse();
    EXPECT_EQ(transform->Applies().size(), 1u);  // the right pass is skipped
    EXPECT_NE(std::find(transform->calls.begin(), transform->calls.end(), "AbortTransform"), transform->calls.end());
    EXPECT_EQ(control->History().Count(), states);
    int16_t status = -1;
    control->get_Status(&status);
    EXPECT_EQ(status, 0);
}

TEST_F(EditControlTest, ConversionIsUndoneWithItsFormat) {
    control->New(22050, 1);
    control->InsertSilence(1000);
    events->events.clear();
    control->ConvertSampleType(22050, 1);  // the current format: nothing at all
    EXPECT_TRUE(events->events.empty());
    const int32_t states = control->History().Count();
    control->ConvertSampleType(44100, 2);
    EXPECT_EQ(control->History().Count(), states + 1);
    EXPECT_EQ(control->History().Current()->totalBytes, 44100 * 4);
    EXPECT_EQ(Frequency(), 44100);
    EXPECT_EQ(transform->calls.back(), "SetFrequency 44100");
    ComPtr<IAudioEditorChannel> channels;
    control->get_Channels(channels.put());
    int16_t count = 0;
    channels->get_Count(&count);
    EXPECT_EQ(count, 2);
    control->Undo();
    EXPECT_EQ(Frequency(), 22050);
    channels->get_Count(&count);
    EXPECT_EQ(count, 1);
}

}  // namespace
}  // namespace vesk
