// Many small reads at scattered offsets of one file, done together: the kernel gets them in one
// batch through io_uring where the system offers it (one system call for the lot instead of one
// each), and one pread(2) after the other where it does not (io_uring refused or disabled), with
// the same results.
#pragma once

#include <cstdint>
#include <span>

namespace vesk {

struct FilePiece {
    int64_t offset = 0;       // where in the file
    uint8_t* data = nullptr;  // where to put it
    int32_t length = 0;       // bytes wanted
    int32_t got = 0;          // bytes read: fewer at the end of the file, 0 past it
};

// Reads every piece of fd; false on the first I/O error, with errno set (the pieces' `got` are
// then unspecified), and false with EINVAL, reading nothing, for a negative offset or length.
bool ReadPieces(int fd, std::span<FilePiece> pieces);

// False when the pieces go one read at a time here (for tests that want both ways covered).
bool PieceReadsAreBatched();
// Makes this thread read pieces one at a time from now on, as a system without io_uring does.
void UseSingleReadsForPieces();

}  // namespace vesk
