// The AudioEditor control: the object a host creates and drives through IAudioEditor. It is a
// facade: the document's states live in the Position sub-object's history, settings in the
// sub-objects, decoding, playback, recording and effects in the companion components. This
// class holds the document's format and the settings that belong to no sub-object, runs the
// start-up and destruction sequences, and fires the events of _IAudioEditorEvents.
//
// Threading: one thread (the host's). Members return S_OK whatever happened; failures reach
// the host through LastErrorNum and the Error event.
#pragma once

#include <functional>
#include <string>

#include "components/VeskAudioFile.h"
#include "components/VeskAudioPlayer.h"
#include "components/VeskAudioRecord.h"
#include "components/VeskAudioTransform.h"
#include "control/ComponentSink.h"
#include "control/ControlEditHost.h"
#include "control/ControlViewHost.h"
#include "control/EditorControl.h"
#include "control/typelib/Bindings.h"
#include "document/WaveFile.h"
#include "edit/Editing.h"
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
#include "view/EditorView.h"

namespace vesk {

// What the control takes from its environment: where classes are created and where the
// start-up message goes. Both outlive the control.
struct ControlServices {
    ClassRegistry* registry = &ClassRegistry::Default();
    MessageBoxService* messageBox = &MessageBoxService::Default();
};

// Operation codes of Status.
namespace operation {
inline constexpr int16_t kIdle = 0;
inline constexpr int16_t kPlaying = 1;
inline constexpr int16_t kRecording = 2;
inline constexpr int16_t kOpening = 3;
inline constexpr int16_t kSaving = 4;
inline constexpr int16_t kPaused = 5;
inline constexpr int16_t kCopying = 6;
inline constexpr int16_t kBuildingOverview = 7;
}  // namespace operation

class AudioEditor : public RefCounted,
                    public DispatchImpl<IAudioEditor>,
                    public IConnectionPointContainer,
                    public IEditorControl,
                    public EditorHost,
                    public ComponentSink::Handler {
public:
    static constexpr int32_t kDefaultFileBufferSize = 10001;  // milliseconds (not 10000)
    static constexpr int32_t kMinFileBufferSize = 100;
    static constexpr int32_t kMaxFileBufferSize = 600000;
    static constexpr char kCaption[] = "VeskAudioEditor";
    static constexpr char kClipboardFileName[] = "VeskClipBoard.wav";

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
    int32_t DocumentChannels() const override { return channels_; }
    int32_t DocumentFrequency() const override { return frequency_; }
    int16_t Status() const override { return status_; }
    int32_t TypeView() const override { return typeView_; }
    std::string FormatString() const override { return formatString_; }
    void UpdateSelectionColumns() override;
    void RenderBackground() override;
    void Redraw() override;
    void RecomputeCurrentView() override;
    void RestartPlayback() override;
    void ScaleChanged() override;
    void ColorsChanged(ColorEffect effect) override;
    void RecorderSettingsChanged() override;

    // ---- For the hosts and tests of this library ----
    bool HasDocument() { return position_ && position_->State() != nullptr; }
    HistoryStore& History() { return position_->History(); }
    EditorView& View() { return view_; }
    // Called by the component sinks.
    void OnComponentEvent(ComponentSink::Source source, DISPID id, const DISPPARAMS* params) override;

private:
    friend class ControlViewHost;
    friend class ControlEditHost;

    HRESULT CreateSubObjects();
    HRESULT CreateComponents();
    void ConfigureComponents();
    HRESULT Fail(const std::string& className, HRESULT hr);
    void ReleaseEverything();

    // Makes a fresh working file name in TempDirectory ("" when that fails).
    std::string NewWorkingFileName() const;
    // After undo/redo: format, overview, view and markers follow the new current state.
    void BringInLineWithState();
    void RefreshDocumentObjects();

    // Open and Save, by the kind of file (the extension decides).
    void OpenThroughFile(const std::string& fileName, int32_t formatType);
    void OpenThroughWma(const std::string& fileName);
    void OpenThroughCd(const std::string& fileName);
    void ReadMarkersOf(const std::string& fileName);
    void SaveThroughFile(const std::string& fileName, bool selected, int32_t formatType);
    void SaveThroughWma(const std::string& fileName, bool selected);
    void WriteMarkersAndInfo(const std::string& fileName, bool selected, double rateRatio);
    // Moves decoded blocks into the working file (progress, overview on the fly); returns false
    // when the working file could not take them.
    using BlockReader = std::function<void(int32_t bytes, SAFEARRAY** block)>;
    bool DecodeInto(WaveFile& file, int32_t blockBytes, int64_t expectedBytes, const BlockReader& read);
    // Moves the working file's sound (or the selection) to an encoder in blocks.
    using BlockWriter = std::function<void(SAFEARRAY* block)>;
    void EncodeFrom(WaveFile& file, bool selected, int32_t blockBytes, const BlockWriter& write);
    // After a forwarded SetFormat: the component's text of its format.
    void RefreshFormatString();
    void ReportProgress(int32_t percent);
    // Runs one effect through the pipeline; S_OK whatever happened.
    HRESULT RunEffect(const EffectCall& call);

    void FireEvent(DISPID id, std::initializer_list<Variant> args = {});
    void FireEndOperation();
    void FireErrorIfAny();

    ControlServices services_;
    ComPtr<ConnectionPoint> events_;

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

    // Document core.
    int32_t fileBufferSize_ = kDefaultFileBufferSize;
    int16_t markerBackgroundEnabled_ = 1;
    int16_t markerBarEnabled_ = 1;
    std::string formatString_;
    int32_t frequency_ = 8000;
    int32_t channels_ = 1;
    int32_t bitsPerSample_ = 16;
    int16_t status_ = operation::kIdle;
    int16_t recordVisualizationType_ = 2;
    int16_t smoothEnabled_ = 0;
    int32_t smoothTime_ = 0;
    int32_t lastErrorNum_ = 0;
    std::string tempDirectory_;
    std::string tempFileName_;
    int32_t wmaProfile_ = 6;
    int32_t typeView_ = 0;
    int16_t mouseEventsEnabled_ = 1;
    int16_t typeBorder_ = 1;
    int32_t mousePointer_ = 0;
    std::string mouseCustom_;
    int32_t openProgress_ = 0;  // 0..100 while a file opens or saves

    ControlViewHost viewHost_{*this};
    EditorView view_{viewHost_};
    ControlEditHost editHost_{*this};
    Editing editing_{editHost_};
};

// Creates a control through `services` and runs its start-up; nullptr (after the start-up
// message) when that fails.
ComPtr<AudioEditor> CreateAudioEditor(ControlServices services = {});

}  // namespace vesk
