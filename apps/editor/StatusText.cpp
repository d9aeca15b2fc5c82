#include "StatusText.h"

#include <cstdio>
#include <filesystem>

#include "components/ComponentErrors.h"

namespace vesk::editor {

namespace {

constexpr const char* kApplicationName = "Audio Editor";
constexpr const char* kSeparator = "  |  ";

std::string Printf(const char* format, auto... values) {
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

int64_t FramesToMilliseconds(int64_t frames, int32_t sampleRateHz) {
    return sampleRateHz > 0 ? frames * 1000 / sampleRateHz : 0;
}

}  // namespace

std::string FormatTime(int64_t milliseconds) {
    if (milliseconds < 0) milliseconds = 0;
    const int64_t seconds = milliseconds / 1000;
    const auto ms = static_cast<long long>(milliseconds % 1000);
    const auto s = static_cast<long long>(seconds % 60);
    const auto minutes = static_cast<long long>(seconds / 60);
    if (minutes >= 60) return Printf("%lld:%02lld:%02lld.%03lld", minutes / 60, minutes % 60, s, ms);
    return Printf("%lld:%02lld.%03lld", minutes, s, ms);
}

std::string FormatFrames(int64_t frames, int32_t sampleRateHz) {
    return FormatTime(FramesToMilliseconds(frames, sampleRateHz)) + Printf(" (%lld)", static_cast<long long>(frames));
}

std::string FormatSampleFormat(int32_t sampleRateHz, int32_t channels) {
    const char* layout = channels == 1 ? "mono" : channels == 2 ? "stereo" : "channels?";
    return Printf("%d Hz %s", sampleRateHz, layout);
}

std::string FormatZoom(int32_t totalFrames, int32_t viewStartFrame, int32_t viewEndFrame) {
    const int64_t shown = static_cast<int64_t>(viewEndFrame) - viewStartFrame;
    if (shown <= 0 || totalFrames <= 0) return "1\u00d7";
    const double factor = static_cast<double>(totalFrames) / static_cast<double>(shown);
    return factor < 1.05 ? "1\u00d7" : Printf("%.3g\u00d7", factor);
}

std::string TransportText(int16_t status) {
    switch (status) {
        case 0: return "Stopped";
        case 1: return "Playing";
        case 2: return "Recording";
        case 3: return "Opening";
        case 4: return "Saving";
        case 5: return "Paused";
        case 6: return "Copying";
        case 7: return "Building the overview";
        default: return "Working";
    }
}

std::string StatusLine(const DocumentSnapshot& snapshot) {
    if (!snapshot.open) return "No sound";
    const int32_t rate = snapshot.sampleRateHz;
    std::string line = FormatSampleFormat(rate, snapshot.channels) + kSeparator + "Length " +
                       FormatFrames(snapshot.totalFrames, rate) + kSeparator + "Cursor " +
                       FormatFrames(snapshot.cursorFrame, rate) + kSeparator;
    if (snapshot.selected) {
        line += "Selection " + FormatFrames(snapshot.selectionStartFrame, rate) + " \u2013 " +
                FormatFrames(snapshot.selectionEndFrame, rate);
    } else {
        line += "No selection";
    }
    return line + kSeparator + "Zoom " +
           FormatZoom(snapshot.totalFrames, snapshot.viewStartFrame, snapshot.viewEndFrame) + kSeparator +
           TransportText(snapshot.status);
}

std::string WindowTitle(const std::string& path, bool changed) {
    const std::string name = path.empty() ? "Untitled" : std::filesystem::path(path).filename().string();
    return (changed ? "*" : "") + name + " \u2014 " + kApplicationName;
}

std::string ProblemText(int32_t errorCode) {
    namespace e = component_error;
    switch (errorCode) {
        case e::kNone: return "no error was reported";
        case e::kBusy: return "another operation is still running";
        case e::kMemory: return "there is not enough memory";
        case e::kFormatFile: return "the file is damaged or is not what its name says";
        case e::kFormatNotSupport: return "this format cannot be read or written here";
        case e::kOutDriver: return "no output device could be used";
        case e::kInpDriver: return "no input device could be used";
        case e::kMixerDriver: return "the volume control of the device could not be used";
        case e::kAcmDriver: return "no codec for this format is available";
        case e::kFileAccess: return "the file could not be read or written (missing, or no permission)";
        case e::kInvalidOperation: return "this cannot be done in the present state";
        case e::kInvalidParam: return "a value given is out of its range";
        case e::kAspiDriver: return "the CD drive could not be used";
        default: return Printf("an unknown problem occurred (code %d)", errorCode);
    }
}

std::string ErrorMessage(int32_t errorCode, const std::string& action, const std::string& file) {
    std::string message = "Could not " + action;
    if (!file.empty()) message += " \u201c" + std::filesystem::path(file).filename().string() + "\u201d";
    return message + ": " + ProblemText(errorCode) + ".";
}

}  // namespace vesk::editor
