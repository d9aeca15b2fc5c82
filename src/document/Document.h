// The document core: the undo/redo history (and with it every working file), the document's
// format, the operation Status, the last error and the working-file settings. Everything that
// opens, saves, edits or shows the document shares one Document by reference; the control owns
// it and is the automation facade over it.
//
// A document is open exactly when the history has a current state. Its format is kept here and
// in every state; moving through the history copies the state's format back (see
// DocumentCommands).
//
// Threading: the control's thread only.
#pragma once

#include <cstdint>
#include <string>

#include "document/ChannelSelection.h"
#include "document/DocumentComponents.h"
#include "document/DocumentDisplay.h"
#include "document/EventSink.h"
#include "document/HistoryStore.h"
#include "document/Status.h"

namespace vesk {

class Document {
public:
    static constexpr int32_t kDefaultFileBufferSize = 10001;  // milliseconds (not 10000)
    static constexpr int32_t kMinFileBufferSize = 100;
    static constexpr int32_t kMaxFileBufferSize = 600000;
    static constexpr char kClipboardFileName[] = "VeskClipBoard.wav";

    // 8000 Hz mono 16-bit, no document, the system's temporary directory.
    Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // ---- Collaborators ----
    // Where events go and what shows the document; nullptr detaches (then nothing is fired or
    // shown). Both must outlive their attachment.
    void Attach(EventSink* events, DocumentDisplay* display);
    EventSink& Events() { return *events_; }
    DocumentDisplay& Display() { return *display_; }
    DocumentComponents& Components() { return components_; }

    // ---- History ----
    HistoryStore& History() { return history_; }
    bool IsOpen() const { return history_.Current() != nullptr; }
    // The current state, nullptr when no document is open. Valid until the history changes.
    DocState* Current() { return history_.Current(); }
    const DocState* Current() const { return history_.Current(); }

    // ---- Format ----
    int32_t Frequency() const { return frequency_; }  // Hz
    int32_t Channels() const { return channels_; }    // 1 or 2
    // Of the source: the decoder's width for uncompressed PCM, else 16. Working files are 16-bit.
    int32_t BitsPerSample() const { return bitsPerSample_; }
    int32_t BytesPerFrame() const { return 2 * channels_; }
    // Also recounts the channel flags over the new channel count.
    void SetFormat(int32_t frequency, int32_t channels, int32_t bitsPerSample = 16);
    const std::string& FormatString() const { return formatString_; }
    void SetFormatString(std::string text) { formatString_ = std::move(text); }
    int32_t WmaProfile() const { return wmaProfile_; }
    void SetWmaProfile(int32_t profile) { wmaProfile_ = profile; }

    // ---- Status ----
    Status CurrentStatus() const { return status_; }
    void SetStatus(Status status) { status_ = status; }
    bool IsIdle() const { return status_ == Status::Idle; }

    // ---- Errors: the one path by which failures reach the host ----
    int32_t LastErrorNum() const { return lastErrorNum_; }
    void ClearError() { lastErrorNum_ = 0; }
    // Stores code (one of the ErrorConstants) as LastErrorNum; fires nothing.
    void SetError(int32_t code) { lastErrorNum_ = code; }
    // Fires Error(LastErrorNum) when it is not 0.
    void ReportError();

    // ---- Working files and edit settings ----
    // The directory of new working files, with its trailing '/'.
    const std::string& TempDirectory() const { return tempDirectory_; }
    // The last element of path is a file name ("/data/tmp" names "/data/"); a directory that
    // cannot be entered is ignored. True when it was taken.
    bool SetTempDirectory(const std::string& path);
    // The internal clipboard file.
    const std::string& TempFileName() const { return tempFileName_; }
    // Only a name ending in ".wav" (any case) is taken.
    bool SetTempFileName(const std::string& name);
    // Block length of edits and effects in milliseconds of sound, within [100, 600000].
    int32_t FileBufferSize() const { return fileBufferSize_; }
    void SetFileBufferSize(int32_t milliseconds);
    // A fresh, empty, exclusively created working file in TempDirectory ("" when none can be made).
    std::string NewWorkingFileName() const;
    // Whether the transform's smoothing is switched on around every effect.
    bool SmoothEnabled() const { return smoothEnabled_ != 0; }
    int16_t SmoothEnabledFlag() const { return smoothEnabled_; }
    void SetSmoothEnabled(int16_t flag) { smoothEnabled_ = flag; }

    // ---- Channel flags (the Channels sub-object shows them) ----
    ChannelSelection& ChannelFlags() { return channelFlags_; }
    const ChannelSelection& ChannelFlags() const { return channelFlags_; }

private:
    EventSink* events_;
    DocumentDisplay* display_;
    DocumentComponents components_;
    HistoryStore history_;

    int32_t frequency_ = 8000;
    int32_t channels_ = 1;
    int32_t bitsPerSample_ = 16;
    std::string formatString_;
    int32_t wmaProfile_ = 6;
    Status status_ = Status::Idle;
    int32_t lastErrorNum_ = 0;

    std::string tempDirectory_;
    std::string tempFileName_;
    int32_t fileBufferSize_ = kDefaultFileBufferSize;
    int16_t smoothEnabled_ = 0;
    ChannelSelection channelFlags_;
};

}  // namespace vesk
