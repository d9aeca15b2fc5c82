// What the sub-objects need from the control that owns them. Each sub-object keeps a plain
// (uncounted) pointer to its host, set right after creation; the host outlives them.
#pragma once

#include <cstdint>
#include <string>

namespace vesk {

class HistoryStore;

// Which redraw a colour change needs.
enum class ColorEffect { Pens, Background, Redraw };

class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Document format as the control holds it (the current state's copy after undo/redo).
    virtual int32_t DocumentChannels() const = 0;
    virtual int32_t DocumentFrequency() const = 0;
    // Code of the running operation, 0 when idle.
    virtual int16_t Status() const = 0;
    // TypeViewConstants value (0 waveform, 1 spectral, 2 expanded).
    virtual int32_t TypeView() const = 0;
    // Text of the current format ("" without a document).
    virtual std::string FormatString() const = 0;

    // View reactions. UpdateSelectionColumns recomputes the selection's columns, renders the
    // background and fires ChangePosition.
    virtual void UpdateSelectionColumns() = 0;
    virtual void RenderBackground() = 0;
    virtual void Redraw() = 0;
    // RecomputeView for the current level's view, then UpdateSelectionColumns and Redraw.
    virtual void RecomputeCurrentView() = 0;
    // Stops the player, sets Status 0, re-renders and plays again from the new position with
    // the last play type (a position put while playing).
    virtual void RestartPlayback() = 0;

    // A scale's property changed: lay out again and repaint.
    virtual void ScaleChanged() = 0;
    virtual void ColorsChanged(ColorEffect effect) = 0;
    // A setting of the Recorder sub-object changed.
    virtual void RecorderSettingsChanged() = 0;
};

}  // namespace vesk
