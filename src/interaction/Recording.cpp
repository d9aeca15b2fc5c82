#include "interaction/Recording.h"

#include <algorithm>
#include <vector>

#include "components/ComponentErrors.h"
#include "edit/SampleLayout.h"
#include "platform/MulDiv.h"
#include "platform/io/PathUtil.h"

namespace vesk {

Recording::Recording(Document& document, EditorView& view, IVeskAudioRecord& recorder,
                     std::shared_ptr<const RecorderSettings> settings, std::shared_ptr<const DeviceSettings> input)
    : document_(document), view_(view), recorder_(recorder), input_(input),
      levels_(recorder, std::move(settings), input,
              [&document](int32_t volume) { document.Events().GainChange(volume); }) {}

bool Recording::PushCopy() {
    const DocState& current = *document_.Current();
    DocState copy = current;
    copy.filePath = document_.NewWorkingFileName();
    copy.keepFile = 0;
    WaveFile source, target;
    std::vector<uint8_t> block(static_cast<size_t>(document_.Frequency()) * document_.BytesPerFrame());
    bool copied = !copy.filePath.empty() && source.Open(current.filePath, WaveMode::Read) &&
                  target.Create(copy.filePath, static_cast<uint32_t>(document_.Frequency()),
                                static_cast<uint16_t>(document_.Channels()));
    for (int32_t got = 1; copied && got > 0;) {
        got = source.Read(block.data(), static_cast<uint32_t>(block.size()));
        copied = got >= 0 && (got == 0 || target.Write(block.data(), static_cast<uint32_t>(got)));
    }
    source.Close();
    copied = target.Close() && copied;
    if (!copied) {
        RemoveFile(copy.filePath);
        return false;
    }
    const int16_t level = copy.zoomLevel;
    copy.startView[level] = 0;
    copy.endView[level] = copy.totalBytes;
    copy.endSelect[level] = std::max(copy.endSelect[level], 0);
    document_.History().Push(copy);
    return true;
}

void Recording::Record(int32_t type) {
    if (!document_.IsIdle() || !document_.IsOpen()) return;
    document_.ClearError();
    if (IVeskAudioTransform* transform = document_.Components().transform) {
        transform->SetFrequency(document_.Frequency());
    }
    lastRecordType_ = type == 2 ? RecordType::Mix : RecordType::Clear;
    recorder_.SetRecordFormat(document_.Frequency(), document_.Channels());
    recorder_.SetRecordBlockFrames(MulDiv(document_.Frequency(), input_->bufferSizeMs, 1000));
    recorder_.StartRecording();
    int32_t error = 0;
    recorder_.GetRecorderError(&error);
    // The device first: a recording that cannot start leaves the history as it was.
    if (error == 0 && !PushCopy()) {
        recorder_.StopRecording();
        error = component_error::kFileAccess;
    }
    if (error != 0) {
        document_.SetError(error);
        document_.ReportError();
        return;
    }
    levels_.SettingsChanged();
    document_.SetStatus(Status::Recording);
    DocState& state = *document_.Current();
    state.streamPosition = state.SelectStart();
    view_.Redraw();
}

bool Recording::WriteBlock(std::span<int16_t> samples, DocState& state) {
    WaveFile file;
    if (!file.Open(state.filePath, WaveMode::ReadWrite)) return true;  // this block is dropped
    file.Seek(static_cast<uint32_t>(state.streamPosition));
    const auto bytes = static_cast<uint32_t>(samples.size_bytes());
    if (lastRecordType_ == RecordType::Mix && state.streamPosition < state.totalBytes) {
        std::vector<int16_t> existing(samples.size());
        const int32_t got = file.Read(existing.data(), bytes);
        if (got > 0) MixSaturating(samples.first(static_cast<size_t>(got) / 2), existing, 1.0, 1.0);
        file.Seek(static_cast<uint32_t>(state.streamPosition));
    }
    const bool written = file.Write(samples.data(), bytes);
    const bool limited = file.LimitReached();
    if (written) state.streamPosition += static_cast<int32_t>(bytes);
    state.totalBytes = static_cast<int32_t>(file.DataSize());
    file.Close();
    return !limited;
}

void Recording::OnBlockReady() {
    SafeArrayPtr block;
    recorder_.GetRecordedBlock(block.put());
    DocState* state = document_.Current();
    const std::span<int16_t> samples = block.shorts();
    if (!state || samples.empty() || document_.CurrentStatus() != Status::Recording) return;
    if (levels_.GateOpen() && !WriteBlock(samples, *state)) {
        // The document cannot hold more: the recording ends with what it has.
        document_.SetError(component_error::kMemory);
        document_.ReportError();
        recorder_.StopRecording();
        End();
        return;
    }
    ShowRecorded(*state);
}

void Recording::ShowRecorded(const DocState& state) {
    const int32_t second = document_.Frequency() * document_.BytesPerFrame();
    if (visualizationType_ == 1) {
        view_.RecomputeView(std::max(state.totalBytes - 4 * second, 0), state.totalBytes);
        view_.Redraw();
        return;
    }
    view_.ShowLiveRange(std::max(state.totalBytes - second / 2, 0), state.totalBytes);
}

void Recording::OnPosition(int32_t frames, int32_t left, int32_t right) {
    if (document_.CurrentStatus() != Status::Recording) return;
    ShowLive(frames);
    document_.Events().Meter(left, right);
    levels_.OnLevels(left, right);
}

void Recording::ShowLive(int32_t frames) {
    if (visualizationType_ != 2) return;
    const int32_t interval = input_->timerIntervalMs;
    if (interval < 200) {
        // About ten pictures a second, however often the levels come.
        int32_t t = 0;
        recorder_.FramesToMilliseconds(frames, &t);
        if (t / 100 * 100 + interval < t) return;
    }
    SafeArrayPtr latest;
    recorder_.GetCurrentRecordArray(document_.Frequency() * document_.Channels() / 2, latest.put());
    view_.ShowLiveBlock(latest.shorts());
    view_.Redraw();
}

bool Recording::End() {
    DocState* state = document_.Current();
    if (document_.CurrentStatus() != Status::Recording || !state) return false;
    document_.SetStatus(Status::Idle);
    state->selected = 0;
    view_.BuildOverview();
    if (view_.RecomputeView(0, state->totalBytes)) {
        view_.Redraw();
        document_.Events().Meter(0, 0);
    }
    return true;
}

}  // namespace vesk
