#include "FuzzScratch.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace vesk::fuzz {
namespace {

[[noreturn]] void Fail(const char* what) {
    std::perror(what);
    std::abort();
}

class Scratch {
public:
    Scratch() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vesk-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) Fail("mkdtemp");
        path_ = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

const std::string& ScratchDirectory() {
    static const Scratch scratch;
    return scratch.Path();
}

std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size) {
    std::string path = ScratchDirectory() + "/" + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) Fail("open");
    for (size_t done = 0; done < size;) {
        const ssize_t wrote = ::write(fd, data + done, size - done);
        if (wrote <= 0) Fail("write");
        done += static_cast<size_t>(wrote);
    }
    if (::close(fd) != 0) Fail("close");
    return path;
}

}  // namespace vesk::fuzz
