#include "document/WmaCodecSink.h"

#include "platform/automation/Bstr.h"

namespace vesk {

int32_t WmaCodecSink::LastError() {
    int32_t error = 0;
    codec_->GetLastError(&error);
    return error;
}

int32_t WmaCodecSink::Open(const std::string& path) {
    codec_->SetInputFormat(frequency_, channels_);
    codec_->SetProfile(profile_);
    Bstr name(path);
    int32_t error = 0;
    codec_->OpenForEncoding(name.get(), &error);
    return LastError();
}

int32_t WmaCodecSink::Write(SAFEARRAY* block) {
    codec_->WriteBlock(block);
    return LastError();
}

int32_t WmaCodecSink::Close() {
    codec_->CloseFile();
    return LastError();
}

}  // namespace vesk
