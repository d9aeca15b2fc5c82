#include "platform/io/PieceReads.h"

#include <liburing.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vesk {

namespace {

constexpr unsigned kRingEntries = 256;

// One ring per thread, made on the thread's first batch and kept while the thread lives; none
// when the system refuses one (then reads go one at a time).
class PieceRing {
public:
    PieceRing() { ready_ = io_uring_queue_init(kRingEntries, &ring_, 0) == 0; }
    ~PieceRing() {
        if (ready_) io_uring_queue_exit(&ring_);
    }
    PieceRing(const PieceRing&) = delete;
    PieceRing& operator=(const PieceRing&) = delete;

    bool Ready() const { return ready_; }
    void Drop() {
        if (ready_) io_uring_queue_exit(&ring_);
        ready_ = false;
    }
    // Reads up to kRingEntries pieces; false with errno on an error.
    bool ReadBatch(int fd, std::span<FilePiece> pieces);

private:
    io_uring ring_{};
    bool ready_ = false;
};

PieceRing& ThisThreadsRing() {
    thread_local PieceRing ring;
    return ring;
}

bool ReadOne(int fd, FilePiece& piece) {
    piece.got = 0;
    while (piece.got < piece.length) {
        const ssize_t n = pread(fd, piece.data + piece.got, static_cast<size_t>(piece.length - piece.got),
                                piece.offset + piece.got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        piece.got += static_cast<int32_t>(n);
    }
    return true;
}

bool PieceRing::ReadBatch(int fd, std::span<FilePiece> pieces) {
    for (size_t i = 0; i < pieces.size(); ++i) {
        pieces[i].got = 0;
        io_uring_sqe* sqe = io_uring_get_sqe(&ring_);
        io_uring_prep_read(sqe, fd, pieces[i].data, static_cast<unsigned>(pieces[i].length),
                           static_cast<uint64_t>(pieces[i].offset));
        io_uring_sqe_set_data64(sqe, i);
    }
    // Reads of cached pages are done within the submitting call; the others are waited for below.
    while (io_uring_sq_ready(&ring_) > 0) {
        const int n = io_uring_submit(&ring_);
        if (n > 0 || n == -EINTR) continue;
        // The ring is in an unknown state: later pieces go one at a time.
        Drop();
        errno = n < 0 ? -n : EIO;
        return false;
    }
    int error = 0;
    for (size_t done = 0; done < pieces.size(); ++done) {
        io_uring_cqe* cqe = nullptr;
        int waited;
        do {
            waited = io_uring_wait_cqe(&ring_, &cqe);
        } while (waited == -EINTR);
        if (waited < 0) {
            Drop();
            errno = -waited;
            return false;
        }
        FilePiece& piece = pieces[io_uring_cqe_get_data64(cqe)];
        if (cqe->res < 0) {
            error = -cqe->res;
        } else {
            piece.got = cqe->res;
        }
        io_uring_cqe_seen(&ring_, cqe);
    }
    // A piece cut short (a signal, a page being written) has its rest read the plain way.
    for (FilePiece& piece : pieces) {
        if (error == 0 && piece.got > 0 && piece.got < piece.length) {
            FilePiece rest{piece.offset + piece.got, piece.data + piece.got, piece.length - piece.got, 0};
            if (!ReadOne(fd, rest)) error = errno;
            piece.got += rest.got;
        }
    }
    errno = error;
    return error == 0;
}

}  // namespace

bool ReadPieces(int fd, std::span<FilePiece> pieces) {
    if (std::any_of(pieces.begin(), pieces.end(), [](const FilePiece& p) { return p.length < 0 || p.offset < 0; })) {
        errno = EINVAL;
        return false;
    }
    PieceRing& ring = ThisThreadsRing();
    if (!ring.Ready()) {
        return std::all_of(pieces.begin(), pieces.end(), [fd](FilePiece& piece) { return ReadOne(fd, piece); });
    }
    while (!pieces.empty()) {
        const size_t count = std::min<size_t>(pieces.size(), kRingEntries);
        if (!ring.ReadBatch(fd, pieces.first(count))) return false;
        pieces = pieces.subspan(count);
    }
    return true;
}

bool PieceReadsAreBatched() { return ThisThreadsRing().Ready(); }

void UseSingleReadsForPieces() { ThisThreadsRing().Drop(); }

}  // namespace vesk
