#include "control/AudioEditor.h"

#include <algorithm>

#include "components/ComponentNames.h"

namespace vesk {

namespace {

// Creates a registered class and returns its implementation object. A registration that
// yields another implementation counts as missing: the control needs its own sub-objects.
template <class Concrete, class Interface>
ComPtr<Concrete> CreateOwn(ClassRegistry& registry, std::string_view name) {
    ComPtr<Interface> object = registry.Create<Interface>(name);
    return ComPtr<Concrete>(dynamic_cast<Concrete*>(object.get()));
}

}  // namespace

AudioEditor::AudioEditor(ControlServices services) : services_(services) {
    document_.Attach(&events_, &view_);
}

AudioEditor::~AudioEditor() {
    // Nobody listens any more, and an event would briefly bring the reference count back up.
    document_.Attach(nullptr, &view_);
    view_.SetSite(nullptr);
    Close();
    History().Clear();
    ReleaseEverything();
    document_.Attach(nullptr, nullptr);
}

void AudioEditor::ReleaseEverything() {
    mouse_.reset();
    transport_.reset();
    playerSink_.Disconnect();
    recordSink_.Disconnect();
    transformSink_.Disconnect();
    if (channelObject_) channelObject_->SetHost(nullptr);
    if (markers_) markers_->SetHost(nullptr);
    if (position_) position_->SetHost(nullptr);
    if (fileInfo_) fileInfo_->SetHost(nullptr);
    if (recorder_) recorder_->SetHost(nullptr);
    for (auto* scale : {scaleX_.get(), scaleY_.get()}) {
        if (auto* own = dynamic_cast<AudioEditorScale*>(scale)) own->SetHost(nullptr);
    }
    if (auto* own = dynamic_cast<AudioEditorColors*>(colors_.get())) own->SetHost(nullptr);
    document_.Components() = {};
    scaleX_.reset();
    scaleY_.reset();
    colors_.reset();
    deviceInput_.reset();
    deviceOutput_.reset();
    fileInfo_.reset();
    markers_.reset();
    position_.reset();
    channelObject_.reset();
    recorder_.reset();
    lameEncoder_.reset();
    player_.reset();
    recordComponent_.reset();
    fileComponent_.reset();
    transform_.reset();
    events_.Point().UnadviseAll();
}

HRESULT AudioEditor::QueryInterface(const IID& iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IUnknown::kIid || iid == IDispatch::kIid || iid == IAudioEditor::kIid) {
        *object = static_cast<IAudioEditor*>(this);
    } else if (iid == IConnectionPointContainer::kIid) {
        *object = static_cast<IConnectionPointContainer*>(this);
    } else if (iid == IEditorControl::kIid) {
        *object = static_cast<IEditorControl*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

HRESULT AudioEditor::FindConnectionPoint(const IID& iid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (iid != IID_IAudioEditorEvents) return CONNECT_E_NOCONNECTION;
    *point = &events_.Point();
    events_.Point().AddRef();
    return S_OK;
}

// ---- Start-up ----

HRESULT AudioEditor::Fail(const std::string& className, HRESULT hr) {
    services_.messageBox->Show(className + " is not registered.", kCaption, MessageIcon::StopSign);
    return Failed(hr) ? hr : REGDB_E_CLASSNOTREG;
}

HRESULT AudioEditor::CreateSubObjects() {
    ClassRegistry& registry = *services_.registry;
    scaleX_ = registry.Create<IAudioEditorScale>("AudioEditorScale");
    if (!scaleX_) return Fail("AudioEditorScale", REGDB_E_CLASSNOTREG);
    scaleY_ = registry.Create<IAudioEditorScale>("AudioEditorScale");
    if (!scaleY_) return Fail("AudioEditorScale", REGDB_E_CLASSNOTREG);
    colors_ = registry.Create<IAudioEditorColors>("AudioEditorColors");
    if (!colors_) return Fail("AudioEditorColors", REGDB_E_CLASSNOTREG);
    deviceInput_ = CreateOwn<AudioEditorDevice, IAudioEditorDevice>(registry, "AudioEditorDevice");
    deviceOutput_ = CreateOwn<AudioEditorDevice, IAudioEditorDevice>(registry, "AudioEditorDevice");
    if (!deviceInput_ || !deviceOutput_) return Fail("AudioEditorDevice", REGDB_E_CLASSNOTREG);
    fileInfo_ = CreateOwn<AudioEditorFileInfo, IAudioEditorFileInfo>(registry, "AudioEditorFileInfo");
    if (!fileInfo_) return Fail("AudioEditorFileInfo", REGDB_E_CLASSNOTREG);
    position_ = CreateOwn<AudioEditorPosition, IAudioEditorPosition>(registry, "AudioEditorPosition");
    if (!position_) return Fail("AudioEditorPosition", REGDB_E_CLASSNOTREG);
    channelObject_ = CreateOwn<AudioEditorChannel, IAudioEditorChannel>(registry, "AudioEditorChannels");
    if (!channelObject_) return Fail("AudioEditorChannels", REGDB_E_CLASSNOTREG);
    markers_ = CreateOwn<AudioEditorMarkers, IAudioEditorMarkers>(registry, "AudioEditorMarkers");
    if (!markers_) return Fail("AudioEditorMarkers", REGDB_E_CLASSNOTREG);
    recorder_ = CreateOwn<AudioEditorRecorder, IAudioEditorRecorder>(registry, "AudioEditorRecorder");
    if (!recorder_) return Fail("AudioEditorRecorder", REGDB_E_CLASSNOTREG);

    for (auto* scale : {scaleX_.get(), scaleY_.get()}) {
        if (auto* own = dynamic_cast<AudioEditorScale*>(scale)) own->SetHost(this);
    }
    if (auto* own = dynamic_cast<AudioEditorColors*>(colors_.get())) own->SetHost(this);
    fileInfo_->SetHost(this);
    position_->SetHost(this);
    channelObject_->SetHost(this);
    markers_->SetHost(this);
    recorder_->SetHost(this);
    return S_OK;
}

HRESULT AudioEditor::CreateComponents() {
    ClassRegistry& registry = *services_.registry;
    auto information = registry.Create<IVeskAudioInformation>(kVeskAudioInformationName);
    if (!information) return Fail(std::string(kVeskAudioInformationName), REGDB_E_CLASSNOTREG);
    fileInfo_->SetInformation(information.get());

    player_ = registry.Create<IVeskAudioPlayer>(kVeskAudioPlayerName);
    if (!player_) return Fail(std::string(kVeskAudioPlayerName), REGDB_E_CLASSNOTREG);
    playerSink_.Connect(player_.get(), IID_VeskAudioPlayerEvents, this, ComponentSink::Source::Player);

    recordComponent_ = registry.Create<IVeskAudioRecord>(kVeskAudioRecordName);
    if (!recordComponent_) return Fail(std::string(kVeskAudioRecordName), REGDB_E_CLASSNOTREG);
    recordSink_.Connect(recordComponent_.get(), IID_VeskAudioRecordEvents, this, ComponentSink::Source::Recorder);

    fileComponent_ = registry.Create<IVeskAudioFile>(kVeskAudioFileName);
    if (!fileComponent_) return Fail(std::string(kVeskAudioFileName), REGDB_E_CLASSNOTREG);

    lameEncoder_ = CreateOwn<AudioEditorLameMp3Encoder, IAudioEditorLameMp3Encoder>(registry, "AudioEditorLameMp3Encoder");
    if (!lameEncoder_) return Fail("AudioEditorLameMp3Encoder", REGDB_E_CLASSNOTREG);
    ComPtr<IVeskLameSettings> lameSettings;
    fileComponent_->GetLameSettings(lameSettings.put());
    lameEncoder_->SetSettings(lameSettings.get());

    transform_ = registry.Create<IVeskAudioTransform>(kVeskAudioTransformName);
    if (!transform_) return Fail(std::string(kVeskAudioTransformName), REGDB_E_CLASSNOTREG);
    transformSink_.Connect(transform_.get(), IID_VeskAudioTransformEvents, this, ComponentSink::Source::Transform);
    return S_OK;
}

void AudioEditor::ConnectDocument() {
    DocumentComponents& components = document_.Components();
    components.registry = services_.registry;
    components.file = fileComponent_.get();
    components.transform = transform_.get();
    components.information = fileInfo_->Information();
}

void AudioEditor::CreateTransport() {
    transport_ = std::make_unique<Transport>(document_, view_, *player_, *recordComponent_, deviceOutput_->Settings(),
                                             deviceInput_->Settings(), recorder_->Settings());
    mouse_ = std::make_unique<Mouse>(document_, view_, transport_->Player());
}

void AudioEditor::ConfigureComponents() {
    int32_t ignored = 0;
    fileComponent_->SetOutputFormatVOX(8000, &ignored);
    transform_->SetSmoothStart(0);
    transform_->SetSmoothEnd(0);
    smoothTime_ = 10;
    document_.SetSmoothEnabled(1);
    transform_->SetSmoothTime(smoothTime_);
    player_->SetPlayerTimerInterval(50);
    recordComponent_->SetRecorderTimerInterval(50);
    player_->SetPlayerLevelHold(0);
    // The recorder starts with its input filters off.
    recordComponent_->SetNotchFilterEnabled(0);
    recordComponent_->SetHighPassFilterEnabled(0);
    recordComponent_->SetLowPassFilterEnabled(0);
    deviceOutput_->SetBackend(MakeOutputDevice(player_.get()));
    deviceInput_->SetBackend(MakeInputDevice(recordComponent_.get()));
    recorder_->SetRecordComponent(recordComponent_.get());
}

HRESULT AudioEditor::FinalConstruct() {
    HRESULT hr = CreateSubObjects();
    if (Succeeded(hr)) hr = CreateComponents();
    if (Failed(hr)) {
        ReleaseEverything();
        return hr;
    }
    ConnectDocument();
    ConfigureComponents();
    CreateTransport();
    return S_OK;
}

ComPtr<AudioEditor> CreateAudioEditor(ControlServices services) {
    auto control = MakeCom<AudioEditor>(services);
    if (Failed(control->FinalConstruct())) return {};
    return control;
}

// ---- Component notifications ----

void AudioEditor::OnComponentEvent(ComponentSink::Source source, DISPID id, const DISPPARAMS* params) {
    // The transform's progress while an effect runs, as the position in the whole document.
    if (source == ComponentSink::Source::Transform && id == transform_event::kProgress) {
        editing_.Effects().OnTransformProgress(EventArgInt(params, 0));
    }
    if (transport_) transport_->OnComponentEvent(source, id, params);
}

// ---- EditorHost ----

void AudioEditor::RestartPlayback() {
    if (transport_) transport_->Player().Restart(view_.TypeView() != kViewSpectral);
}

void AudioEditor::RecorderSettingsChanged() {
    if (transport_) transport_->Recorder().SettingsChanged();
}

// ---- IEditorControl ----

HRESULT AudioEditor::InPlaceActivate(ControlSite* site) {
    view_.SetSite(site);
    return S_OK;
}

HRESULT AudioEditor::InPlaceDeactivate() {
    view_.SetSite(nullptr);
    return S_OK;
}

HRESULT AudioEditor::Paint(Bitmap& target, const ClientRect& bounds) {
    view_.Paint(target, bounds);
    return S_OK;
}

HRESULT AudioEditor::WindowMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t* result,
                                   bool* passOn) {
    // A handler may release the host's last reference through an event.
    ComPtr<AudioEditor> self(this);
    const Mouse::Outcome outcome = mouse_ ? mouse_->HandleMessage(message, wParam, lParam) : Mouse::Outcome{};
    if (result) *result = outcome.result;
    if (passOn) *passOn = outcome.passOn;
    return S_OK;
}

}  // namespace vesk
