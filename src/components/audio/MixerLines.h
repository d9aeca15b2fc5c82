// The mixer lines of a device as the components expose them (DeviceLines): a list of lines,
// each with a name, a volume (0 .. 65535), a balance (-100 .. 100), a switch (selected as a
// recording source, or sounding) and a few further controls by index. Back-ends: the ALSA
// mixer of a card, the one software input line, or no lines at all.
// Callers pass valid indices only (MixerLineMembers checks them).
#pragma once

#include <cstdint>
#include <string>

#include "platform/automation/Variant.h"

namespace vesk {

class MixerLines {
public:
    virtual ~MixerLines() = default;

    virtual int16_t Count() const = 0;
    virtual std::string Name(int16_t line) const = 0;
    virtual int32_t Volume(int16_t line) const = 0;
    virtual void SetVolume(int16_t line, int32_t volume) = 0;
    virtual int16_t Balance(int16_t line) const = 0;
    virtual void SetBalance(int16_t line, int16_t balance) = 0;
    virtual bool Selected(int16_t line) const = 0;
    virtual void SetSelected(int16_t line, bool selected) = 0;

    // Further controls of a line (switches and choices); none by default.
    virtual int16_t AdvancedCount(int16_t line) const;
    virtual std::string AdvancedName(int16_t line, int16_t index) const;
    virtual Variant AdvancedValue(int16_t line, int16_t index) const;
    virtual void SetAdvancedValue(int16_t line, int16_t index, const VARIANT& value);
};

// A device without lines (an output through a sound server, the disk driver).
class NoMixerLines final : public MixerLines {
public:
    int16_t Count() const override { return 0; }
    std::string Name(int16_t) const override { return {}; }
    int32_t Volume(int16_t) const override { return 0; }
    void SetVolume(int16_t, int32_t) override {}
    int16_t Balance(int16_t) const override { return 0; }
    void SetBalance(int16_t, int16_t) override {}
    bool Selected(int16_t) const override { return false; }
    void SetSelected(int16_t, bool) override {}
};

}  // namespace vesk
