// The audio components alone, through SDL's disk driver writing to /dev/null at its real-time
// pace (one device buffer per buffer duration), fed as the control feeds them:
//   - CPU time of the process per second of sound while playing 30 s of 44.1 kHz stereo,
//     with and without the pumping thread (which stands in for the host's message loop: it
//     sleeps until a message is posted, as a GUI loop does);
//   - the spread of the intervals between position notifications at TimerInterval 50 ms, as
//     they reach the pumping thread;
//   - the delay from StartPlayback to the first samples in the device's callback;
//   - the whole control playing a 30 s document to the end: CPU of the process (the control's
//     thread reading the working file block by block and handling the notifications, the
//     component's threads and the benchmark's message loop, which is also measured idle),
//     and the time Play takes until the first blocks are in the device queue.
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "components/VeskAudioPlayer.h"
#include "components/sdl/SdlAudioPlayer.h"
#include "platform/automation/ConnectionPoint.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/MessageQueue.h"

namespace vesk {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRate = 44100;
constexpr int kBlockMs = 500;  // DeviceOutput.BufferSize
constexpr int kBlocksAhead = 4;  // DeviceOutput.BufferCount

// Counts block and end events and keeps the arrival time of every position event.
class BenchSink : public RefCounted, public IDispatch {
public:
    VESK_IUNKNOWN_IMPL(BenchSink, IDispatch)
    int blocksDone = 0;
    bool ended = false;
    std::vector<Clock::time_point> positions;

    HRESULT GetTypeInfoCount(uint32_t* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(uint32_t, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(const IID&, const OLECHAR* const*, uint32_t, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT Invoke(DISPID id, const IID&, LCID, uint16_t, DISPPARAMS*, VARIANT*, EXCEPINFO*, uint32_t*) override {
        if (id == player_event::kBlockDone) ++blocksDone;
        if (id == player_event::kPlaybackEnded) ended = true;
        if (id == player_event::kPosition) positions.push_back(Clock::now());
        return S_OK;
    }
};

SafeArrayPtr Block(int index) {
    const int frames = kRate * kBlockMs / 1000;
    SafeArrayPtr block(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(frames * 2)));
    auto samples = block.shorts();
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(index * frames + i) / kRate;
        samples[2 * i] = samples[2 * i + 1] = static_cast<int16_t>(8000 * std::sin(2 * 3.14159265 * 440 * t));
    }
    return block;
}

double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void Pump() { MessageQueue::ForCurrentThread().PumpWaitingMessages(); }

// The benchmark's stand-in for a host's message loop: pumps, then sleeps until the next message
// is posted to the thread (or 100 ms pass), until `done`.
class WakingLoop {
public:
    WakingLoop() {
        MessageQueue::ForCurrentThread().SetWakeUp([this] {
            {
                std::lock_guard lock(mutex_);
                posted_ = true;
            }
            woken_.notify_one();
        });
    }
    ~WakingLoop() { MessageQueue::ForCurrentThread().SetWakeUp({}); }
    WakingLoop(const WakingLoop&) = delete;
    WakingLoop& operator=(const WakingLoop&) = delete;

    template <class Done>
    void RunUntil(Done done) {
        while (!done()) {
            Pump();
            std::unique_lock lock(mutex_);
            woken_.wait_for(lock, std::chrono::milliseconds(100), [this] { return posted_; });
            posted_ = false;
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable woken_;
    bool posted_ = false;
};

void MeasureStartDelay() {
    std::vector<double> delays;
    for (int run = 0; run < 20; ++run) {
        auto player = MakeCom<SdlAudioPlayer>();
        player->SetPlayFormat(kRate, 2);
        const Clock::time_point start = Clock::now();
        player->StartPlayback();
        player->QueueBlock(Block(0).get());
        Pump();  // the host's loop comes back: the device starts
        while (!player->FirstBufferTime()) std::this_thread::sleep_for(std::chrono::microseconds(50));
        delays.push_back(std::chrono::duration<double, std::milli>(*player->FirstBufferTime() - start).count());
        player->StopPlayback();
    }
    std::sort(delays.begin(), delays.end());
    std::printf("StartPlayback to the first buffer in the callback (20 starts): median %.2f ms, max %.2f ms\n",
                delays[delays.size() / 2], delays.back());
}

void MeasurePlayback(int seconds) {
    auto player = MakeCom<SdlAudioPlayer>();
    auto sink = MakeCom<BenchSink>();
    AdviseSink(static_cast<IConnectionPointContainer*>(player.get()), IID_VeskAudioPlayerEvents, sink.get());
    player->SetPlayerTimerInterval(50);
    player->SetPlayFormat(kRate, 2);
    const int blocks = seconds * 1000 / kBlockMs;

    const double processBefore = CpuSeconds(RUSAGE_SELF);
    const double pumpBefore = CpuSeconds(RUSAGE_THREAD);
    const Clock::time_point start = Clock::now();
    player->StartPlayback();
    int queued = 0;
    for (; queued < kBlocksAhead; ++queued) player->QueueBlock(Block(queued).get());
    WakingLoop loop;
    loop.RunUntil([&] {
        for (; queued < std::min(blocks, kBlocksAhead + sink->blocksDone); ++queued) {
            player->QueueBlock(Block(queued).get());
        }
        return sink->ended;
    });
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double process = CpuSeconds(RUSAGE_SELF) - processBefore;
    const double pump = CpuSeconds(RUSAGE_THREAD) - pumpBefore;
    player->StopPlayback();

    std::printf("%d s of 44.1 kHz stereo in %.1f s: CPU %.3f %% of a core for the components (callback, notifier, "
                "SDL), %.3f %% with the pumping thread\n",
                seconds, wall, 100 * (process - pump) / seconds, 100 * process / seconds);
    std::vector<double> gaps;
    for (size_t i = 1; i < sink->positions.size(); ++i) {
        gaps.push_back(std::chrono::duration<double, std::milli>(sink->positions[i] - sink->positions[i - 1]).count());
    }
    const double mean = std::accumulate(gaps.begin(), gaps.end(), 0.0) / static_cast<double>(gaps.size());
    double square = 0;
    for (double gap : gaps) square += (gap - mean) * (gap - mean);
    std::sort(gaps.begin(), gaps.end());
    std::printf("position notifications at 50 ms (%zu intervals): mean %.2f ms, sd %.2f ms, min %.2f ms, "
                "95th percentile %.2f ms, max %.2f ms\n",
                gaps.size(), mean, std::sqrt(square / static_cast<double>(gaps.size())), gaps.front(),
                gaps[gaps.size() * 95 / 100], gaps.back());
}

void MeasureControlPlayback(int seconds) {
    bench::Scratch scratch;
    ComPtr<AudioEditor> control = bench::MakeControl(scratch.Dir());
    control->New(kRate, 2);
    bench::PushTestSignal(*control, seconds);
    ComPtr<IAudioEditorDevice> output;
    control->get_DeviceOutput(output.put());
    output->put_TimerInterval(50);

    // What the pumping loop costs by itself, so that only the playback is counted.
    const int idleSeconds = 3;
    const double idleBefore = CpuSeconds(RUSAGE_SELF);
    const Clock::time_point idleEnd = Clock::now() + std::chrono::seconds(idleSeconds);
    WakingLoop loop;
    loop.RunUntil([&] { return Clock::now() >= idleEnd; });
    const double loopPerSecond = (CpuSeconds(RUSAGE_SELF) - idleBefore) / idleSeconds;

    const double before = CpuSeconds(RUSAGE_SELF);
    const Clock::time_point start = Clock::now();
    control->Play(2);  // to the end of the sound
    const double playCall = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    loop.RunUntil([&] {
        int16_t status = 0;
        control->get_Status(&status);
        return status == 0;
    });
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double process = (CpuSeconds(RUSAGE_SELF) - before) / wall;
    std::printf("the control playing %d s of 44.1 kHz stereo to the end in %.1f s: CPU of the process %.3f %% of a "
                "core, of which the idle message loop takes %.3f %%; Play returns with the first blocks queued after "
                "%.2f ms\n",
                seconds, wall, 100 * process, 100 * loopPerSecond, playCall);
}

}  // namespace
}  // namespace vesk

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    unsetenv("SDL_DISKAUDIODELAY");  // the driver's own pace: one buffer per buffer duration
    vesk::MeasureStartDelay();
    vesk::MeasurePlayback(seconds);
    vesk::MeasureControlPlayback(seconds);
    return 0;
}
