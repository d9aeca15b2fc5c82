#include "components/alsa/AlsaMixer.h"

#include <alsa/asoundlib.h>

#include <algorithm>

namespace vesk {

std::unique_ptr<AlsaMixer> AlsaMixer::Open(const std::string& device) {
    snd_mixer_t* mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) < 0) return nullptr;
    if (snd_mixer_attach(mixer, device.c_str()) < 0 || snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 ||
        snd_mixer_load(mixer) < 0) {
        snd_mixer_close(mixer);
        return nullptr;
    }
    return std::unique_ptr<AlsaMixer>(new AlsaMixer(mixer));
}

AlsaMixer::~AlsaMixer() { snd_mixer_close(mixer_); }

void AlsaMixer::Refresh() { snd_mixer_handle_events(mixer_); }

std::vector<snd_mixer_elem_t*> AlsaMixer::Elements() const {
    std::vector<snd_mixer_elem_t*> elements;
    for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer_); e; e = snd_mixer_elem_next(e)) {
        if (snd_mixer_selem_is_active(e)) elements.push_back(e);
    }
    return elements;
}

std::string AlsaElement::Name() const {
    std::string name = snd_mixer_selem_get_name(element_);
    const unsigned index = snd_mixer_selem_get_index(element_);
    return index == 0 ? name : name + " " + std::to_string(index);
}

bool AlsaElement::HasVolume() const {
    return capture_ ? snd_mixer_selem_has_capture_volume(element_) : snd_mixer_selem_has_playback_volume(element_);
}

bool AlsaElement::HasSwitch() const {
    return capture_ ? snd_mixer_selem_has_capture_switch(element_) : snd_mixer_selem_has_playback_switch(element_);
}

bool AlsaElement::IsMono() const {
    return capture_ ? snd_mixer_selem_is_capture_mono(element_) : snd_mixer_selem_is_playback_mono(element_);
}

bool AlsaElement::IsEnumerated() const {
    return capture_ ? snd_mixer_selem_is_enum_capture(element_) : snd_mixer_selem_is_enum_playback(element_);
}

namespace {

long SideVolume(snd_mixer_elem_t* e, bool capture, snd_mixer_selem_channel_id_t side) {
    long value = 0;
    if (capture) {
        snd_mixer_selem_get_capture_volume(e, side, &value);
    } else {
        snd_mixer_selem_get_playback_volume(e, side, &value);
    }
    return value;
}

void SetSideVolume(snd_mixer_elem_t* e, bool capture, snd_mixer_selem_channel_id_t side, long value) {
    if (capture) {
        snd_mixer_selem_set_capture_volume(e, side, value);
    } else {
        snd_mixer_selem_set_playback_volume(e, side, value);
    }
}

}  // namespace

long AlsaElement::Left() const { return SideVolume(element_, capture_, SND_MIXER_SCHN_FRONT_LEFT); }

long AlsaElement::Right() const {
    return IsMono() ? Left() : SideVolume(element_, capture_, SND_MIXER_SCHN_FRONT_RIGHT);
}

void AlsaElement::SetSides(long left, long right) {
    if (IsMono()) {
        SetSideVolume(element_, capture_, SND_MIXER_SCHN_MONO, std::max(left, right));
        return;
    }
    SetSideVolume(element_, capture_, SND_MIXER_SCHN_FRONT_LEFT, left);
    SetSideVolume(element_, capture_, SND_MIXER_SCHN_FRONT_RIGHT, right);
}

AlsaElement::Range AlsaElement::VolumeRange() const {
    Range range;
    if (capture_) {
        snd_mixer_selem_get_capture_volume_range(element_, &range.low, &range.high);
    } else {
        snd_mixer_selem_get_playback_volume_range(element_, &range.low, &range.high);
    }
    return range;
}

bool AlsaElement::SwitchOn() const {
    int on = 0;
    if (capture_) {
        snd_mixer_selem_get_capture_switch(element_, SND_MIXER_SCHN_FRONT_LEFT, &on);
    } else {
        snd_mixer_selem_get_playback_switch(element_, SND_MIXER_SCHN_FRONT_LEFT, &on);
    }
    return on != 0;
}

void AlsaElement::SetSwitch(bool on) {
    if (capture_) {
        snd_mixer_selem_set_capture_switch_all(element_, on ? 1 : 0);
    } else {
        snd_mixer_selem_set_playback_switch_all(element_, on ? 1 : 0);
    }
}

int AlsaElement::EnumItem() const {
    unsigned item = 0;
    snd_mixer_selem_get_enum_item(element_, SND_MIXER_SCHN_FRONT_LEFT, &item);
    return static_cast<int>(item);
}

void AlsaElement::SetEnumItem(int item) {
    const int items = snd_mixer_selem_get_enum_items(element_);
    if (item < 0 || item >= items) return;
    for (int side = 0; side <= SND_MIXER_SCHN_LAST; ++side) {
        snd_mixer_selem_set_enum_item(element_, static_cast<snd_mixer_selem_channel_id_t>(side),
                                      static_cast<unsigned>(item));
    }
}

}  // namespace vesk
