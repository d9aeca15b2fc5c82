// An open ALSA mixer (libasound's simple mixer interface) of one card, and the simple
// elements of one direction: capture for the recorder, playback for the player. The few
// libasound calls that differ between the directions are picked once here, so the lines
// above them are written once.
#pragma once

#include <memory>
#include <string>
#include <vector>

typedef struct _snd_mixer snd_mixer_t;
typedef struct _snd_mixer_elem snd_mixer_elem_t;

namespace vesk {

class AlsaMixer {
public:
    // Opens and loads the mixer of `device` ("default", "hw:0"); null when it has none.
    static std::unique_ptr<AlsaMixer> Open(const std::string& device);
    ~AlsaMixer();
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

    // Takes in changes made by other programs since the last call.
    void Refresh();
    std::vector<snd_mixer_elem_t*> Elements() const;

private:
    explicit AlsaMixer(snd_mixer_t* mixer) : mixer_(mixer) {}

    snd_mixer_t* mixer_;
};

// One simple element seen from one direction.
class AlsaElement {
public:
    AlsaElement(snd_mixer_elem_t* element, bool capture) : element_(element), capture_(capture) {}

    std::string Name() const;
    bool HasVolume() const;
    bool HasSwitch() const;
    bool IsMono() const;
    bool IsEnumerated() const;

    long Left() const;  // raw volumes of the two sides (the same for a mono element)
    long Right() const;
    void SetSides(long left, long right);
    struct Range {
        long low = 0;
        long high = 0;
    };
    Range VolumeRange() const;  // raw

    bool SwitchOn() const;
    void SetSwitch(bool on);
    int EnumItem() const;
    void SetEnumItem(int item);

private:
    snd_mixer_elem_t* element_;
    bool capture_;
};

}  // namespace vesk
