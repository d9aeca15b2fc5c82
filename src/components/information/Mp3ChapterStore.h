// Markers of MP3 files as ID3v2 chapter frames. Each marker becomes a CHAP frame "chp0", "chp1",
// … whose start and end times are milliseconds at the file's sample rate, with sub-frames for
// its fields: TIT2 the label, TIT3 the note, TXXX "Text" the text, and TXXX "VeskMarker" the exact
// frame position and length and the four 16-bit fields ("position length language country
// dialect codePage"). A top-level CTOC frame lists the chapters in order, as players expect.
// On reading, the exact frames are used only while they still match the chapter's times, so a
// chapter moved by another program reads at its new time.
#pragma once

#include <string>
#include <vector>

#include "components/MarkerInfo.h"
#include "components/information/Mp3TagLayout.h"

namespace vesk {

class Mp3ChapterStore {
public:
    // The chapters of the MP3 file at `path` (UTF-8), in tag order; empty without any. False,
    // with `markers` untouched, when the file is not an MP3 file TagLib can read (one
    // without MPEG frames included).
    static bool Read(const std::string& path, std::vector<MarkerInfo>& markers);

    // Replaces the file's chapters (and chapter list) with `markers`, leaving its other frames and
    // its ID3v1 tag alone; the ID3v2 version follows `layout`. False when the file is not an
    // MP3 file, its sample rate is unknown, or saving failed.
    static bool Write(const std::string& path, const std::vector<MarkerInfo>& markers, Mp3TagLayout layout);
};

}  // namespace vesk
