// TagLib's stream over a file of the platform's file layer, so that TagLib reads and rewrites
// files only through it (and its fault hook). TagLib does not check its streams' writes, so the
// stream remembers whether any step failed; the caller asks before it trusts a save.
#pragma once

#include <taglib/tiostream.h>

#include <string>

#include "platform/io/BufferedFile.h"

namespace vesk {

class TagLibFileStream : public TagLib::IOStream {
public:
    // Opens path (UTF-8) for reading, and for writing too when `writable`; a file that may only
    // be read is opened so, and says readOnly().
    TagLibFileStream(const std::string& path, bool writable);

    // A read, write or resize of the file failed since it was opened.
    bool Failed() const { return failed_; }
    // Flushes and closes the file; false when that or anything before it failed.
    bool Close();

    TagLib::FileName name() const override { return path_.c_str(); }
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector& data) override;
    void insert(const TagLib::ByteVector& data, unsigned long start = 0, unsigned long replace = 0) override;
    void removeBlock(unsigned long start = 0, unsigned long length = 0) override;
    bool readOnly() const override { return readOnly_; }
    bool isOpen() const override { return file_.IsOpen(); }
    void seek(long offset, Position p = Beginning) override;
    long tell() const override { return static_cast<long>(file_.Tell()); }
    long length() override { return static_cast<long>(file_.Size()); }
    void truncate(long length) override;

private:
    bool WriteAt(int64_t offset, const char* data, int64_t bytes);
    // Copies `bytes` bytes from offset `from` to offset `to`, in the order that never overwrites
    // a byte before it is copied.
    bool Move(int64_t from, int64_t to, int64_t bytes);

    std::string path_;
    BufferedFile file_;
    bool readOnly_ = true;
    bool failed_ = false;
};

}  // namespace vesk
