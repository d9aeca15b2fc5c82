// The words the editor shows about a document: the window title, the status bar and the
// messages of failed operations. Pure formatting, kept apart from the widgets so it is tested.
#pragma once

#include <cstdint>
#include <string>

namespace vesk::editor {

// What the status bar shows, read from the control's Position and FileInfo members.
// Positions and lengths in sample frames.
struct DocumentSnapshot {
    bool open = false;
    int32_t sampleRateHz = 0;
    int32_t channels = 0;
    int32_t totalFrames = 0;
    int32_t cursorFrame = 0;
    bool selected = false;
    int32_t selectionStartFrame = 0;
    int32_t selectionEndFrame = 0;
    int32_t viewStartFrame = 0;
    int32_t viewEndFrame = 0;
    int16_t status = 0;  // the control's Status (operation code)
};

// "1:02.345" (minutes, seconds, milliseconds), "1:01:02.345" from an hour on. Negative counts
// as 0.
std::string FormatTime(int64_t milliseconds);
// A frame count as time at the rate, then the frames: "0:01.000 (44100)".
std::string FormatFrames(int64_t frames, int32_t sampleRateHz);
// "44100 Hz stereo", "8000 Hz mono".
std::string FormatSampleFormat(int32_t sampleRateHz, int32_t channels);
// The view's magnification against the whole sound: "1×", "12.5×".
std::string FormatZoom(int32_t totalFrames, int32_t viewStartFrame, int32_t viewEndFrame);
// What the transport (or the operation running) is doing: "Stopped", "Playing", "Saving", ...
std::string TransportText(int16_t status);
// The whole status line, fields separated by "  |  ".
std::string StatusLine(const DocumentSnapshot& snapshot);

// "song.wav — Audio Editor", with a leading "*" when changed; "Untitled" without a file.
std::string WindowTitle(const std::string& path, bool changed);

// A failed operation as a sentence naming the file and the problem, e.g.
// "Could not open “a.mp3”: the file is damaged or is not what its name says." action is the
// verb ("open", "save", "play", ...); file may be empty when no file is involved.
std::string ErrorMessage(int32_t errorCode, const std::string& action, const std::string& file);
// The problem alone, in words ("no output device could be used").
std::string ProblemText(int32_t errorCode);

}  // namespace vesk::editor
