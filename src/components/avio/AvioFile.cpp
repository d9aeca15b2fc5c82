#include "components/avio/AvioFile.h"

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

#include <cerrno>
#include <cstdio>

namespace vesk {

AvioFile::~AvioFile() { Close(); }

bool AvioFile::Open(const std::string& path, FileMode mode) {
    Close();
    failed_ = false;
    if (!file_.Open(path, mode)) return false;
    auto* buffer = static_cast<unsigned char*>(av_malloc(BufferedFile::kBufferBytes));
    const bool writing = mode != FileMode::Read;
    if (buffer) {
        context_ = avio_alloc_context(buffer, BufferedFile::kBufferBytes, writing ? 1 : 0, this, &Read,
                                      writing ? &Write : nullptr, &Seek);
    }
    if (!context_) {
        av_free(buffer);
        file_.Close();
        return false;
    }
    return true;
}

bool AvioFile::Close() {
    if (!context_) return file_.Close() && !failed_;
    if (context_->write_flag) {
        avio_flush(context_);
        if (context_->error < 0) failed_ = true;
    }
    FreeContext();
    const bool closed = file_.Close();
    return closed && !failed_;
}

void AvioFile::FreeContext() {
    av_freep(&context_->buffer);
    avio_context_free(&context_);
}

int AvioFile::Failure() {
    failed_ = true;
    const int error = file_.LastError();
    return AVERROR(error != 0 ? error : EIO);
}

int AvioFile::Read(void* self, uint8_t* buffer, int size) {
    auto* file = static_cast<AvioFile*>(self);
    const int32_t got = file->file_.Read(buffer, size);
    if (got < 0) return file->Failure();
    return got == 0 ? AVERROR_EOF : got;
}

// FFmpeg takes any non-negative answer for done, so a short write is turned into its error.
int AvioFile::Write(void* self, uint8_t* buffer, int size) {
    auto* file = static_cast<AvioFile*>(self);
    return file->file_.Write(buffer, size) == size ? size : file->Failure();
}

int64_t AvioFile::Seek(void* self, int64_t offset, int whence) {
    auto* file = static_cast<AvioFile*>(self);
    if (whence & AVSEEK_SIZE) return file->file_.Size();
    FileSeek origin = FileSeek::Begin;
    switch (whence & ~AVSEEK_FORCE) {
        case SEEK_SET: break;
        case SEEK_CUR: origin = FileSeek::Current; break;
        case SEEK_END: origin = FileSeek::End; break;
        default: return AVERROR(EINVAL);
    }
    const int64_t position = file->file_.Seek(offset, origin);
    return position >= 0 ? position : AVERROR(EINVAL);
}

}  // namespace vesk
