// The desktop clipboard as the control exchanges sound through it: one sound at a time, as the
// complete bytes of a RIFF/WAVE file. Programs on the same desktop read what the control offers
// and offer what it reads; without a desktop the clipboard lives inside this process.
//
// Threading: one thread. Offers are served from that thread's message queue, so a host that
// offers must keep pumping it (PumpWaitingMessages or its own loop).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vesk {

class ClipboardExchange {
public:
    virtual ~ClipboardExchange() = default;

    // Takes the clipboard and offers `waveImage` until another program takes it or Clear is
    // called. False when the clipboard could not be taken (nothing is offered then).
    virtual bool Offer(std::vector<uint8_t> waveImage) = 0;
    // The wave image the clipboard holds now; nullopt when nobody offers one, the owner refuses,
    // or the owner does not answer in time.
    virtual std::optional<std::vector<uint8_t>> Fetch() = 0;
    // Gives the clipboard up when this process holds it.
    virtual void Clear() = 0;

    // The clipboard of the calling thread, made on first use: the display's CLIPBOARD when
    // DISPLAY names a server that accepts us, the in-process clipboard otherwise. Lives until
    // the thread ends, so what a control offered is still served after the control is gone.
    static ClipboardExchange& ForCurrentThread();
};

}  // namespace vesk
