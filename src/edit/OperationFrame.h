// The frame around every edit and effect. No operation changes a working file in place:
// Begin copies everything in front of the affected range into a new working file (the
// destination), the operation writes its result for the range, and Finish copies the rest and
// commits the new file as a new history state (view, selection and markers carried over).
// Any failure or cancel deletes the destination and leaves the document exactly as it was.
//
// The affected range starts at S = StartSelect of the current zoom level. The frame reckons the
// range as E - S + one frame (E = EndSelect), the selection with the frame at E included.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/WaveFile.h"
#include "document/Document.h"
#include "edit/EffectProgress.h"

namespace vesk {

class OperationFrame {
public:
    // document and progress outlive the frame.
    OperationFrame(Document& document, EffectProgress& progress) : document_(document), progress_(progress) {}

    // Precondition: a document is open. Opens the current working file as source, creates the
    // destination and copies the bytes in front of S. True: both files open, the source at S,
    // Status 0. False: both closed, the destination deleted, EndOperation fired.
    bool Begin(WaveFile& destination, WaveFile& source, Status code);
    // Copies the source from where the operation left it to its end, closes both files and
    // pushes the destination as the new current state. False (nothing pushed) on a failure or
    // a cancel during the copy; EndOperation is fired either way.
    bool Finish(WaveFile& destination, WaveFile& source, Status code);
    // For an operation that failed or was cancelled between the halves: closes both files,
    // deletes the destination and fires EndOperation (after Error MEMORY when the destination
    // reached what a document holds).
    void Discard(WaveFile& destination, WaveFile& source);
    // Whether the current sound with removedBytes taken out and addedBytes put in fits a
    // document; otherwise LastErrorNum MEMORY, Error and EndOperation, and false.
    bool Fits(int64_t removedBytes, int64_t addedBytes);
    // Ends an operation that will not run: LastErrorNum code, Error, EndOperation.
    void Refuse(int32_t code);

private:
    // Copies at most limitBytes (or the rest of the source) block by block with progress.
    // False on an I/O error or a cancel.
    bool CopyBlocks(WaveFile& destination, WaveFile& source, uint32_t blockBytes, uint32_t limitBytes);
    bool FailBegin(WaveFile& destination, WaveFile& source, const std::string& destinationPath);
    void CommitState(const std::string& path, uint32_t dataBytes);
    void Refresh();

    Document& document_;
    EffectProgress& progress_;
    std::vector<uint8_t> buffer_;
};

}  // namespace vesk
