#include "objects/AudioEditorPosition.h"

#include <algorithm>

#include "platform/MulDiv.h"
#include "platform/automation/OutParam.h"

namespace vesk {

int32_t AudioEditorPosition::BytesPerFrame() const {
    int32_t channels = host_ ? host_->Doc().Channels() : 1;
    return 2 * std::max(channels, 1);
}

int32_t AudioEditorPosition::ToBytes(const DocState& state, int32_t frames) const {
    int64_t bytes = static_cast<int64_t>(frames) * BytesPerFrame();
    return static_cast<int32_t>(std::clamp<int64_t>(bytes, 0, state.totalBytes));
}

HRESULT AudioEditorPosition::ReadFrames(int32_t* value, const DocState::PerZoomLevel DocState::*field) {
    const DocState* state = State();
    if (!state) return WriteOut(value, 0);
    // Positions are unsigned at the interface: a byte offset is never negative.
    uint32_t bytes = static_cast<uint32_t>((state->*field)[state->zoomLevel]);
    return WriteOut(value, static_cast<int32_t>(bytes / static_cast<uint32_t>(BytesPerFrame())));
}

void AudioEditorPosition::ShowSelectionAgain() {
    if (!host_) return;
    host_->View().UpdateSelectionColumns();
    host_->View().Redraw();
}

void AudioEditorPosition::LeaveWholeView(DocState& state) {
    if (state.zoomLevel != 0) return;
    state.zoomLevel = 1;
    state.startView[1] = state.startView[0];
    state.endView[1] = state.endView[0];
    state.startSelect[1] = state.startSelect[0];
    state.endSelect[1] = state.endSelect[0];
}

HRESULT AudioEditorPosition::get_StartSelect(int32_t* value) { return ReadFrames(value, &DocState::startSelect); }
HRESULT AudioEditorPosition::get_EndSelect(int32_t* value) { return ReadFrames(value, &DocState::endSelect); }
HRESULT AudioEditorPosition::get_StartView(int32_t* value) { return ReadFrames(value, &DocState::startView); }
HRESULT AudioEditorPosition::get_EndView(int32_t* value) { return ReadFrames(value, &DocState::endView); }

HRESULT AudioEditorPosition::put_StartSelect(int32_t value) {
    DocState* state = State();
    if (!state) return S_OK;
    int32_t b = ToBytes(*state, value);
    int32_t& start = state->startSelect[state->zoomLevel];
    int32_t& end = state->endSelect[state->zoomLevel];
    if (!state->selected || b >= end) {
        start = end = b;  // the cursor moves there
    } else {
        start = b;
    }
    ShowSelectionAgain();
    return S_OK;
}

HRESULT AudioEditorPosition::put_EndSelect(int32_t value) {
    DocState* state = State();
    if (!state) return S_OK;
    int32_t b = ToBytes(*state, value);
    int32_t& start = state->startSelect[state->zoomLevel];
    int32_t& end = state->endSelect[state->zoomLevel];
    if (!state->selected) {
        start = end = b;
    } else if (b <= start) {
        end = start;  // the old start becomes the end
        start = b;
    } else {
        end = b;
    }
    ShowSelectionAgain();
    return S_OK;
}

HRESULT AudioEditorPosition::put_StartView(int32_t value) {
    DocState* state = State();
    if (!state) return S_OK;
    int32_t b = ToBytes(*state, value);
    if (b == state->startView[state->zoomLevel]) return S_OK;
    LeaveWholeView(*state);
    int32_t& start = state->startView[state->zoomLevel];
    int32_t& end = state->endView[state->zoomLevel];
    if (b >= end) {
        start = end;
        end = b;
    } else {
        start = b;
    }
    if (host_) host_->View().PositionChanged(true);
    return S_OK;
}

HRESULT AudioEditorPosition::put_EndView(int32_t value) {
    DocState* state = State();
    if (!state) return S_OK;
    int32_t b = ToBytes(*state, value);
    if (b == state->endView[state->zoomLevel]) return S_OK;
    LeaveWholeView(*state);
    int32_t& start = state->startView[state->zoomLevel];
    int32_t& end = state->endView[state->zoomLevel];
    if (b <= start) {
        end = start;
        start = b;
    } else {
        end = b;
    }
    if (host_) host_->View().PositionChanged(true);
    return S_OK;
}

HRESULT AudioEditorPosition::get_Selected(VARIANT_BOOL* value) {
    const DocState* state = State();
    return WriteOut<VARIANT_BOOL>(value, state ? state->selected : 0);
}

HRESULT AudioEditorPosition::put_Selected(VARIANT_BOOL value) {
    DocState* state = State();
    if (!state) return S_OK;
    state->selected = value;
    ShowSelectionAgain();
    return S_OK;
}

HRESULT AudioEditorPosition::get_TotalSamples(int32_t* value) {
    const DocState* state = State();
    return WriteOut(value, state ? state->totalBytes / BytesPerFrame() : 0);
}

HRESULT AudioEditorPosition::get_CurrentPosition(int32_t* value) {
    const DocState* state = State();
    if (!state) return WriteOut(value, 0);
    bool busy = host_ && !host_->Doc().IsIdle();
    int32_t bytes = busy ? state->playPosition : state->startSelect[state->zoomLevel];
    return WriteOut(value, bytes / BytesPerFrame());
}

HRESULT AudioEditorPosition::put_CurrentPosition(int32_t value) {
    DocState* state = State();
    if (!state) return S_OK;
    int32_t b = ToBytes(*state, value);
    int32_t& start = state->startSelect[state->zoomLevel];
    int32_t& end = state->endSelect[state->zoomLevel];
    if (!state->selected) {
        start = end = b;
    } else if (b >= end) {
        start = end;  // the old end becomes the start
        end = b;
    } else {
        start = b;
    }
    if (!host_) return S_OK;
    host_->View().UpdateSelectionColumns();
    if (!host_->Doc().IsIdle()) {
        host_->RestartPlayback();
    } else {
        host_->View().RenderBackground();
        host_->View().Redraw();
    }
    return S_OK;
}

HRESULT AudioEditorPosition::SecToSamples(int32_t Millisec, int32_t* result) {
    int32_t frequency = host_ ? host_->Doc().Frequency() : 0;
    return WriteOut(result, MulDiv(Millisec, frequency, 1000));
}

HRESULT AudioEditorPosition::SamplesToSec(int32_t Samples, int32_t* result) {
    int32_t frequency = host_ ? host_->Doc().Frequency() : 0;
    return WriteOut(result, MulDiv(Samples, 1000, frequency));
}

HRESULT AudioEditorPosition::GoToMarker(int32_t Num) {
    DocState* state = State();
    if (!state || !state->SelectMarker(Num, BytesPerFrame())) return S_OK;
    ShowSelectionAgain();
    return S_OK;
}

}  // namespace vesk
