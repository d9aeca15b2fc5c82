#include "components/alsa/AlsaMixerLines.h"

#include <algorithm>

#include "components/audio/VolumeBalance.h"

namespace vesk {

std::unique_ptr<AlsaMixerLines> AlsaMixerLines::Open(const std::string& device, bool capture) {
    std::unique_ptr<AlsaMixer> mixer = AlsaMixer::Open(device);
    if (!mixer) return nullptr;
    std::unique_ptr<AlsaMixerLines> lines(new AlsaMixerLines(std::move(mixer), capture));
    if (lines->Count() == 0) return nullptr;
    return lines;
}

AlsaMixerLines::AlsaMixerLines(std::unique_ptr<AlsaMixer> mixer, bool capture) : mixer_(std::move(mixer)) {
    for (snd_mixer_elem_t* e : mixer_->Elements()) {
        const AlsaElement element(e, capture);
        if (element.HasVolume()) {
            lines_.push_back({element});
        } else if (element.HasSwitch() || element.IsEnumerated()) {
            advanced_.push_back(element);
        }
    }
}

std::string AlsaMixerLines::Name(int16_t line) const { return lines_[line].element.Name(); }

SideVolumes AlsaMixerLines::Sides(const Line& line) const {
    mixer_->Refresh();
    const AlsaElement::Range range = line.element.VolumeRange();
    return {RawToVolume(line.element.Left(), range.low, range.high),
            RawToVolume(line.element.Right(), range.low, range.high)};
}

void AlsaMixerLines::SetSides(Line& line, SideVolumes sides) {
    const AlsaElement::Range range = line.element.VolumeRange();
    line.element.SetSides(VolumeToRaw(sides.left, range.low, range.high),
                          VolumeToRaw(sides.right, range.low, range.high));
}

// The raw range is usually far coarser than 0 .. 65535: a volume put is read back as put as
// long as the element still holds the raw value it became.
int32_t AlsaMixerLines::Volume(int16_t line) const {
    const Line& l = lines_[line];
    const int32_t volume = VolumeOfSides(Sides(l));
    if (l.lastSet >= 0) {
        const AlsaElement::Range range = l.element.VolumeRange();
        if (RawToVolume(VolumeToRaw(l.lastSet, range.low, range.high), range.low, range.high) == volume) {
            return l.lastSet;
        }
    }
    return volume;
}

void AlsaMixerLines::SetVolume(int16_t line, int32_t volume) {
    Line& l = lines_[line];
    SetSides(l, SplitBalance(volume, BalanceOfSides(Sides(l))));
    l.lastSet = std::clamp(volume, 0, kMaxLineVolume);
}

int16_t AlsaMixerLines::Balance(int16_t line) const { return BalanceOfSides(Sides(lines_[line])); }

void AlsaMixerLines::SetBalance(int16_t line, int16_t balance) {
    Line& l = lines_[line];
    if (l.element.IsMono()) return;
    SetSides(l, SplitBalance(VolumeOfSides(Sides(l)), balance));
}

bool AlsaMixerLines::Selected(int16_t line) const {
    const AlsaElement& e = lines_[line].element;
    mixer_->Refresh();
    return !e.HasSwitch() || e.SwitchOn();
}

void AlsaMixerLines::SetSelected(int16_t line, bool selected) {
    AlsaElement& e = lines_[line].element;
    if (e.HasSwitch()) e.SetSwitch(selected);
}

int16_t AlsaMixerLines::AdvancedCount(int16_t) const { return static_cast<int16_t>(advanced_.size()); }

std::string AlsaMixerLines::AdvancedName(int16_t, int16_t index) const { return advanced_[index].Name(); }

Variant AlsaMixerLines::AdvancedValue(int16_t, int16_t index) const {
    const AlsaElement& e = advanced_[index];
    mixer_->Refresh();
    return e.IsEnumerated() ? Variant::I4(e.EnumItem()) : Variant::Bool(e.SwitchOn());
}

void AlsaMixerLines::SetAdvancedValue(int16_t, int16_t index, const VARIANT& value) {
    AlsaElement& e = advanced_[index];
    const int32_t number = Variant(value).ToInt();
    if (e.IsEnumerated()) {
        e.SetEnumItem(number);
    } else {
        e.SetSwitch(number != 0);
    }
}

}  // namespace vesk
