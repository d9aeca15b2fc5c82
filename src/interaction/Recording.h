// Recording into the open document through the recorder component: Record, the captured
// blocks written at the cursor (over what is there, or mixed into it with saturation), the live
// display while recording, the voice gate and the automatic gain, and the end of a recording.
//
// A recording is one undoable step: Record first makes a copy of the current working file as a
// new state of the history and records into that copy, so that the first Undo afterwards
// returns to the sound before the recording and a file the document was opened from never
// changes.
#pragma once

#include <cstdint>
#include <memory>

#include "components/VeskAudioRecord.h"
#include "document/Document.h"
#include "document/WaveFile.h"
#include "interaction/RecordingLevels.h"
#include "interaction/TransportSettings.h"
#include "view/EditorView.h"

namespace vesk {

// RecordTypeConstants.
enum class RecordType : int32_t { Clear = 1, Mix = 2 };

class Recording {
public:
    // All outlive the recording; settings are the Recorder's and DeviceInput's.
    Recording(Document& document, EditorView& view, IVeskAudioRecord& recorder,
              std::shared_ptr<const RecorderSettings> settings, std::shared_ptr<const DeviceSettings> input);

    // Starts recording at the cursor; nothing unless idle with a document. A device error
    // reaches LastErrorNum and Error, and nothing changes.
    void Record(int32_t type);
    // The recording half of Stop: recording -> idle, the view shows the whole sound.
    bool End();

    // RecordVisualizationType: 1 the last four seconds of the file, 2 the live half second.
    int16_t VisualizationType() const { return visualizationType_; }
    void SetVisualizationType(int16_t type) { visualizationType_ = type < 2 ? 1 : 2; }
    // A setting of the Recorder sub-object changed.
    void SettingsChanged() { levels_.SettingsChanged(); }

    // ---- The recorder's notifications ----
    void OnBlockReady();
    void OnPosition(int32_t frames, int32_t left, int32_t right);

private:
    // A copy of the current working file as a new current state; false when it cannot be made.
    bool PushCopy();
    // Writes (or mixes) the block at the stream position; false when the file cannot take it.
    bool WriteBlock(std::span<int16_t> samples, DocState& state);
    void ShowRecorded(const DocState& state);
    void ShowLive(int32_t frames);

    Document& document_;
    EditorView& view_;
    IVeskAudioRecord& recorder_;
    std::shared_ptr<const DeviceSettings> input_;
    RecordingLevels levels_;
    RecordType lastRecordType_ = RecordType::Clear;
    int16_t visualizationType_ = 2;
};

}  // namespace vesk
