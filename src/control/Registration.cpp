#include "control/Registration.h"

#include "components/ComponentRegistration.h"
#include "control/AudioEditor.h"
#include "objects/typelib/TypeLibrary.h"

namespace vesk {

void RegisterAudioEditorClasses(ClassRegistry& registry) {
    ClassFactory control = [&registry](const IID& iid, void** object) -> HRESULT {
        if (!object) return E_POINTER;
        *object = nullptr;
        ComPtr<AudioEditor> editor = MakeCom<AudioEditor>(ControlServices{&registry, &MessageBoxService::Default()});
        HRESULT hr = editor->FinalConstruct();
        if (Failed(hr)) return hr;
        return editor->QueryInterface(iid, object);
    };
    registry.Register(kAudioEditorVersionIndependentProgId, control);
    registry.Register(kAudioEditorProgId, control);

    registry.Register("AudioEditorScale", FactoryOf<AudioEditorScale>());
    registry.Register("AudioEditorColors", FactoryOf<AudioEditorColors>());
    registry.Register("AudioEditorDevice", FactoryOf<AudioEditorDevice>());
    registry.Register("AudioEditorFileInfo", FactoryOf<AudioEditorFileInfo>());
    registry.Register("AudioEditorPosition", FactoryOf<AudioEditorPosition>());
    registry.Register("AudioEditorChannels", FactoryOf<AudioEditorChannel>());
    registry.Register("AudioEditorMarkers", FactoryOf<AudioEditorMarkers>());
    registry.Register("AudioEditorRecorder", FactoryOf<AudioEditorRecorder>());
    registry.Register("AudioEditorLameMp3Encoder", FactoryOf<AudioEditorLameMp3Encoder>());
    RegisterStockComponents(registry);
}

}  // namespace vesk
