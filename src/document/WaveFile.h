// A working wave file: RIFF/WAVE with 16-bit PCM, mono or stereo, laid out as
//   RIFF <50 + N> WAVE | "fmt " 18 <format record> | "fact" 4 <0> | "data" N <samples>
// so that the samples always start at byte 58 of a file this class creates. Every edit creates,
// reads, appends to and finalises working files through this class.
//
// Positions are byte offsets into the data payload. The header sizes are right only after Close:
// while a file is written they read 0.
//
// A plain value owned by one operation, used on one thread. Call Close before the object goes
// away: destroying an open file releases its descriptor but does not rewrite the header sizes.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "document/DocumentLimits.h"
#include "document/WaveFormat.h"
#include "platform/io/RiffFile.h"

namespace vesk {

enum class WaveMode : uint16_t {
    Closed = 0,
    Read = 1,       // Open(path, Read)
    ReadWrite = 2,  // Open(path, ReadWrite): sizes are rewritten on Close
    Created = 3,    // Create: sizes are rewritten on Close
};

class WaveFile {
public:
    // Creates (or truncates) path with the header of an empty 16-bit PCM file and stays inside
    // the data chunk at position 0. On failure the file is closed (not deleted) and false returned.
    bool Create(const std::string& path, uint32_t samplesPerSecond, uint16_t channels);
    // Opens an existing wave file for Read or ReadWrite after checking its header; refuses non-PCM
    // formats, files without "fmt " or "data", and any other mode. Position 0 on success.
    bool Open(const std::string& path, WaveMode mode);
    // Reads up to byteCount bytes at the current point, never past DataSize(). Returns the bytes
    // read (0 at the end), or -1 on an I/O error (Position() is then unchanged).
    int32_t Read(void* buffer, uint32_t byteCount);
    // Reads pieces at scattered payload offsets together, never past DataSize() (a piece's `got`
    // says what it holds); the point does not move. False on an I/O error.
    bool ReadPieces(std::span<FilePiece> pieces);
    // Writes the bytes at the current point and hands them to the OS at once; grows DataSize()
    // when the point passes it. False when not all was written or the flush failed, in the modes
    // Closed and Read, and when the data would pass kMaxDataBytes (then LimitReached()).
    bool Write(const void* buffer, uint32_t byteCount);
    // Moves the point to byteOffset into the payload. Not bounds-checked: reads beyond
    // DataSize() return 0.
    bool Seek(uint32_t byteOffset);
    // Finalises (modes ReadWrite and Created: data and form sizes from the end of the file) and
    // closes. True when nothing was open; false when a size could not be rewritten.
    bool Close();

    const std::string& Path() const { return path_; }
    uint32_t Position() const { return position_; }  // bytes into the payload
    uint32_t DataSize() const { return dataSize_; }   // payload bytes
    const WaveFormat& Format() const { return format_; }
    WaveMode Mode() const { return mode_; }
    uint32_t DataStart() const { return dataStart_; }  // file offset of the first sample byte
    // A write was refused because the sound would pass what a document holds (kept after Close,
    // until the next Create or Open).
    bool LimitReached() const { return limitReached_; }

private:
    bool WriteHeader();
    bool OpenData(RiffOpenMode openMode);
    bool FinishSizes();
    void Reset();

    std::string path_;
    uint32_t position_ = 0;
    uint32_t dataSize_ = 0;
    WaveFormat format_;
    WaveMode mode_ = WaveMode::Closed;
    uint32_t dataStart_ = 0;
    bool limitReached_ = false;
    RiffChunk chunk_;  // the sub-chunk in use ("fmt ", "fact", then "data")
    RiffChunk form_;   // the RIFF form
    RiffFile file_;
};

}  // namespace vesk
