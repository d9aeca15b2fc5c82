#include "components/ComponentRegistration.h"

#include <string>

#include "components/ComponentNames.h"
#include "components/file/AudioFileComponent.h"
#include "components/cd/LibcdioCdReader.h"
#include "components/information/AudioInformation.h"
#include "components/sdl/SdlAudioPlayer.h"
#include "components/sdl/SdlAudioRecord.h"
#include "components/wma/FfmpegWmaCodec.h"
#include "components/transform/AudioTransform.h"

namespace vesk {

void RegisterStockComponents(ClassRegistry& registry) {
    registry.Register(std::string(kVeskAudioInformationName), FactoryOf<AudioInformation>());
    registry.Register(std::string(kVeskAudioPlayerName), FactoryOf<SdlAudioPlayer>());
    registry.Register(std::string(kVeskAudioRecordName), FactoryOf<SdlAudioRecord>());
    registry.Register(std::string(kVeskAudioFileName), FactoryOf<AudioFileComponent>());
    registry.Register(std::string(kVeskAudioTransformName), FactoryOf<AudioTransform>());
    registry.Register(std::string(kWmaCodecName), FactoryOf<FfmpegWmaCodec>());
    registry.Register(std::string(kCdReaderName), FactoryOf<LibcdioCdReader>());
}

}  // namespace vesk
