// Support for the tests of the audio components through SDL's disk driver, which plays into a
// plain file and captures from one, so that what a player sent and what a recorder delivered
// can be compared sample by sample. The fixture points the driver at files of its own and
// makes it run about 30 times faster than real time.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "components/RecordingSink.h"
#include "platform/automation/SafeArray.h"

namespace vesk::test {

class DiskAudioTest : public testing::Test {
protected:
    DiskAudioTest();
    ~DiskAudioTest() override;

    // Milliseconds the driver waits per device buffer (1 by default; 0 would spin).
    static void SetDriverDelay(int milliseconds);

    std::string Path(const std::string& name) const { return directory_ + "/" + name; }
    // The file the next opened output device plays into / input device captures from.
    void PlayInto(const std::string& path) const;
    void CaptureFrom(const std::string& path) const;
    static void WriteSamples(const std::string& path, const std::vector<int16_t>& samples);
    static std::vector<int16_t> ReadSamples(const std::string& path);

private:
    std::string directory_;
};

// Runs the thread's messages until `done()` holds; false if it still does not after a
// generous number of turns (a hung component, not a slow one).
bool PumpUntil(const std::function<bool()>& done);

// A VT_I2 block holding the samples.
SafeArrayPtr MakeBlock(const std::vector<int16_t>& samples);

// A signal without a silent frame: sample values that differ from frame to frame, none 0.
std::vector<int16_t> Signal(size_t frames, int channels, int seed = 0);
// A sine of `hz` at `amplitude`, the same on every channel.
std::vector<int16_t> Tone(size_t frames, int channels, double rateHz, double hz, double amplitude);
// The frames of `samples` that are not entirely zero (the silence a device got while idle).
std::vector<int16_t> WithoutSilentFrames(const std::vector<int16_t>& samples, int channels);
// Every other sample from `channel` on.
std::vector<int16_t> Lane(const std::vector<int16_t>& samples, int channels, int channel);
double Rms(const std::vector<int16_t>& samples, size_t from = 0);

// Events `id` from the `from`-th event on.
size_t CountEvents(const RecordingSink& sink, DISPID id, size_t from = 0);
// The arguments of every event `id`, in order.
std::vector<std::vector<int32_t>> ArgsOf(const RecordingSink& sink, DISPID id);

}  // namespace vesk::test
