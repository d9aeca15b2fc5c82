#include "components/ComponentRegistration.h"

#include <string>

#include "components/ComponentNames.h"
#include "components/minimal/MinimalAudioFile.h"
#include "components/minimal/MinimalAudioInformation.h"
#include "components/minimal/MinimalAudioPlayer.h"
#include "components/minimal/MinimalAudioRecord.h"
#include "components/minimal/MinimalAudioTransform.h"

namespace vesk {

void RegisterStockComponents(ClassRegistry& registry) {
    registry.Register(std::string(kVeskAudioInformationName), FactoryOf<MinimalAudioInformation>());
    registry.Register(std::string(kVeskAudioPlayerName), FactoryOf<MinimalAudioPlayer>());
    registry.Register(std::string(kVeskAudioRecordName), FactoryOf<MinimalAudioRecord>());
    registry.Register(std::string(kVeskAudioFileName), FactoryOf<MinimalAudioFile>());
    registry.Register(std::string(kVeskAudioTransformName), FactoryOf<MinimalAudioTransform>());
}

}  // namespace vesk
