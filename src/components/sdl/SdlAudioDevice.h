// One open SDL audio device of 16-bit samples at the rate and channel count asked for (SDL
// converts to whatever the hardware or server takes). It opens paused; Resume starts the
// callback. Closing waits until a running callback has returned, so the callback's objects
// may go once the device has.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace vesk {

class SdlAudioDevice {
public:
    // Called on SDL's audio thread with one device buffer of interleaved samples: to fill for
    // output, filled for capture.
    class Callback {
    public:
        virtual ~Callback() = default;
        virtual void OnBuffer(std::span<int16_t> samples) = 0;
    };

    struct Spec {
        int rateHz;
        int channels;
        int bufferFrames;  // frames per callback
    };

    // Opens the named device ("" = the default); null when it cannot be opened.
    static std::unique_ptr<SdlAudioDevice> Open(bool capture, const std::string& name, Spec spec, Callback& callback);
    // A buffer of about 20 ms at `rateHz` (a power of two frames, as drivers like best).
    static int BufferFramesFor(int rateHz);

    ~SdlAudioDevice();
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    void Resume();
    // True when the device has gone away (unplugged, the server ended, the file failed).
    bool Lost() const;

private:
    explicit SdlAudioDevice(uint32_t id) : id_(id) {}

    uint32_t id_;
};

}  // namespace vesk
