// The AudioEditor control: the object a host creates and drives through IAudioEditor. It is the
// automation facade and the wiring: the document core (history, format, Status, LastErrorNum,
// working-file settings) is the Document, the picture the EditorView, editing the Editing
// subsystem, settings the sub-objects; decoding, playback, recording and effects happen in the
// companion components. This class creates and connects them (start-up and destruction), hands
// every member to the part that does it, and fires the events of _IAudioEditorEvents.
//
// Threading: one thread (the host's). Members return S_OK whatever happened; failures reach
// the host through LastErrorNum and the Error event.
#pragma once

#include <functional>
#include <string>

#include "components/ComponentSink.h"
#include "components/VeskAudioFile.h"
#include "components/VeskAudioPlayer.h"
#include "components/VeskAudioRecord.h"
#include "components/VeskAudioTransform.h"
#include "control/ControlEvents.h"
#include "control/ControlViewHost.h"
#include "control/EditorControl.h"
#include "document/Document.h"
#include "document/DocumentCommands.h"
#include "document/SoundLoader.h"
#include "document/SoundSaver.h"
#include "edit/Editing.h"
#include "edit/SystemClipboardCommands.h"
#include "interaction/Mouse.h"
#include "interaction/Transport.h"
#include "objects/typelib/Bindings.h"
#include "objects/AudioEditorChannel.h"
#include "objects/AudioEditorColors.h"
#include "objects/AudioEditorDevice.h"
#include "objects/AudioEditorFileInfo.h"
#include "objects/AudioEditorLameMp3Encoder.h"
#include "objects/AudioEditorMarkers.h"
#include "objects/AudioEditorPosition.h"
#include "objects/AudioEditorRecorder.h"
#include "objects/AudioEditorScale.h"
#include "objects/EditorHost.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/ConnectionPoint.h"
#include "platform/automation/MessageBox.h"
#include "platform/clipboard/ClipboardExchange.h"
#include "view/EditorView.h"

namespace vesk {

// What the control takes from its environment: where classes are created, where the start-up
// message goes and which clipboard it exchanges sound through. All outlive the control.
struct ControlServices {
    ClassRegistry* registry = &ClassRegistry::Default();
    MessageBoxService* messageBox = &MessageBoxService::Default();
    // nullptr: the desktop clipboard of the control's thread, reached when first used.
    ClipboardExchange* clipboard = nullptr;
};

class AudioEditor : public RefCounted,
                    public DispatchImpl<IAudioEditor>,
                    public IConnectionPointContainer,
                    public IEditorControl,
                    public EditorHost,
                    public ComponentSink::Handler {
public:
    static constexpr char kCaption[] = "VeskAudioEditor";

    explicit AudioEditor(ControlServices services = {});
    ~AudioEditor() override;

    // Creates the sub-objects and components in their fixed order and configures them. On
    // failure the message names what is missing, is shown with the caption "VeskAudioEditor",
    // and the failing result is returned: the control must then be released unused.
    HRESULT FinalConstruct();

    HRESULT QueryInterface(const IID& iid, void** object) override;
    uint32_t AddRef() override { return AddRefImpl(); }
    uint32_t Release() override { return ReleaseImpl(); }

    // IConnectionPointContainer: _IAudioEditorEvents.
    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override;

    // IEditorControl: the window and the paint.
    HRESULT InPlaceActivate(ControlSite* site) override;
    HRESULT InPlaceDeactivate() override;
    HRESULT Paint(Bitmap& target, const ClientRect& bounds) override;
    HRESULT WindowMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t* result,
                          bool* passOn) override;

    // ---- IAudioEditor (in interface order) ----
    HRESULT Open(BSTR fileName, int32_t FormatType) override;
    HRESULT New(int32_t Frequency, int32_t nChannels) override;
    HRESULT Save(BSTR fileName, VARIANT_BOOL Selected, int32_t FormatType) override;
    HRESULT Close() override;
    HRESULT Play(int32_t PlayType) override;
    HRESULT Record(int32_t RecordType) override;
    HRESULT Stop() override;
    HRESULT Pause() override;
    HRESULT Continue() override;
    HRESULT GetCurrentArray(int32_t nSamples, SAFEARRAY** result) override;
    HRESULT ZoomIn() override;
    HRESULT ZoomOut() override;
    HRESULT ZoomFull() override;
    HRESULT Refresh() override;
    HRESULT ZoomVertical(int32_t Procent) override;
    HRESULT SaveWaveImage(BSTR fileBMP) override;
    HRESULT Undo() override;
    HRESULT Redo() override;
    HRESULT Copy() override;
    HRESULT Cut() override;
    HRESULT Paste() override;
    HRESULT PasteFromFile(BSTR fileName) override;
    HRESULT Mix(float AmplifySelect, float AmplifyPaste) override;
    HRESULT MixFromFile(float AmplifySelect, BSTR fileNamePaste, float AmplifyPaste) override;
    HRESULT PasteFromClipboard() override;
    HRESULT CopyToClipboard() override;
    HRESULT InsertSilence(int32_t Millisec) override;
    HRESULT DeleteSelect() override;
    HRESULT DeleteSilence(float dbThreshold, int32_t AttackTime, int32_t ReleaseTime, float RMSTime) override;
    HRESULT Trim(float dbTrimLevel, int32_t FadeTime, int32_t TrimParam) override;
    HRESULT ConvertSampleType(int32_t Frequency, int32_t Channels) override;
    HRESULT Silence() override;
    HRESULT Reverse() override;
    HRESULT Invert() override;
    HRESULT Amplify(float Amplify) override;
    HRESULT AddNoise(float Amplitude, int32_t NoiseType) override;
    HRESULT MixStereoChannels(float AmpLL, float AmpLR, float AmpRL, float AmpRR) override;
    HRESULT Fade(float AmplifyLeft, float AmplifyRight) override;
    HRESULT Normalize(float Normalization, VARIANT_BOOL DCBiasAdjust) override;
    HRESULT Vibrato(float SweepDepth, float SweepFrequency, float SweepPhase) override;
    HRESULT Envelope(SAFEARRAY** dbEnvelopeArray) override;
    HRESULT Compressor(float dbThreshold, float CompressionRate, float RMSTime) override;
    HRESULT Expander(float dbThreshold, float ExpansionRate, float RMSTime) override;
    HRESULT Delay(float DelayTime, float MixDepth, float FeedBackGain) override;
    HRESULT Phaser(float DelayTime, float MixDepth, float FeedBackGain) override;
    HRESULT Flanger(float DelayRate, float MixDepth, float FeedBackGain, float SweepDepth, float SweepRate,
                    float SweepPhase) override;
    HRESULT Reverb(float DelayTime, float MixDepth, float FeedBackGain, float ReverbrationRate) override;
    HRESULT Stretch(float Percent) override;
    HRESULT NotchFilter(float Frequency, float Steepness) override;
    HRESULT FFTFilter(SAFEARRAY** FFTArray) override;
    HRESULT HighPassFilter(float Frequency, float Steepness) override;
    HRESULT LowPassFilter(float Frequency, float Steepness) override;
    HRESULT HighShelfFilter(float Frequency, float dbGain, float Steepness) override;
    HRESULT LowShelfFilter(float Frequency, float dbGain, float Steepness) override;
    HRESULT BandPassFilter(float Frequency, float Steepness) override;
    HRESULT Equalizer(SAFEARRAY** dbGainArray, SAFEARRAY** FreqArray) override;
    HRESULT PeakEQFilter(float dbGain, float Frequency, float Steepness) override;
    HRESULT SetFormatFromMenu() override;
    HRESULT SetFormatRAW(int32_t TypeCompress, int32_t Frequency, int32_t nChannels, int32_t BitsPerSample) override;
    HRESULT SetFormatMP3(int32_t Frequency, int32_t Bitrate, int32_t nChannels) override;
    HRESULT SetFormatVOX(int32_t Frequency) override;
    HRESULT SetFormatG726(int32_t Frequency, int32_t BitsPerSample) override;
    HRESULT SetFormatLikeSample(BSTR fileName) override;
    HRESULT SetFormatWMA(int32_t wmaProfile) override;
    HRESULT SetFormatGSM(int32_t Frequency) override;
    HRESULT SetFormatPCM(int32_t Frequency, int32_t nChannels, int32_t BitsPerSample) override;
    HRESULT SetFormatDSP() override;
    HRESULT SetFormatALAW(int32_t Frequency, int32_t nChannels) override;
    HRESULT SetFormatULAW(int32_t Frequency, int32_t nChannels) override;
    HRESULT SetFormatALF2CD(int32_t Bitrate) override;
    HRESULT SetFormatADPCM(int32_t Frequency, int32_t nChannels) override;
    HRESULT SetFormatOggVorbis(int32_t Frequency, int32_t nChannels, int32_t NominalBitrate, int32_t MinBitrate,
                               int32_t MaxBitrate, int16_t Quality) override;
    HRESULT SetFormatG723(int32_t Frequency, int32_t BitsPerSample) override;
    HRESULT SetFormatG721(int32_t Frequency) override;
    HRESULT SetFormatMP2(int32_t Frequency, int32_t Bitrate, int16_t nChannels) override;
    HRESULT get_UndoRedoCount(int32_t* value) override;
    HRESULT put_UndoRedoCount(int32_t value) override;
    HRESULT get_UndoEnabled(VARIANT_BOOL* value) override;
    HRESULT get_RedoEnabled(VARIANT_BOOL* value) override;
    HRESULT get_TypeBorder(int16_t* value) override;
    HRESULT put_TypeBorder(int16_t value) override;
    HRESULT get_MousePointer(int32_t* value) override;
    HRESULT put_MousePointer(int32_t value) override;
    HRESULT get_MouseCustom(BSTR* value) override;
    HRESULT put_MouseCustom(BSTR value) override;
    HRESULT get_MouseEventsEnabled(VARIANT_BOOL* value) override;
    HRESULT put_MouseEventsEnabled(VARIANT_BOOL value) override;
    HRESULT get_TypeView(int32_t* value) override;
    HRESULT put_TypeView(int32_t value) override;
    HRESULT get_TempDirectory(BSTR* value) override;
    HRESULT put_TempDirectory(BSTR value) override;
    HRESULT get_TempFileName(BSTR* value) override;
    HRESULT put_TempFileName(BSTR value) override;
    HRESULT get_ScaleX(IAudioEditorScale** value) override;
    HRESULT put_ScaleX(IAudioEditorScale* value) override;
    HRESULT get_ScaleY(IAudioEditorScale** value) override;
    HRESULT put_ScaleY(IAudioEditorScale* value) override;
    HRESULT get_Colors(IAudioEditorColors** value) override;
    HRESULT put_Colors(IAudioEditorColors* value) override;
    HRESULT get_FileInfo(IAudioEditorFileInfo** value) override;
    HRESULT get_DeviceInput(IAudioEditorDevice** value) override;
    HRESULT get_DeviceOutput(IAudioEditorDevice** value) override;
    HRESULT get_Recorder(IAudioEditorRecorder** value) override;
    HRESULT get_Position(IAudioEditorPosition** value) override;
    HRESULT get_Channels(IAudioEditorChannel** value) override;
    HRESULT get_Markers(IAudioEditorMarkers** value) override;
    HRESULT get_LastErrorNum(int32_t* value) override;
    HRESULT get_Status(int16_t* value) override;
    HRESULT get_SmoothEnabled(VARIANT_BOOL* value) override;
    HRESULT put_SmoothEnabled(VARIANT_BOOL value) override;
    HRESULT get_SmoothTime(int32_t* value) override;
    HRESULT put_SmoothTime(int32_t value) override;
    HRESULT get_RecordVisualizationType(int16_t* value) override;
    HRESULT put_RecordVisualizationType(int16_t value) override;
    HRESULT get_MarkerBarEnabled(VARIANT_BOOL* value) override;
    HRESULT put_MarkerBarEnabled(VARIANT_BOOL value) override;
    HRESULT get_MarkerBackgroundEnabled(VARIANT_BOOL* value) override;
    HRESULT put_MarkerBackgroundEnabled(VARIANT_BOOL value) override;
    HRESULT get_Mp3TypeEncoder(int32_t* value) override;
    HRESULT put_Mp3TypeEncoder(int32_t value) override;
    HRESULT get_Mp3TypeDecoder(int32_t* value) override;
    HRESULT put_Mp3TypeDecoder(int32_t value) override;
    HRESULT get_Mp3LameEncoder(IAudioEditorLameMp3Encoder** value) override;
    HRESULT IsAvailableFormatMpeg(int32_t Frequency, int32_t Bitrate, int32_t Channels,
                                  VARIANT_BOOL* result) override;
    HRESULT IsAvailableFormatOggVorbis(int32_t Frequency, int32_t nChannels, int32_t NominalBitrate,
                                       int32_t MinBitrate, int32_t MaxBitrate, VARIANT_BOOL* result) override;
    HRESULT get_FileBufferSize(int32_t* value) override;
    HRESULT put_FileBufferSize(int32_t value) override;
    HRESULT PutSampleArray(SAFEARRAY* samples) override;
    HRESULT GetSelectionArray(SAFEARRAY** samples) override;
    HRESULT ClearSystemClipboard() override;

    // ---- EditorHost ----
    Document& Doc() override { return document_; }
    EditorView& View() override { return view_; }
    void RestartPlayback() override;
    void RecorderSettingsChanged() override;

    // ---- For the hosts and tests of this library ----
    bool HasDocument() const { return document_.IsOpen(); }
    HistoryStore& History() { return document_.History(); }
    // Called by the component sinks.
    void OnComponentEvent(ComponentSink::Source source, DISPID id, const DISPPARAMS* params) override;

private:
    HRESULT CreateSubObjects();
    HRESULT CreateComponents();
    void ConnectDocument();
    void CreateTransport();
    void ConfigureComponents();
    HRESULT Fail(const std::string& className, HRESULT hr);
    void ReleaseEverything();
    // Runs one effect through the pipeline; S_OK whatever happened.
    HRESULT RunEffect(const EffectCall& call);
    // After a forwarded SetFormat: the component's text of its format.
    void RefreshFormatString();

    ControlServices services_;
    ControlEvents events_{*static_cast<IAudioEditor*>(this)};

    // Sub-objects (one reference each). ScaleX, ScaleY and Colors may be replaced by host
    // objects and are therefore read through their interfaces.
    ComPtr<IAudioEditorScale> scaleX_;
    ComPtr<IAudioEditorScale> scaleY_;
    ComPtr<IAudioEditorColors> colors_;
    ComPtr<AudioEditorDevice> deviceInput_;
    ComPtr<AudioEditorDevice> deviceOutput_;
    ComPtr<AudioEditorFileInfo> fileInfo_;
    ComPtr<AudioEditorPosition> position_;
    ComPtr<AudioEditorChannel> channelObject_;
    ComPtr<AudioEditorMarkers> markers_;
    ComPtr<AudioEditorRecorder> recorder_;
    ComPtr<AudioEditorLameMp3Encoder> lameEncoder_;

    // Companion components and the sinks advised on them.
    ComPtr<IVeskAudioPlayer> player_;
    ComPtr<IVeskAudioRecord> recordComponent_;
    ComPtr<IVeskAudioFile> fileComponent_;
    ComPtr<IVeskAudioTransform> transform_;
    SinkConnection playerSink_;
    SinkConnection recordSink_;
    SinkConnection transformSink_;

    int32_t smoothTime_ = 0;

    // The document, what shows it and what changes it. The transport needs the components and
    // the device sub-objects, so it is made at start-up.
    Document document_;
    std::unique_ptr<Transport> transport_;
    std::unique_ptr<Mouse> mouse_;
    ControlViewHost viewHost_{scaleX_, scaleY_, colors_, transport_};
    EditorView view_{document_, viewHost_};
    DocumentCommands commands_{document_};
    SoundLoader loader_{document_};
    SoundSaver saver_{document_};
    Editing editing_{document_};
    SystemClipboardCommands systemClipboard_{document_, editing_.Commands(), [this]() -> ClipboardExchange& {
        return services_.clipboard ? *services_.clipboard : ClipboardExchange::ForCurrentThread();
    }};
};

// Creates a control through `services` and runs its start-up; nullptr (after the start-up
// message) when that fails.
ComPtr<AudioEditor> CreateAudioEditor(ControlServices services = {});

}  // namespace vesk
