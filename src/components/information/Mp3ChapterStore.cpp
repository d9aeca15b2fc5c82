#include "components/information/Mp3ChapterStore.h"

#include <taglib/chapterframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tableofcontentsframe.h>
#include <taglib/textidentificationframe.h>

#include <cmath>
#include <cstdint>
#include <sstream>

#include "components/information/TagLibFile.h"
#include "platform/automation/Bstr.h"

namespace vesk {
namespace {

constexpr const char* kChapterId = "CHAP";
constexpr const char* kTableId = "CTOC";
constexpr const char* kLabelId = "TIT2";
constexpr const char* kNoteId = "TIT3";
constexpr const char* kUserTextId = "TXXX";
constexpr const char* kTextDescription = "Text";
constexpr const char* kFieldsDescription = "VeskMarker";
constexpr unsigned int kNoByteOffset = 0xFFFFFFFF;  // chapters are placed by time only

uint32_t FramesToMs(int64_t frames, int rate) {
    return static_cast<uint32_t>(std::llround(static_cast<double>(std::max<int64_t>(frames, 0)) * 1000.0 / rate));
}

int32_t MsToFrames(uint32_t ms, int rate) {
    return static_cast<int32_t>(std::min<int64_t>(std::llround(ms * static_cast<double>(rate) / 1000.0), INT32_MAX));
}

TagLib::String ToTagLib(const std::u16string& text) { return TagLib::String(Utf16ToUtf8(text), TagLib::String::UTF8); }

std::u16string FromTagLib(const TagLib::String& text) { return Utf8ToUtf16(text.to8Bit(true)); }

int RateOf(TagLib::MPEG::File& file) { return file.audioProperties() ? file.audioProperties()->sampleRate() : 0; }

// --- Writing ------------------------------------------------------------------------------

TagLib::ID3v2::Frame* TextFrame(const char* id, const std::u16string& text) {
    auto* frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF8);
    frame->setText(ToTagLib(text));
    return frame;
}

TagLib::ID3v2::Frame* UserText(const char* description, const TagLib::String& text) {
    return new TagLib::ID3v2::UserTextIdentificationFrame(description, TagLib::StringList(text), TagLib::String::UTF8);
}

std::string FieldsText(const MarkerInfo& marker) {
    std::ostringstream fields;
    fields << marker.positionFrames << ' ' << marker.lengthFrames << ' ' << marker.language << ' ' << marker.country
           << ' ' << marker.dialect << ' ' << marker.codePage;
    return fields.str();
}

TagLib::ID3v2::ChapterFrame* Chapter(const TagLib::ByteVector& elementId, const MarkerInfo& marker, int rate) {
    const int64_t start = marker.positionFrames;
    const int64_t end = start + std::max(marker.lengthFrames, 0);
    auto* chapter =
        new TagLib::ID3v2::ChapterFrame(elementId, FramesToMs(start, rate), FramesToMs(end, rate), kNoByteOffset, kNoByteOffset);
    // The chapter takes ownership of its sub-frames.
    if (!marker.label.empty()) chapter->addEmbeddedFrame(TextFrame(kLabelId, marker.label));
    if (!marker.note.empty()) chapter->addEmbeddedFrame(TextFrame(kNoteId, marker.note));
    if (!marker.text.empty()) chapter->addEmbeddedFrame(UserText(kTextDescription, ToTagLib(marker.text)));
    chapter->addEmbeddedFrame(UserText(kFieldsDescription, TagLib::String(FieldsText(marker))));
    return chapter;
}

void ReplaceChapters(TagLib::ID3v2::Tag& tag, const std::vector<MarkerInfo>& markers, int rate) {
    tag.removeFrames(kChapterId);
    tag.removeFrames(kTableId);
    if (markers.empty()) return;
    auto* table = new TagLib::ID3v2::TableOfContentsFrame("toc");
    table->setIsTopLevel(true);
    table->setIsOrdered(true);
    for (size_t i = 0; i < markers.size(); ++i) {
        const TagLib::ByteVector elementId(("chp" + std::to_string(i)).c_str());
        table->addChildElement(elementId);
        tag.addFrame(Chapter(elementId, markers[i], rate));  // the tag takes ownership
    }
    tag.addFrame(table);
}

// --- Reading ------------------------------------------------------------------------------

const TagLib::ID3v2::UserTextIdentificationFrame* FindUserText(const TagLib::ID3v2::ChapterFrame& chapter,
                                                                const char* description) {
    for (const TagLib::ID3v2::Frame* frame : chapter.embeddedFrameList(kUserTextId)) {
        const auto* text = dynamic_cast<const TagLib::ID3v2::UserTextIdentificationFrame*>(frame);
        if (text && text->description() == description) return text;
    }
    return nullptr;
}

TagLib::String FirstText(const TagLib::ID3v2::ChapterFrame& chapter, const char* id) {
    const TagLib::ID3v2::FrameList& frames = chapter.embeddedFrameList(id);
    return frames.isEmpty() ? TagLib::String() : frames.front()->toString();
}

TagLib::String UserTextValue(const TagLib::ID3v2::ChapterFrame& chapter, const char* description) {
    const auto* frame = FindUserText(chapter, description);
    if (!frame || frame->fieldList().isEmpty()) return {};
    return frame->fieldList().back();  // the value follows the description when TagLib lists both
}

// Takes the exact fields stored with the chapter when its times still say the same.
void ApplyStoredFields(const TagLib::ID3v2::ChapterFrame& chapter, int rate, MarkerInfo& marker) {
    std::istringstream fields(UserTextValue(chapter, kFieldsDescription).to8Bit(true));
    int32_t position = 0, length = 0, language = 0, country = 0, dialect = 0, codePage = 0;
    if (!(fields >> position >> length >> language >> country >> dialect >> codePage)) return;
    marker.language = static_cast<int16_t>(language);
    marker.country = static_cast<int16_t>(country);
    marker.dialect = static_cast<int16_t>(dialect);
    marker.codePage = static_cast<int16_t>(codePage);
    const int64_t end = static_cast<int64_t>(position) + std::max(length, 0);
    if (FramesToMs(position, rate) == chapter.startTime() && FramesToMs(end, rate) == chapter.endTime()) {
        marker.positionFrames = position;
        marker.lengthFrames = length;
    }
}

MarkerInfo MarkerOf(const TagLib::ID3v2::ChapterFrame& chapter, int rate) {
    MarkerInfo marker;
    marker.positionFrames = MsToFrames(chapter.startTime(), rate);
    const int32_t endFrames = MsToFrames(std::max(chapter.endTime(), chapter.startTime()), rate);
    marker.lengthFrames = endFrames - marker.positionFrames;
    marker.label = FromTagLib(FirstText(chapter, kLabelId));
    marker.note = FromTagLib(FirstText(chapter, kNoteId));
    marker.text = FromTagLib(UserTextValue(chapter, kTextDescription));
    ApplyStoredFields(chapter, rate, marker);
    return marker;
}

}  // namespace

bool Mp3ChapterStore::Read(const std::string& path, std::vector<MarkerInfo>& markers) {
    TagLibFile opened(path, false);
    // Without MPEG frames (no sample rate) it is not really an MP3 file.
    auto* file = dynamic_cast<TagLib::MPEG::File*>(opened.Sound());
    if (!file) return false;
    const int rate = RateOf(*file);
    std::vector<MarkerInfo> read;
    if (file->hasID3v2Tag()) {
        for (const TagLib::ID3v2::Frame* frame : file->ID3v2Tag()->frameList(kChapterId)) {
            if (const auto* chapter = dynamic_cast<const TagLib::ID3v2::ChapterFrame*>(frame)) {
                read.push_back(MarkerOf(*chapter, rate));
            }
        }
    }
    if (!opened.Close()) return false;
    markers = std::move(read);
    return true;
}

bool Mp3ChapterStore::Write(const std::string& path, const std::vector<MarkerInfo>& markers, Mp3TagLayout layout) {
    TagLibFile opened(path, true);
    auto* file = dynamic_cast<TagLib::MPEG::File*>(opened.Sound());
    if (!file || file->readOnly()) return false;
    if (markers.empty() && !file->hasID3v2Tag()) return opened.Close();
    ReplaceChapters(*file->ID3v2Tag(true), markers, RateOf(*file));
    const bool saved = file->save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone,
                                  layout.id3v24 ? TagLib::ID3v2::v4 : TagLib::ID3v2::v3, TagLib::File::DoNotDuplicate);
    return opened.Close() && saved;
}

}  // namespace vesk
