#include "document/CdTrackSource.h"

#include "components/ComponentErrors.h"
#include "document/Document.h"
#include "document/FileKind.h"
#include "platform/automation/Bstr.h"
#include "platform/io/PathUtil.h"

namespace vesk {

CdTrackSource::CdTrackSource(ComPtr<ICdReader> reader, std::string fileName, Document& document, IVeskAudioFile* file)
    : reader_(std::move(reader)), fileName_(std::move(fileName)), document_(document), file_(file) {}

CdTrackSource::~CdTrackSource() { Close(); }

void CdTrackSource::SelectDrive() {
    const std::string drive = SplitPath(fileName_).directory;
    int32_t drives = 0;
    reader_->GetDriveCount(&drives);
    int32_t chosen = 1;
    for (int32_t d = 1; d <= drives; ++d) {
        reader_->SelectDrive(d);
        Bstr driveName;
        reader_->GetDriveName(driveName.put());
        std::string candidate = driveName.utf8();
        if (!candidate.empty() && candidate.back() != '/') candidate += '/';
        if (candidate == drive) {
            chosen = d;
            break;
        }
    }
    reader_->SelectDrive(chosen);
}

int32_t CdTrackSource::Open() {
    sink_.Connect(reader_.get(), IID_CdReaderEvents, this, ComponentSink::Source::CdReader);
    SelectDrive();
    reader_->OpenDrive();
    reader_->SelectTrack(CdTrackNumber(fileName_));
    // The copy goes to a file of our own, created exclusively, that the reader overwrites.
    copyPath_ = document_.NewWorkingFileName();
    if (copyPath_.empty()) return component_error::kFileAccess;
    Bstr target(copyPath_);
    int32_t error = 0;
    for (int32_t attempt = 1; attempt <= 3; ++attempt) {
        reader_->SetRipMode(attempt);
        reader_->RipTrack(target.get());
        reader_->GetLastError(&error);
        if (error == component_error::kNone) break;
    }
    if (error != component_error::kNone) return error;
    return copy_.Open(copyPath_, WaveMode::Read) ? component_error::kNone : component_error::kFileAccess;
}

SourceFormat CdTrackSource::Format() {
    SourceFormat format;
    format.frequency = kFrequency;
    format.channels = kChannels;
    format.expectedBytes = copy_.DataSize();
    return format;
}

SafeArrayPtr CdTrackSource::Read(int32_t bytes) {
    SafeArrayPtr block(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(bytes / 2)));
    if (!block.get()) return block;
    const int32_t got = copy_.Read(block.shorts().data(), static_cast<uint32_t>(bytes / 2 * 2));
    SAFEARRAYBOUND bound{got > 0 ? static_cast<uint32_t>(got) / 2 : 0, 0};
    SafeArrayRedim(block.get(), &bound);
    return block;
}

void CdTrackSource::Adopt(Document& document) {
    if (!file_) return;
    int32_t ignored = 0;
    file_->SetOutputFormatPCM(kFrequency, kChannels, 16, &ignored);
    Bstr text;
    file_->GetFormatString(text.put());
    document.SetFormatString(text.utf8());
}

void CdTrackSource::Close() {
    sink_.Disconnect();
    copy_.Close();
    if (!copyPath_.empty()) RemoveFile(copyPath_);
    copyPath_.clear();
}

void CdTrackSource::OnComponentEvent(ComponentSink::Source source, DISPID id, const DISPPARAMS* params) {
    if (source == ComponentSink::Source::CdReader && id == cd_reader_event::kProgress) {
        document_.Display().ShowProgress(EventArgInt(params, 0));
    }
}

}  // namespace vesk
