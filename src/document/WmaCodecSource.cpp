#include "document/WmaCodecSource.h"

#include "components/ComponentErrors.h"
#include "document/Document.h"
#include "platform/automation/Bstr.h"

namespace vesk {

int32_t WmaCodecSource::Open() {
    Bstr name(fileName_);
    int32_t error = 0;
    codec_->OpenForDecoding(name.get(), &error);
    codec_->GetLastError(&error);
    return error;
}

SourceFormat WmaCodecSource::Format() {
    SourceFormat format;
    int32_t frames = 0;
    codec_->GetFrequency(&format.frequency);
    codec_->GetChannels(&format.channels);
    codec_->GetLength(&frames);
    format.expectedBytes = int64_t{frames} * 2 * format.channels;
    frequency_ = format.frequency;
    return format;
}

SafeArrayPtr WmaCodecSource::Read(int32_t bytes) {
    SafeArrayPtr block;
    codec_->ReadBlock(bytes, block.put());
    return block;
}

void WmaCodecSource::Adopt(Document& document) {
    int32_t profile = 0;
    codec_->GetProfile(&profile);
    document.SetWmaProfile(profile);
    Bstr text;
    codec_->GetFormatString(text.put());
    document.SetFormatString(text.utf8());
}

// A WMA file whose sound has nowhere to go counts as one the control cannot take.
int32_t WmaCodecSource::WorkingFileError() const { return component_error::kFormatNotSupport; }

}  // namespace vesk
