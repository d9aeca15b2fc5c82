// What the edit code needs from the control that owns it: the document (history, format,
// operation status and error code), a few settings, the companion components, and the
// reactions that follow a change of the working file (events, display, markers, channels).
// Implemented by the control; tests implement it with a fake.
#pragma once

#include <cstdint>
#include <string>

#include "components/VeskAudioFile.h"
#include "components/VeskAudioTransform.h"
#include "document/HistoryStore.h"

namespace vesk {

class EditHost {
public:
    virtual ~EditHost() = default;

    // ---- Document ----
    // The history of the open document (empty when none is open). Lives as long as the host.
    virtual HistoryStore& History() = 0;
    // The document's format: sample rate in Hz and channel count (1 or 2).
    virtual int32_t Frequency() const = 0;
    virtual int32_t Channels() const = 0;
    // After a conversion: the document now has this rate and channel count.
    virtual void SetFormat(int32_t frequency, int32_t channels) = 0;
    // Operation code in progress (0 = idle; set to 0 by Stop to cancel).
    virtual int16_t Status() const = 0;
    virtual void SetStatus(int16_t status) = 0;
    virtual int32_t LastErrorNum() const = 0;
    virtual void SetLastErrorNum(int32_t code) = 0;

    // ---- Settings ----
    // Copy block of the frame, milliseconds of audio (100..600000).
    virtual int32_t FileBufferSize() const = 0;
    // A fresh unique working file in the temp directory ("" when none can be made).
    virtual std::string NewWorkingFileName() = 0;
    // Path of the internal clipboard wave file.
    virtual std::string ClipboardFileName() const = 0;
    // Operation flag of channel 0 (left) or 1 (right), and how many channels have it.
    virtual bool IsOperated(int channel) = 0;
    virtual int OperationCount() = 0;
    // Whether the transform's smoothing switches are set around every effect.
    virtual bool SmoothEnabled() const = 0;

    // ---- Components ----
    // The transform component (owned by the host, never nullptr while a document is open).
    virtual IVeskAudioTransform* Transform() = 0;
    // A fresh file component for a one-off decode; empty when it cannot be created.
    virtual ComPtr<IVeskAudioFile> CreateFileComponent() = 0;

    // ---- Reactions ----
    virtual void FireBlockOperation(int16_t percent) = 0;
    virtual void FireEndOperation() = 0;
    virtual void FireError(int32_t code) = 0;
    // Overview display data of the whole current working file (may report its own progress).
    virtual void BuildOverview() = 0;
    // Shows [startByte, endByte) of the current state; false when the display data failed.
    virtual bool RecomputeView(int32_t startByte, int32_t endByte) = 0;
    virtual void Redraw() = 0;
    // The Markers sub-object's position caches follow the current state's markers.
    virtual void RefreshMarkers() = 0;
    // The Channels sub-object recounts after the channel count changed.
    virtual void RefreshChannels() = 0;
};

}  // namespace vesk
