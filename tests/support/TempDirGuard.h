// Test support: a private temporary directory per test (removed afterwards) and a global check
// that the tests leave no working file in the temporary directory.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <stdlib.h>
#include <string>

namespace vesk::test {

inline std::filesystem::path SystemTempDir() {
    const char* tmp = std::getenv("TMPDIR");
    return (tmp && *tmp) ? std::filesystem::path(tmp) : std::filesystem::path("/tmp");
}

inline std::set<std::string> WorkingFilesIn(const std::filesystem::path& dir) {
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("vsk", 0) == 0 && entry.path().extension() == ".tmp") names.insert(name);
    }
    return names;
}

// A fresh directory under the system temporary directory, deleted with everything in it.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (SystemTempDir() / "vesk-test-XXXXXX").string();
        char* made = mkdtemp(pattern.data());
        if (made) path_ = made;
    }
    ~ScratchDir() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The directory with a trailing '/', as the control stores directories.
    std::string WithSlash() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Gives the test program a temporary directory of its own (TMPDIR points into it for the whole
// run, so the control's default working files land there) and fails the run when working files
// are left in it. A directory of its own, because ctest runs programs side by side and a
// working file another program has open for a moment is no leftover of this one.
class LeftoverFileCheck : public testing::Environment {
public:
    void SetUp() override {
        std::string pattern = (SystemTempDir() / "vesk-tests-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return;
        dir_ = pattern;
        setenv("TMPDIR", dir_.c_str(), 1);
    }
    void TearDown() override {
        if (dir_.empty()) return;
        for (const auto& name : WorkingFilesIn(dir_)) ADD_FAILURE() << "working file left behind: " << name;
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

private:
    std::filesystem::path dir_;
};

}  // namespace vesk::test
