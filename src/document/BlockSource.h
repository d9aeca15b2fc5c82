// Where an open takes its sound from: a decoder that delivers the sound as blocks of 16-bit
// interleaved samples. The file component, the WMA codec and the CD reader each stand behind
// one, so that one decode loop (SoundLoader) serves them all.
#pragma once

#include <cstdint>
#include <string>

#include "platform/automation/SafeArray.h"

namespace vesk {

class Document;

// The sound a source delivers, as it announced it when it opened.
struct SourceFormat {
    int32_t frequency = 0;      // Hz
    int32_t channels = 0;       // 1 or 2
    int32_t bitsPerSample = 16; // of the source (16 unless it is uncompressed PCM)
    int64_t expectedBytes = 0;  // announced length of the 16-bit sound (may be an estimate)
};

class BlockSource {
public:
    virtual ~BlockSource() = default;

    // Opens the sound; 0, or one of the ErrorConstants.
    virtual int32_t Open() = 0;
    // After a successful Open.
    virtual SourceFormat Format() = 0;
    // Bytes of 16-bit sound asked for per block.
    virtual int32_t BlockBytes() const = 0;
    // The next block (at most `bytes` bytes' worth); fewer than 2 elements at the end.
    virtual SafeArrayPtr Read(int32_t bytes) = 0;
    // After a decode became the document: what the document takes from the source besides the
    // sound (its FormatString; the WMA profile; the output format of a copied CD track).
    virtual void Adopt(Document& document) = 0;
    // Releases the decoder (always called, also after a failed Open).
    virtual void Close() = 0;
    // The error of a working file that cannot be created for this source's sound.
    virtual int32_t WorkingFileError() const = 0;
    // Whether the source already reported the progress of the whole open (then the decode loop
    // reports none per block).
    virtual bool ReportsOwnProgress() const { return false; }
};

}  // namespace vesk
