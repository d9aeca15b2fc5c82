// Playing the working sound through the player component: Play, Pause, Continue, the blocks
// read from the working file and queued (the file is opened and closed for each block, so no
// handle stays open while playing), the play position from the component's notifications, the
// play cursor, the view following the position, looping, and the events ChangePlayPosition,
// EndPlay and Meter.
//
// Positions are byte offsets into the working file's data.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "components/VeskAudioPlayer.h"
#include "document/Document.h"
#include "interaction/TransportSettings.h"
#include "view/EditorView.h"

namespace vesk {

// PlayTypeConstants.
enum class PlayType : int32_t { Normal = 1, ToEnd = 2, Looped = 3 };

class Playback {
public:
    // All outlive the playback; settings are DeviceOutput's; stop is the control's Stop, which
    // the end of a range calls.
    Playback(Document& document, EditorView& view, IVeskAudioPlayer& player,
             std::shared_ptr<const DeviceSettings> settings, std::function<void()> stop)
        : document_(document), view_(view), player_(player), settings_(std::move(settings)),
          stop_(std::move(stop)) {}

    // Plays the range of `type` from the cursor; nothing unless idle with a non-empty document.
    // A device error reaches LastErrorNum and Error, and Status stays 0.
    void Play(int32_t type);
    // Playing -> paused; paused -> playing again from the position reached.
    void Pause();
    void Continue();
    // The player half of Stop: playing or paused -> idle with EndPlay. True when it ended
    // playback (the caller sets Status 0 either way).
    bool End();
    // Stops and plays again from the new cursor with the last play type (a position put or a
    // press in the waveform while playing).
    void Restart(bool renderBackground = true);

    // ---- The player's notifications ----
    void OnBlockDone() { FeedBlock(); }
    void OnPosition(int32_t frames);
    void OnEnded();

    // For the painter: the play cursor's column and the last play type.
    int32_t PlayColumn() const { return playColumn_; }
    int32_t LastPlayType() const { return static_cast<int32_t>(lastPlayType_); }

private:
    // Queues the next block of the range; nothing when the range is done (a looped range starts
    // over at the cursor for the next call).
    void FeedBlock();
    // Where the range of the last play type ends.
    int64_t PlayEnd() const;
    // Makes the view start at the cursor when the cursor lies left of it.
    void BringCursorIntoView(bool redraw);
    void Follow(DocState& state);
    bool StartDevice();

    Document& document_;
    EditorView& view_;
    IVeskAudioPlayer& player_;
    std::shared_ptr<const DeviceSettings> settings_;
    std::function<void()> stop_;
    PlayType lastPlayType_ = PlayType::ToEnd;
    int32_t lastReportedFrames_ = 0;
    int32_t playColumn_ = 0;
};

}  // namespace vesk
