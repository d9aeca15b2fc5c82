#include "components/ComponentRegistration.h"

#include <string>

#include "components/ComponentNames.h"
#include "components/file/AudioFileComponent.h"
#include "components/cd/LibcdioCdReader.h"
#include "components/information/AudioInformation.h"
#include "components/minimal/MinimalAudioPlayer.h"
#include "components/minimal/MinimalAudioRecord.h"
#include "components/wma/FfmpegWmaCodec.h"
#include "components/transform/AudioTransform.h"

namespace vesk {

void RegisterStockComponents(ClassRegistry& registry) {
    registry.Register(std::string(kVeskAudioInformationName), FactoryOf<AudioInformation>());
    registry.Register(std::string(kVeskAudioPlayerName), FactoryOf<MinimalAudioPlayer>());
    registry.Register(std::string(kVeskAudioRecordName), FactoryOf<MinimalAudioRecord>());
    registry.Register(std::string(kVeskAudioFileName), FactoryOf<AudioFileComponent>());
    registry.Register(std::string(kVeskAudioTransformName), FactoryOf<AudioTransform>());
    registry.Register(std::string(kWmaCodecName), FactoryOf<FfmpegWmaCodec>());
    registry.Register(std::string(kCdReaderName), FactoryOf<LibcdioCdReader>());
}

}  // namespace vesk
