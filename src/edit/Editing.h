// Everything that edits a document: the operation frame, the edit
// commands, the effects pipeline and the sample type conversion, sharing the effect progress
// state. The control owns one and forwards its members to it.
#pragma once

#include "edit/EditCommands.h"
#include "document/Document.h"
#include "edit/EffectProgress.h"
#include "edit/EffectsPipeline.h"
#include "edit/OperationFrame.h"
#include "edit/SampleTypeConversion.h"

namespace vesk {

class Editing {
public:
    // document outlives this object.
    explicit Editing(Document& document)
        : frame_(document, progress_), commands_(document, frame_), effects_(document, frame_, progress_),
          conversion_(document, progress_) {}
    Editing(const Editing&) = delete;
    Editing& operator=(const Editing&) = delete;

    EditCommands& Commands() { return commands_; }
    EffectsPipeline& Effects() { return effects_; }
    SampleTypeConversion& Conversion() { return conversion_; }
    OperationFrame& Frame() { return frame_; }

private:
    EffectProgress progress_;
    OperationFrame frame_;
    EditCommands commands_;
    EffectsPipeline effects_;
    SampleTypeConversion conversion_;
};

}  // namespace vesk
