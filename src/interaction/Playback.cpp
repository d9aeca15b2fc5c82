#include "interaction/Playback.h"

#include <algorithm>

#include "document/WaveFile.h"
#include "platform/MulDiv.h"

namespace vesk {

namespace {

constexpr int32_t kMinBlockMs = 10;

PlayType ToPlayType(int32_t type) {
    switch (type) {
        case 1: return PlayType::Normal;
        case 3: return PlayType::Looped;
        default: return PlayType::ToEnd;
    }
}

}  // namespace

int64_t Playback::PlayEnd() const {
    const DocState& state = *document_.Current();
    if (lastPlayType_ == PlayType::ToEnd) return state.totalBytes;
    return state.selected ? state.SelectEnd() : state.endView[state.zoomLevel];
}

void Playback::BringCursorIntoView(bool redraw) {
    const DocState& state = *document_.Current();
    const int32_t level = state.zoomLevel;
    const int32_t cursor = state.SelectStart();
    if (cursor >= state.startView[level]) return;
    view_.RecomputeView(cursor, cursor + (state.endView[level] - state.startView[level]));
    if (redraw) view_.Redraw();
}

bool Playback::StartDevice() {
    player_.StartPlayback();
    int32_t error = 0;
    player_.GetPlayerError(&error);
    document_.SetError(error);
    if (error == 0) return true;
    document_.ReportError();
    return false;
}

void Playback::Play(int32_t type) {
    DocState* state = document_.Current();
    if (!document_.IsIdle() || !state || state->totalBytes == 0) return;
    document_.ClearError();
    lastPlayType_ = ToPlayType(type);
    const int32_t cursor = state->SelectStart();
    if (static_cast<uint32_t>(cursor) > static_cast<uint32_t>(state->endView[state->zoomLevel])) return;
    state->streamPosition = state->playPosition = cursor;
    playColumn_ = view_.PositionToColumn(cursor);

    player_.StopPlayback();
    player_.SetPlayFormat(document_.Frequency(), document_.Channels());
    if (!StartDevice()) return;
    const ChannelSelection& flags = document_.ChannelFlags();
    if (document_.Channels() == 2) {
        if (flags.OperationCount() == 2) {
            player_.SetPlayChannels(3);
        } else if (flags.OperationCount() == 1) {
            player_.SetPlayChannels(flags.IsOperated(0) ? 1 : 2);
        }
    }
    BringCursorIntoView(true);
    document_.SetStatus(Status::Playing);
    lastReportedFrames_ = 0;
    view_.SetInterpolation(Interpolation::Parabola);
    for (int16_t i = 0; i < std::max<int16_t>(settings_->bufferCount, 1); ++i) FeedBlock();
}

void Playback::FeedBlock() {
    DocState* state = document_.Current();
    if (!state) return;
    document_.SetStatus(Status::Playing);
    // A host may store any BufferSize; a block of at least 10 ms keeps the queue moving.
    const int32_t milliseconds = std::max(settings_->bufferSizeMs, kMinBlockMs);
    const int64_t blockBytes = int64_t{MulDiv(document_.Frequency(), milliseconds, 1000)} * document_.BytesPerFrame();
    const int64_t left = PlayEnd() - state->streamPosition;
    const int64_t size = left < blockBytes ? std::max<int64_t>(left, 0) : blockBytes;
    if (size <= 0) {
        if (lastPlayType_ == PlayType::Looped) state->streamPosition = state->SelectStart();
        return;
    }
    WaveFile file;
    if (!file.Open(state->filePath, WaveMode::Read)) return;
    SafeArrayPtr block(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(size / 2)));
    file.Seek(static_cast<uint32_t>(state->streamPosition));
    const int32_t read = block.get() ? file.Read(block.shorts().data(), static_cast<uint32_t>(size / 2 * 2)) : 0;
    file.Close();
    if (read <= 0) return;
    if (static_cast<uint32_t>(read) / 2 < block.size()) {
        SAFEARRAYBOUND bound{static_cast<uint32_t>(read) / 2, 0};
        SafeArrayRedim(block.get(), &bound);
    }
    state->streamPosition += read;
    player_.QueueBlock(block.get());
}

void Playback::Follow(DocState& state) {
    const int32_t level = state.zoomLevel;
    if (state.playPosition <= state.endView[level]) return;
    const int32_t span = state.endView[level] - state.startView[level];
    int32_t start = state.playPosition - span / 2;
    if (int64_t{start} + span > state.totalBytes) start = state.totalBytes - span;
    view_.RecomputeView(start, start + span);
    view_.Redraw();
}

void Playback::OnPosition(int32_t frames) {
    DocState* state = document_.Current();
    if (!state) return;
    document_.SetStatus(Status::Playing);
    state->playPosition += (frames - lastReportedFrames_) * document_.BytesPerFrame();
    lastReportedFrames_ = frames;
    if (lastPlayType_ == PlayType::ToEnd) Follow(*state);
    const bool pastEnd = state->playPosition > PlayEnd();
    if (pastEnd && lastPlayType_ == PlayType::Normal) {
        stop_();
        return;
    }
    if (pastEnd && lastPlayType_ == PlayType::Looped) {
        stop_();
        Play(static_cast<int32_t>(lastPlayType_));
        return;
    }
    playColumn_ = view_.PositionToColumn(state->playPosition);
    view_.Redraw();
    document_.Events().ChangePlayPosition();
}

void Playback::OnEnded() {
    if (document_.IsIdle()) return;
    stop_();
    if (lastPlayType_ == PlayType::Looped) Play(static_cast<int32_t>(lastPlayType_));
}

bool Playback::End() {
    const Status status = document_.CurrentStatus();
    if (status != Status::Playing && status != Status::Paused) return false;
    document_.SetStatus(Status::Idle);
    view_.SetInterpolation(Interpolation::CubicSpline);
    view_.Redraw();
    document_.Events().Meter(0, 0);
    document_.Events().EndPlay();
    return true;
}

void Playback::Pause() {
    if (document_.CurrentStatus() != Status::Playing) return;
    player_.StopPlayback();
    document_.SetStatus(Status::Paused);
}

void Playback::Continue() {
    DocState* state = document_.Current();
    if (document_.CurrentStatus() != Status::Paused || !state) return;
    document_.SetStatus(Status::Idle);
    if (!StartDevice()) return;
    state->streamPosition = state->playPosition;
    BringCursorIntoView(false);
    document_.SetStatus(Status::Playing);
    lastReportedFrames_ = 0;
    for (int i = 0; i < 3; ++i) FeedBlock();
}

void Playback::Restart(bool renderBackground) {
    player_.StopPlayback();
    document_.SetStatus(Status::Idle);
    if (renderBackground) view_.RenderBackground();
    view_.Redraw();
    Play(static_cast<int32_t>(lastPlayType_));
}

}  // namespace vesk
