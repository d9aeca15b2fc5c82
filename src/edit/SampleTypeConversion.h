// ConvertSampleType: rewrites the whole document in another sample rate and/or channel count,
// block by block (one second of input each) from the current working file into a new one,
// and commits it as a new history state with the whole sound in view and no selection. There
// is no untouched prefix or suffix, so the operation frame is not used.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/WaveFile.h"
#include "document/Document.h"
#include "edit/EffectProgress.h"
#include "edit/FormatConversion.h"

namespace vesk {

class SampleTypeConversion {
public:
    // document and progress outlive the conversion.
    SampleTypeConversion(Document& document, EffectProgress& progress) : document_(document), progress_(progress) {}

    // frequency in Hz (> 0), channels 1 or 2. Nothing happens when a document is not open,
    // Status is not 0, the values are out of range or equal the document's format.
    void Convert(int32_t frequency, int32_t channels);

private:
    // Streams the input into the output. False on an I/O failure; a cancel returns true with
    // Status 0.
    bool Stream(WaveFile& input, WaveFile& output, int32_t frequency, int32_t channels);
    void Commit(const std::string& path, uint32_t dataBytes, int32_t frequency, int32_t channels);
    // Shows the whole current sound again and ends the operation.
    void ShowAndEnd();

    Document& document_;
    EffectProgress& progress_;
    std::vector<int16_t> block_;
    FormatConversion conversion_;  // its buffers, like block_, live for one conversion
};

}  // namespace vesk
