#include "components/alsa/AlsaCards.h"

#include <alsa/asoundlib.h>

namespace vesk {

std::vector<AlsaCardName> ListAlsaCards() {
    std::vector<AlsaCardName> cards;
    int index = -1;
    while (snd_card_next(&index) == 0 && index >= 0) {
        char* name = nullptr;
        if (snd_card_get_name(index, &name) == 0 && name) {
            cards.push_back({index, name});
            free(name);
        }
    }
    return cards;
}

std::string MixerDeviceFor(std::string_view sdlDeviceName, const std::vector<AlsaCardName>& cards) {
    if (sdlDeviceName.empty()) return "default";
    const AlsaCardName* best = nullptr;
    for (const AlsaCardName& card : cards) {
        if (card.name.empty() || !sdlDeviceName.starts_with(card.name)) continue;
        if (!best || card.name.size() > best->name.size()) best = &card;
    }
    return best ? "hw:" + std::to_string(best->index) : "";
}

}  // namespace vesk
