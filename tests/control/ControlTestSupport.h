// A control under test: created through a private registry (so tests may unregister or wrap
// classes), with a silent message box, an event recorder advised on its events and its working
// files in a scratch directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "control/AudioEditor.h"
#include "control/Registration.h"
#include "document/WaveFile.h"
#include "platform/clipboard/InProcessClipboard.h"
#include "platform/io/TempFile.h"
#include "support/EventRecorder.h"
#include "support/TempDirGuard.h"

namespace vesk::test {

class ControlFixture : public testing::Test {
protected:
    void SetUp() override {
        RegisterAudioEditorClasses(registry);
        RegisterFakes();
        control = CreateAudioEditor(ControlServices{&registry, &messages, &clipboard});
        ASSERT_TRUE(control);
        cookie = AdviseSink(static_cast<IAudioEditor*>(control.get()), IID_IAudioEditorEvents,
                            static_cast<IDispatch*>(events.get()));
        ASSERT_NE(cookie, 0u);
        Bstr dir(scratch.WithSlash() + "file-name-part");
        control->put_TempDirectory(dir.get());
    }

    void TearDown() override { control.reset(); }

    // A fixture registers its own fakes here, over the real classes, before the control starts.
    virtual void RegisterFakes() {}

    // Appends a state whose working file holds `samples` (as an edit would).
    void PushState(const std::vector<int16_t>& samples, int32_t frequency = 44100, int16_t channels = 2) {
        DocState state;
        state.filePath = UniqueTempFileName(scratch.WithSlash(), "vsk");
        WaveFile file;
        ASSERT_TRUE(file.Create(state.filePath, frequency, channels));
        if (!samples.empty()) {
            ASSERT_TRUE(file.Write(samples.data(), samples.size() * 2));
        }
        ASSERT_TRUE(file.Close());
        state.frequency = frequency;
        state.channels = channels;
        state.totalBytes = static_cast<int32_t>(samples.size() * 2);
        state.endView[0] = state.totalBytes;
        control->History().Push(state);
    }

    std::string TempDirectory() {
        Bstr value;
        control->get_TempDirectory(value.put());
        return value.utf8();
    }

    ScratchDir scratch;
    ClassRegistry registry;
    SilentMessageBox messages;
    InProcessClipboard clipboard;  // tests never touch a desktop's clipboard
    ComPtr<AudioEditor> control;
    ComPtr<EventRecorder> events = MakeCom<EventRecorder>();
    uint32_t cookie = 0;
};

}  // namespace vesk::test
