#include "edit/OperationFrame.h"

#include <algorithm>
#include <limits>

#include "components/ComponentErrors.h"
#include "document/DocumentLimits.h"
#include "edit/BlockSize.h"
#include "platform/io/PathUtil.h"

namespace vesk {

namespace {

// What Finish needs of the state an operation replaces, taken before the push.
struct Before {
    int16_t level;
    int32_t start, end, viewStart, viewEnd;
    bool selected;
};

Before Capture(const DocState& state) {
    const int l = state.zoomLevel;
    return {state.zoomLevel, state.startSelect[l], state.endSelect[l], state.startView[l], state.endView[l],
            state.selected != 0};
}

int16_t PercentOf(const WaveFile& source) {
    if (source.DataSize() == 0) return 100;
    const double ratio = std::min(static_cast<double>(source.Position()) / source.DataSize(), 1.0);
    return static_cast<int16_t>(ratio * 100);
}

// View and selection of the new state from the old ones: done bytes took the place of the
// orig bytes of the range, so everything after the range moves by done - orig.
void CarrySelection(const Before& old, DocState& now, int64_t origBytes, int64_t doneBytes) {
    const auto shifted = [&](int64_t end) { return static_cast<int32_t>(end - origBytes + doneBytes); };
    now.startView[0] = 0;
    now.endView[0] = now.totalBytes;
    if (old.level > 0) {
        // Deeper zoom levels are not carried: level 1 shows the old view corrected for the new
        // length, and zooming out selects that region.
        now.zoomLevel = 1;
        now.startView[1] = old.viewStart;
        now.endView[1] = shifted(old.viewEnd);
        now.startSelect[0] = old.viewStart;
        now.endSelect[0] = shifted(old.viewEnd);
    }
    now.startSelect[now.zoomLevel] = old.start;
    now.endSelect[now.zoomLevel] = std::max(shifted(old.end), 0);
    now.selected = old.selected && doneBytes > 0 ? 1 : 0;
}

}  // namespace

bool OperationFrame::Begin(WaveFile& destination, WaveFile& source, Status code) {
    document_.SetStatus(code);
    progress_.Deactivate();
    const DocState& state = *document_.History().Current();
    const std::string path = document_.NewWorkingFileName();
    const auto prefix = static_cast<uint32_t>(state.startSelect[state.zoomLevel]);
    // A source whose length disagrees with its state was misread (a failed header probe ends
    // the chunk walk early); committing an edit of it would lose sound.
    if (path.empty() || !source.Open(state.filePath, WaveMode::Read) ||
        source.DataSize() != static_cast<uint32_t>(state.totalBytes)) {
        return FailBegin(destination, source, path);
    }
    const uint32_t block = FrameBlockBytes(document_.FileBufferSize(), source.Format().avgBytesPerSecond, prefix);
    if (!destination.Create(path, static_cast<uint32_t>(document_.Frequency()), static_cast<uint16_t>(document_.Channels())) ||
        !TryAllocate(buffer_, size_t{block} + 1024) || !CopyBlocks(destination, source, block, prefix)) {
        return FailBegin(destination, source, path);
    }
    document_.SetStatus(Status::Idle);
    return true;
}

bool OperationFrame::FailBegin(WaveFile& destination, WaveFile& source, const std::string& destinationPath) {
    source.Close();
    destination.Close();
    if (!destinationPath.empty()) RemoveFile(destinationPath);
    document_.SetStatus(Status::Idle);
    document_.Events().EndOperation();
    return false;
}

bool OperationFrame::CopyBlocks(WaveFile& destination, WaveFile& source, uint32_t blockBytes, uint32_t limitBytes) {
    uint32_t copied = 0;
    while (true) {
        const uint32_t count = std::min(blockBytes, limitBytes - copied);
        const int32_t got = source.Read(buffer_.data(), count);
        if (got < 0) return false;
        if (got == 0) return true;
        if (!destination.Write(buffer_.data(), static_cast<uint32_t>(got))) return false;
        copied += static_cast<uint32_t>(got);
        document_.Events().BlockOperation(PercentOf(source));
        if (document_.IsIdle()) return false;
    }
}

bool OperationFrame::Finish(WaveFile& destination, WaveFile& source, Status code) {
    progress_.Deactivate();
    document_.SetStatus(code);
    const Before old = Capture(*document_.History().Current());
    const int32_t frameBytes = 2 * document_.Channels();
    const int64_t doneBytes = int64_t{destination.DataSize()} - old.start;
    const int64_t replacedBytes = int64_t{source.Position()} - old.start;
    const uint32_t block = FrameBlockBytes(document_.FileBufferSize(), source.Format().avgBytesPerSecond,
                                           source.DataSize() - static_cast<uint32_t>(old.end));
    const bool copied = TryAllocate(buffer_, size_t{block} + 1024) &&
                        CopyBlocks(destination, source, block, std::numeric_limits<uint32_t>::max());
    const uint32_t dataBytes = destination.DataSize();
    // Closing the destination writes its sizes; a file whose header could not be finished
    // must not become the document.
    const bool closed = copied && destination.Close();
    source.Close();
    if (!closed) {
        document_.SetStatus(Status::Idle);
        Discard(destination, source);
        return false;
    }
    document_.SetStatus(Status::Idle);
    CommitState(destination.Path(), dataBytes);
    DocState& now = *document_.History().Current();
    CarrySelection(old, now, int64_t{old.end} - old.start + frameBytes, doneBytes);
    if (const DocState* previous = document_.History().Previous()) {
        HistoryStore::CarryMarkers(*previous, now, old.start / frameBytes, (old.start + replacedBytes) / frameBytes,
                                   doneBytes / frameBytes);
    }
    Refresh();
    document_.Events().EndOperation();
    return true;
}

void OperationFrame::Discard(WaveFile& destination, WaveFile& source) {
    const std::string path = destination.Path();
    source.Close();
    destination.Close();
    if (!path.empty()) RemoveFile(path);
    if (destination.LimitReached()) return Refuse(component_error::kMemory);
    document_.Events().EndOperation();
}

void OperationFrame::Refuse(int32_t code) {
    document_.SetError(code);
    document_.ReportError();
    document_.Events().EndOperation();
}

bool OperationFrame::Fits(int64_t removedBytes, int64_t addedBytes) {
    const DocState& state = *document_.Current();
    if (FitsDocument(int64_t{state.totalBytes} - removedBytes + addedBytes)) return true;
    Refuse(component_error::kMemory);
    return false;
}

void OperationFrame::CommitState(const std::string& path, uint32_t dataBytes) {
    DocState state;
    state.filePath = path;
    state.totalBytes = static_cast<int32_t>(dataBytes);
    state.frequency = document_.Frequency();
    state.channels = static_cast<int16_t>(document_.Channels());
    document_.History().Push(state);
}

void OperationFrame::Refresh() {
    document_.Display().BuildOverview();
    const DocState& now = *document_.History().Current();
    document_.Display().RecomputeView(now.startView[now.zoomLevel], now.endView[now.zoomLevel]);
    document_.Display().Redraw();
    document_.Display().MarkersChanged();
}

}  // namespace vesk
