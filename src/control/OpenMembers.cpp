// Open: a sound file of any supported format becomes a new document, decoded block by block
// into a fresh working file (with the overview filled on the way), through the file component,
// the WMA codec or the CD reader as the file name's extension says.
#include <algorithm>
#include <cstdlib>

#include "components/CdReader.h"
#include "components/ComponentNames.h"
#include "components/WmaCodec.h"
#include "control/AudioEditor.h"
#include "document/FileKind.h"
#include "platform/io/PathUtil.h"

namespace vesk {

namespace {

constexpr int32_t kFormatNotSupport = -13;
constexpr int32_t kFileAccess = -18;

}  // namespace

HRESULT AudioEditor::Open(BSTR fileName, int32_t FormatType) {
    if (HasDocument()) Close();
    lastErrorNum_ = 0;
    const std::string name = BstrToUtf8(fileName);
    switch (FileKindOf(name)) {
        case FileKind::General:
            OpenThroughFile(name, FormatType);
            if (HasDocument()) ReadMarkersOf(name);
            break;
        case FileKind::Wma:
            OpenThroughWma(name);
            break;
        case FileKind::CdTrack:
            OpenThroughCd(name);
            break;
    }
    FireErrorIfAny();
    if (HasDocument()) view_.RecomputeView(0, position_->State()->totalBytes);
    Redraw();
    FireEndOperation();
    return S_OK;
}

void AudioEditor::ReportProgress(int32_t percent) {
    openProgress_ = percent;
    FireEvent(kBlockOperation, {Variant::I2(static_cast<int16_t>(percent))});
    Redraw();
}

bool AudioEditor::DecodeInto(WaveFile& file, int32_t blockBytes, int64_t expectedBytes, const BlockReader& read) {
    int64_t done = 0;
    bool written = true;
    while (true) {
        SafeArrayPtr block;
        read(blockBytes, block.put());
        if (block.size() < 2 || status_ == operation::kIdle) break;
        std::span<int16_t> samples = block.shorts();
        if (!file.Write(samples.data(), static_cast<uint32_t>(samples.size_bytes()))) {
            written = false;
            break;
        }
        view_.AddDecodedBlock(samples.data(), static_cast<int32_t>(samples.size()), done);
        done += static_cast<int64_t>(samples.size_bytes());
        double fraction = expectedBytes > 0 ? static_cast<double>(done) / expectedBytes : 1.0;
        ReportProgress(static_cast<int32_t>(std::min(fraction, 0.9999) * 100));
    }
    ReportProgress(100);
    return written;
}

void AudioEditor::OpenThroughFile(const std::string& fileName, int32_t formatType) {
    status_ = operation::kOpening;
    DocState state;
    WaveFile file;
    int64_t expected = 0;
    bool pushed = false;
    Bstr name(fileName);
    fileComponent_->OpenForDecoding(name.get(), formatType, 1);
    fileComponent_->GetLastError(&lastErrorNum_);
    if (lastErrorNum_ == 0) {
        int32_t frames = 0, isPcm = 0;
        fileComponent_->GetFrequency(&frequency_);
        fileComponent_->GetChannels(&channels_);
        fileComponent_->GetBitsPerSample(&bitsPerSample_);
        fileComponent_->GetLength(&frames);
        fileComponent_->GetPcmFlag(&isPcm);
        if (isPcm != 1) bitsPerSample_ = 16;
        expected = static_cast<int64_t>(frames) * 2 * channels_;
        Bstr text;
        fileComponent_->GetFormatString(text.put());
        formatString_ = text.utf8();
        transform_->SetFrequency(frequency_);

        state.filePath = NewWorkingFileName();
        if (!state.filePath.empty() && file.Create(state.filePath, frequency_, static_cast<uint16_t>(channels_))) {
            view_.StartDecodingOverview(expected, channels_);
            openProgress_ = 0;
            channelObject_->Refresh();
            view_.RelayTimeScale();
            auto read = [this](int32_t bytes, SAFEARRAY** block) { fileComponent_->ReadBlock(bytes, block); };
            if (DecodeInto(file, 4 * frequency_, expected, read)) {
                state.channels = static_cast<int16_t>(channels_);
                state.frequency = frequency_;
                state.totalBytes = static_cast<int32_t>(file.DataSize());
                state.endView[0] = state.totalBytes;
                History().Push(state);
                pushed = true;
            } else {
                lastErrorNum_ = kFileAccess;  // the working file's disk is full or failing
            }
        }
    }
    file.Close();
    fileComponent_->CloseFile();
    if (!pushed && !state.filePath.empty()) RemoveFile(state.filePath);
    if (pushed) {
        const int64_t total = position_->State()->totalBytes;
        const bool cancelled = status_ == operation::kIdle;
        if (cancelled || std::llabs(total - expected) > total / 100) view_.BuildOverview();
    } else {
        view_.FreeOverview();
    }
    status_ = operation::kIdle;
}

void AudioEditor::ReadMarkersOf(const std::string& fileName) {
    IVeskAudioInformation* info = fileInfo_->Information();
    if (!info) return;
    Bstr name(fileName);
    info->ReadFileInfo(name.get());
    int32_t count = 0;
    info->GetMarkerInfoCount(&count);
    MarkerList& markers = position_->State()->markers;
    for (int32_t i = 1; i <= count; ++i) {
        info->SelectMarkerInfo(i);
        MarkerRecord marker;
        int32_t position = 0, length = 0;
        info->GetMarkerPosition(&position);
        info->GetMarkerLength(&length);
        marker.positionFrames = static_cast<uint32_t>(position);
        marker.lengthFrames = static_cast<uint32_t>(length);
        Bstr label, note, text;
        info->GetMarkerLabel(label.put());
        info->GetMarkerNote(note.put());
        info->GetMarkerText(text.put());
        marker.label = label.utf8();
        marker.note = note.utf8();
        marker.text = text.utf8();
        int16_t language = 0, country = 0, dialect = 0, codePage = 0;
        info->GetMarkerLanguage(&language);
        info->GetMarkerCountry(&country);
        info->GetMarkerDialect(&dialect);
        info->GetMarkerCodePage(&codePage);
        marker.language = static_cast<uint16_t>(language);
        marker.country = static_cast<uint16_t>(country);
        marker.dialect = static_cast<uint16_t>(dialect);
        marker.codePage = static_cast<uint16_t>(codePage);
        markers.InsertSorted(marker);
    }
    markers_->SyncMarkerCache();
}

void AudioEditor::OpenThroughWma(const std::string& fileName) {
    auto codec = services_.registry->Create<IWmaCodec>(kWmaCodecName);
    if (!codec) return;
    if (HasDocument()) Close();
    DocState state;
    state.filePath = NewWorkingFileName();
    WaveFile file;
    bool pushed = false;
    Bstr name(fileName);
    codec->OpenForDecoding(name.get(), &lastErrorNum_);
    codec->GetLastError(&lastErrorNum_);
    if (lastErrorNum_ == 0) {
        codec->GetFrequency(&frequency_);
        codec->GetChannels(&channels_);
        codec->GetProfile(&wmaProfile_);
        bitsPerSample_ = 16;
        if (state.filePath.empty() || !file.Create(state.filePath, frequency_, static_cast<uint16_t>(channels_))) {
            lastErrorNum_ = kFormatNotSupport;
        } else {
            int32_t frames = 0;
            codec->GetLength(&frames);
            const int64_t expected = static_cast<int64_t>(frames) * 2 * channels_;
            view_.StartDecodingOverview(expected, channels_);
            openProgress_ = 0;
            status_ = operation::kOpening;
            channelObject_->Refresh();
            view_.RelayTimeScale();
            auto read = [&codec](int32_t bytes, SAFEARRAY** block) { codec->ReadBlock(bytes, block); };
            if (DecodeInto(file, frequency_, expected, read)) {
                state.channels = static_cast<int16_t>(channels_);
                state.frequency = frequency_;
                state.totalBytes = static_cast<int32_t>(file.DataSize());
                state.endView[0] = state.totalBytes;
                History().Push(state);
                pushed = true;
                transform_->SetFrequency(frequency_);
                Bstr text;
                codec->GetFormatString(text.put());
                formatString_ = text.utf8();
            } else {
                lastErrorNum_ = kFileAccess;
            }
        }
    }
    codec->CloseFile();
    file.Close();
    codec.reset();
    if (!pushed && !state.filePath.empty()) RemoveFile(state.filePath);
    if (pushed && status_ == operation::kIdle) view_.BuildOverview();
    status_ = operation::kIdle;
}

void AudioEditor::OpenThroughCd(const std::string& fileName) {
    status_ = operation::kOpening;
    auto reader = services_.registry->Create<ICdReader>(kCdReaderName);
    if (!reader) {
        status_ = operation::kIdle;
        return;
    }
    SinkConnection sink;
    sink.Connect(reader.get(), IID_CdReaderEvents, this, ComponentSink::Source::CdReader);
    if (HasDocument()) Close();
    status_ = operation::kOpening;  // Close stopped everything, the copy still runs
    DocState state;
    std::string workingName = NewWorkingFileName();

    // The drive is the directory part of the track's name.
    const std::string drive = SplitPath(fileName).directory;
    int32_t drives = 0;
    reader->GetDriveCount(&drives);
    int32_t chosen = 1;
    for (int32_t d = 1; d <= drives; ++d) {
        reader->SelectDrive(d);
        Bstr driveName;
        reader->GetDriveName(driveName.put());
        std::string candidate = driveName.utf8();
        if (!candidate.empty() && candidate.back() != '/') candidate += '/';
        if (candidate == drive) {
            chosen = d;
            break;
        }
    }
    reader->SelectDrive(chosen);
    reader->OpenDrive();
    reader->SelectTrack(CdTrackNumber(fileName));

    frequency_ = 44100;
    channels_ = 2;
    bitsPerSample_ = 16;
    int32_t frames = 0;
    reader->GetTrackLength(&frames);
    channelObject_->Refresh();
    view_.RelayTimeScale();
    Bstr target(workingName);
    for (int32_t attempt = 1; attempt <= 3; ++attempt) {
        reader->SetRipMode(attempt);
        reader->RipTrack(target.get());
        reader->GetLastError(&lastErrorNum_);
        if (lastErrorNum_ == 0) break;
    }
    if (!workingName.empty()) RemoveFile(workingName);  // the copy lives in the ".wav" name
    state.filePath = workingName + ".wav";
    if (lastErrorNum_ == 0 && !workingName.empty()) {
        state.channels = 2;
        state.frequency = 44100;
        state.totalBytes = static_cast<int32_t>(static_cast<int64_t>(frames) * 4);
        state.endView[0] = state.totalBytes;
        History().Push(state);
        transform_->SetFrequency(frequency_);
        int32_t ignored = 0;
        fileComponent_->SetOutputFormatPCM(frequency_, channels_, 16, &ignored);
        RefreshFormatString();
    } else {
        RemoveFile(state.filePath);
    }
    sink.Disconnect();
    reader.reset();
    status_ = operation::kIdle;
    if (HasDocument()) view_.BuildOverview();
}

}  // namespace vesk
