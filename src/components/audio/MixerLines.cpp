#include "components/audio/MixerLines.h"

namespace vesk {

int16_t MixerLines::AdvancedCount(int16_t) const { return 0; }
std::string MixerLines::AdvancedName(int16_t, int16_t) const { return {}; }
Variant MixerLines::AdvancedValue(int16_t, int16_t) const { return {}; }
void MixerLines::SetAdvancedValue(int16_t, int16_t, const VARIANT&) {}

}  // namespace vesk
