// The control under a seeded random sweep of Invoke calls: every member of the control and of
// each sub-object it hands out, several times over, with the wrong types, counts and names,
// extreme and non-finite values, huge, empty and null strings, arrays for scalars and back, and
// bad dispatch ids (InvokeDriver, shared with the Invoke fuzz target). Only S_OK and DISP_E_*
// may come back; afterwards the control still edits and undoes, and nothing was written outside
// its scratch directory. Each failure names the seed and the call, so it can be replayed.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "document/Document.h"
#include "fuzz/invoke/ScratchControl.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

using fuzz::CallRecord;
using fuzz::ScratchControl;
using fuzz::SeededChoices;

constexpr int kCallsPerMember = 8;
// A document grown by the sweep's own edits makes later calls slower: start afresh this often.
constexpr int kCallsPerDocument = 40;

std::set<std::string> EntriesOf(const std::filesystem::path& folder) {
    std::set<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

int32_t TotalSamples(AudioEditor& control) {
    ComPtr<IAudioEditorPosition> position;
    EXPECT_EQ(control.get_Position(position.put()), S_OK);
    int32_t samples = -1;
    if (position) position->get_TotalSamples(&samples);
    return samples;
}

class AutomationSweep : public testing::TestWithParam<uint64_t> {
protected:
    test::ScratchDir scratch;
};

TEST_P(AutomationSweep, EveryMemberAnswersWithDispatchCodesAndTheControlStillWorks) {
    const std::filesystem::path startDirectory = std::filesystem::current_path();
    const std::set<std::string> inStart = EntriesOf(startDirectory);
    const std::set<std::string> inTemp = EntriesOf(test::SystemTempDir());
    {
        ScratchControl harness(scratch.path().string());
        harness.FreshDocument();
        SeededChoices choices(GetParam());
        int calls = 0;
        int succeeded = 0;
        const auto& targets = harness.Driver().Targets();
        for (size_t t = 0; t < targets.size(); ++t) {
            for (size_t m = 0; m < targets[t].info->members.size(); ++m) {
                if (fuzz::PolicyFor(targets[t].name, targets[t].info->members[m].name).skipped) continue;
                for (int k = 0; k < kCallsPerMember; ++k, ++calls) {
                    if (calls % kCallsPerDocument == 0) harness.FreshDocument();
                    const CallRecord record = harness.Driver().CallMember(choices, t, m);
                    succeeded += record.result == S_OK;
                    ASSERT_TRUE(record.allowed) << "seed " << GetParam() << ", call " << calls << ": " << record.Describe();
                }
            }
        }
        EXPECT_GT(calls, 1000);
        // Most hostile calls are refused, but enough must get through to reach the members.
        EXPECT_GT(succeeded, calls / 5) << succeeded << " of " << calls;

        // Still a working control: a new document, an edit, its undo.
        AudioEditor& control = harness.Control();
        harness.FreshDocument();
        EXPECT_EQ(control.New(44100, 2), S_OK);
        EXPECT_EQ(TotalSamples(control), 0);
        EXPECT_EQ(control.InsertSilence(100), S_OK);
        EXPECT_EQ(TotalSamples(control), 4410);
        EXPECT_EQ(control.Undo(), S_OK);
        EXPECT_EQ(TotalSamples(control), 0);
    }
    EXPECT_EQ(std::filesystem::current_path(), startDirectory);  // the harness went back out
    // Nothing new beside the test, and none of the control's own files (working files, the
    // clipboard file, whose defaults lie there) in the temporary folder, where tests running
    // beside this one make entries of their own.
    EXPECT_EQ(EntriesOf(startDirectory), inStart);
    for (const std::string& name : EntriesOf(test::SystemTempDir())) {
        if (inTemp.count(name)) continue;
        EXPECT_FALSE(name.rfind("vsk", 0) == 0 && name.size() > 4 && name.substr(name.size() - 4) == ".tmp") << name;
        EXPECT_NE(name, Document::kClipboardFileName);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, AutomationSweep, testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace vesk
