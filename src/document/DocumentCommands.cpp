#include "document/DocumentCommands.h"

#include <algorithm>

#include "components/ComponentErrors.h"
#include "document/DocumentLimits.h"
#include "document/WaveFile.h"
#include "platform/io/PathUtil.h"

namespace vesk {

namespace {

std::string PcmFormatText(int32_t frequency, int32_t channels) {
    return "PCM " + std::to_string(frequency) + " Hz; 16 bit; " + (channels == 1 ? "mono" : "stereo");
}

}  // namespace

void DocumentCommands::New(int32_t frequency, int32_t channels) {
    // Only mono and stereo documents at a rate the engine supports can be made; anything else
    // would make a working file no part of the control can read or play.
    if ((channels != 1 && channels != 2) || !IsSupportedFrequency(frequency)) {
        document_.SetError(component_error::kInvalidParam);
        return;
    }
    if (document_.IsOpen()) Close();
    document_.ClearError();

    DocState state;
    state.filePath = document_.NewWorkingFileName();
    document_.SetFormat(frequency, channels);
    WaveFile file;
    const bool created = !state.filePath.empty() &&
                         file.Create(state.filePath, static_cast<uint32_t>(frequency), static_cast<uint16_t>(channels));
    file.Close();
    if (!created) {
        RemoveFile(state.filePath);
        return;
    }
    state.frequency = frequency;
    state.channels = static_cast<int16_t>(channels);
    document_.History().Push(state);

    if (IVeskAudioTransform* transform = document_.Components().transform) transform->SetFrequency(frequency);
    DocumentDisplay& display = document_.Display();
    display.MarkersChanged();
    document_.SetFormatString(PcmFormatText(frequency, channels));
    if (!display.RecomputeView(0, document_.Current()->totalBytes)) return;
    display.Redraw();
    document_.Events().EndOperation();
}

void DocumentCommands::Close() {
    if (!document_.IsOpen()) return;
    DocumentDisplay& display = document_.Display();
    display.FreeOverview();
    display.ResetFullScale(document_.BitsPerSample());
    document_.History().Clear();
    if (IVeskAudioFile* file = document_.Components().file) file->CloseFile();
    document_.SetFormatString("");
    document_.ChannelFlags().Recount(document_.Channels());
    display.MarkersChanged();
}

void DocumentCommands::Undo() {
    if (!document_.IsIdle() || !document_.History().StepBack()) return;
    AlignWithCurrentState();
}

void DocumentCommands::Redo() {
    if (!document_.IsIdle() || !document_.History().StepForward()) return;
    AlignWithCurrentState();
}

void DocumentCommands::AlignWithCurrentState() {
    const DocState& state = *document_.Current();
    const bool channelsChanged = state.channels != document_.Channels();
    document_.SetFormat(state.frequency, state.channels, document_.BitsPerSample());
    DocumentDisplay& display = document_.Display();
    if (channelsChanged) display.FormatChanged();
    display.BuildOverview();
    if (!display.RecomputeStoredView()) return;
    display.MarkersChanged();
    display.Redraw();
}

SafeArrayPtr DocumentCommands::ReadAtCursor(int32_t frames) {
    const DocState* state = document_.Current();
    if (!state || frames <= 0) return {};
    document_.ClearError();
    WaveFile file;
    if (!file.Open(state->filePath, WaveMode::Read)) return {};
    file.Seek(static_cast<uint32_t>(state->startSelect[state->zoomLevel]));
    const Status previous = document_.CurrentStatus();
    document_.SetStatus(Status::Copying);
    // Never more than the file still holds from the cursor on.
    const int64_t remaining = std::max<int64_t>(0, int64_t{file.DataSize()} - file.Position()) / 2;
    const int64_t elements = std::min(int64_t{frames} * document_.Channels(), remaining);
    SafeArrayPtr samples(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(elements)));
    if (samples.get()) {
        const int32_t read = file.Read(samples.shorts().data(), static_cast<uint32_t>(samples.size() * 2));
        const uint32_t whole = read > 0 ? static_cast<uint32_t>(read) / 2 : 0;
        if (whole < samples.size()) {
            SAFEARRAYBOUND bound{whole, 0};
            SafeArrayRedim(samples.get(), &bound);
        }
    }
    file.Close();
    document_.SetStatus(previous);
    return samples;
}

}  // namespace vesk
