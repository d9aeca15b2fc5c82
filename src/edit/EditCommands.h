// The edit commands: move sound between the document, the internal clipboard file and other
// sound files. Every command that changes the document runs inside the operation frame; Copy
// and GetSelectionArray only read. Unlike the frame, these commands treat the selection as the
// bytes [S, E) without the frame at E; without a selection S is the cursor.
//
// Each command first checks its guards (a document is open, Status is 0, and for some a
// selection exists) and otherwise does nothing at all.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "document/WaveFile.h"
#include "document/Document.h"
#include "edit/OperationFrame.h"

namespace vesk {

class EditCommands {
public:
    // document and frame outlive the commands.
    EditCommands(Document& document, OperationFrame& frame) : document_(document), frame_(frame) {}

    // Selection -> clipboard file (recreated in the document's format). No history entry. A
    // clipboard that cannot be written whole is left as it was, with LastErrorNum FILEACCESS;
    // a cancelled copy keeps what it copied. False when the copy is not whole.
    bool Copy();
    // Copy, then DeleteSelect, or an Error event when LastErrorNum is set after the copy;
    // nothing is deleted when the copy was cancelled.
    void Cut();
    // Clipboard bytes replace the selection, or are inserted at the cursor.
    void Paste();
    // The decoded file (UTF-8 path) replaces the selection, or is inserted at the cursor.
    void PasteFromFile(const std::string& fileName);
    // Clipboard mixed into the sound from the cursor; gains in percent (100 = unchanged).
    void Mix(float amplifySelectPercent, float amplifyPastePercent);
    void MixFromFile(float amplifySelectPercent, const std::string& fileName, float amplifyPastePercent);
    void DeleteSelect();
    // Silence of `milliseconds` (negative counts as 0) replaces the selection or is inserted
    // at the cursor, and ends up selected.
    void InsertSilence(int32_t milliseconds);
    // A new VT_I2 array with the selected samples (the caller owns it); nullptr when the guards
    // fail or the working file cannot be read.
    SAFEARRAY* GetSelectionArray();
    // The array's samples (borrowed) replace the selection or are inserted at the cursor.
    void PutSampleArray(SAFEARRAY* samples);

private:
    // Reads up to maxBytes into the buffer (growing it when needed); returns the bytes
    // delivered (0 = end, -1 = failure).
    using Reader = std::function<int32_t(std::vector<uint8_t>& buffer, uint32_t maxBytes)>;
    // The document percentage after a block, given the bytes inserted before it.
    using Progress = std::function<int16_t(int64_t insertedBytes)>;
    // A fresh file component with a file open for decoding, and its announced length.
    struct Decoder {
        ComPtr<IVeskAudioFile> file;
        int64_t announcedBytes = 0;
    };

    bool CanEdit();
    // Opens the internal clipboard; false when there is none or it may not be read.
    bool OpenClipboard(WaveFile& clip);
    bool CanEditSelection();
    const DocState& State() { return *document_.History().Current(); }
    uint32_t OneSecondBytes() const;
    // Opens fileName in a fresh file component; on an error LastErrorNum keeps the code and
    // Error is fired.
    bool OpenDecoder(const std::string& fileName, Decoder& decoder);
    // The decoder's next block (at most maxBytes of it; the rest is dropped).
    int32_t ReadDecoded(IVeskAudioFile& file, std::vector<uint8_t>& buffer, uint32_t maxBytes);
    // Writes what `read` delivers into the destination until it ends or Status turns 0.
    // False when a read or write failed.
    bool Insert(WaveFile& destination, const Reader& read, const Progress& progress);
    // Mixes what `read` delivers into the source from its position up to mixEnd, writing the
    // result; a and b are gain factors. False when a read or write failed.
    bool MixInto(WaveFile& destination, WaveFile& source, int64_t mixEnd, const Reader& read, double a, double b);
    // Mixing runs to the end of the selection, or of the sound without one.
    int64_t MixEnd();
    bool AllocateMixBuffers();
    // Skips the selection in the source (so it is replaced), then commits.
    bool SkipSelectionAndFinish(WaveFile& destination, WaveFile& source, Status code);
    bool WriteSilence(WaveFile& destination, int64_t bytes);

    Document& document_;
    OperationFrame& frame_;
    std::vector<uint8_t> buffer_;
    std::vector<uint8_t> second_;
};

}  // namespace vesk
