#include "document/FileComponentSink.h"

#include "platform/automation/Bstr.h"

namespace vesk {

int32_t FileComponentSink::LastError() {
    int32_t error = 0;
    file_.GetLastError(&error);
    return error;
}

int32_t FileComponentSink::Open(const std::string& path) {
    Bstr name(path);
    file_.OpenForEncoding(name.get(), formatType_);
    if (const int32_t error = LastError()) return error;
    file_.SetInputFormat(frequency_, channels_);
    return LastError();
}

int32_t FileComponentSink::OutputFrequency() {
    int32_t frequency = frequency_;
    file_.GetFrequency(&frequency);
    return frequency;
}

int32_t FileComponentSink::Write(SAFEARRAY* block) {
    file_.WriteBlock(block);
    return LastError();
}

int32_t FileComponentSink::Close() {
    file_.CloseFile();
    return LastError();
}

}  // namespace vesk
