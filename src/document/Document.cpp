#include "document/Document.h"

#include <algorithm>
#include <cctype>

#include "platform/io/PathUtil.h"
#include "platform/io/TempFile.h"

namespace vesk {

namespace {

// Targets of a detached document: they accept everything and do nothing.
EventSink& NoEvents() {
    static EventSink none;
    return none;
}

DocumentDisplay& NoDisplay() {
    static DocumentDisplay none;
    return none;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

Document::Document() : events_(&NoEvents()), display_(&NoDisplay()) {
    tempDirectory_ = SystemTempDirectory();
    tempFileName_ = tempDirectory_ + kClipboardFileName;
    channelFlags_.Recount(channels_);
}

void Document::Attach(EventSink* events, DocumentDisplay* display) {
    events_ = events ? events : &NoEvents();
    display_ = display ? display : &NoDisplay();
}

void Document::SetFormat(int32_t frequency, int32_t channels, int32_t bitsPerSample) {
    frequency_ = frequency;
    channels_ = channels;
    bitsPerSample_ = bitsPerSample;
    channelFlags_.Recount(channels);
}

void Document::ReportError() {
    if (lastErrorNum_ != 0) events_->Error(lastErrorNum_);
}

bool Document::SetTempDirectory(const std::string& path) {
    const std::string directory = SplitPath(path).directory;
    if (!IsEnterableDirectory(directory)) return false;
    tempDirectory_ = directory;
    return true;
}

bool Document::SetTempFileName(const std::string& name) {
    if (!EqualsIgnoringCase(SplitPath(name).extension, ".wav")) return false;
    tempFileName_ = name;
    return true;
}

void Document::SetFileBufferSize(int32_t milliseconds) {
    fileBufferSize_ = std::clamp(milliseconds, kMinFileBufferSize, kMaxFileBufferSize);
}

std::string Document::NewWorkingFileName() const {
    std::string directory = tempDirectory_;
    if (!directory.empty() && directory.back() != '/') directory += '/';
    return UniqueTempFileName(directory, "vsk");
}

}  // namespace vesk
