#include "document/FileComponentSource.h"

#include "document/Document.h"
#include "platform/automation/Bstr.h"

namespace vesk {

int32_t FileComponentSource::Open() {
    Bstr name(fileName_);
    file_.OpenForDecoding(name.get(), formatType_, 1);
    int32_t error = 0;
    file_.GetLastError(&error);
    return error;
}

SourceFormat FileComponentSource::Format() {
    SourceFormat format;
    int32_t frames = 0, isPcm = 0;
    file_.GetFrequency(&format.frequency);
    file_.GetChannels(&format.channels);
    file_.GetBitsPerSample(&format.bitsPerSample);
    file_.GetLength(&frames);
    file_.GetPcmFlag(&isPcm);
    if (isPcm != 1) format.bitsPerSample = 16;
    format.expectedBytes = int64_t{frames} * 2 * format.channels;
    frequency_ = format.frequency;
    return format;
}

SafeArrayPtr FileComponentSource::Read(int32_t bytes) {
    SafeArrayPtr block;
    file_.ReadBlock(bytes, block.put());
    return block;
}

void FileComponentSource::Adopt(Document& document) {
    Bstr text;
    file_.GetFormatString(text.put());
    document.SetFormatString(text.utf8());
}

}  // namespace vesk
