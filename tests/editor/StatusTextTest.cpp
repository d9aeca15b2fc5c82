// The words of the title, the status bar and the error messages.
#include <gtest/gtest.h>

#include "StatusText.h"
#include "components/ComponentErrors.h"

namespace vesk::editor {
namespace {

TEST(StatusText, TimesRollOverAtMinutesAndHours) {
    EXPECT_EQ(FormatTime(0), "0:00.000");
    EXPECT_EQ(FormatTime(59999), "0:59.999");
    EXPECT_EQ(FormatTime(60000), "1:00.000");
    EXPECT_EQ(FormatTime(3599999), "59:59.999");
    EXPECT_EQ(FormatTime(3600000 + 62345), "1:01:02.345");
    EXPECT_EQ(FormatTime(-5), "0:00.000");
    // Frames past 2^31 / 1000 must not overflow on the way to milliseconds.
    EXPECT_EQ(FormatFrames(2147483647, 44100), "13:31:35.774 (2147483647)");
    EXPECT_EQ(FormatFrames(22050, 0), "0:00.000 (22050)");
}

TEST(StatusText, StatusLineShowsFormatLengthCursorSelectionZoomAndTransport) {
    DocumentSnapshot document{true, 8000, 1, 80000, 4000, true, 8000, 12000, 0, 20000, 1};
    const std::string line = StatusLine(document);
    EXPECT_NE(line.find("8000 Hz mono"), std::string::npos) << line;
    EXPECT_NE(line.find("Length 0:10.000 (80000)"), std::string::npos) << line;
    EXPECT_NE(line.find("Cursor 0:00.500 (4000)"), std::string::npos) << line;
    EXPECT_NE(line.find("Selection 0:01.000 (8000) \u2013 0:01.500 (12000)"), std::string::npos)
        << line;
    EXPECT_NE(line.find("Zoom 4\u00d7"), std::string::npos) << line;
    EXPECT_NE(line.find("Playing"), std::string::npos) << line;

    document.selected = false;
    document.viewEndFrame = 80000;
    document.status = 42;  // an effect running
    const std::string idle = StatusLine(document);
    EXPECT_NE(idle.find("No selection"), std::string::npos);
    EXPECT_NE(idle.find("Zoom 1\u00d7"), std::string::npos);
    EXPECT_NE(idle.find("Working"), std::string::npos);
    EXPECT_EQ(StatusLine(DocumentSnapshot{}), "No sound");
}

TEST(StatusText, TitleNamesTheFileAndMarksChanges) {
    EXPECT_EQ(WindowTitle("/home/a/song.wav", false), "song.wav \u2014 Audio Editor");
    EXPECT_EQ(WindowTitle("/home/a/song.wav", true), "*song.wav \u2014 Audio Editor");
    EXPECT_EQ(WindowTitle("", true), "*Untitled \u2014 Audio Editor");
}

TEST(StatusText, ErrorsNameTheFileAndTheProblemInWords) {
    EXPECT_EQ(ErrorMessage(component_error::kFormatFile, "open", "/music/broken.mp3"),
              "Could not open \u201cbroken.mp3\u201d: the file is damaged or is not what its name says.");
    EXPECT_EQ(ErrorMessage(component_error::kOutDriver, "play", ""),
              "Could not play: no output device could be used.");
    // Every code of the library has its own words; an unknown one still says its number.
    for (int32_t code = component_error::kAspiDriver; code <= component_error::kBusy; ++code) {
        EXPECT_EQ(ProblemText(code).find("(code"), std::string::npos) << code;
    }
    EXPECT_NE(ProblemText(-99).find("-99"), std::string::npos);
}

}  // namespace
}  // namespace vesk::editor
