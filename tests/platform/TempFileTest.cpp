// Unique temporary file names and the system temporary directory.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>

#include "platform/io/IoFaults.h"
#include "platform/io/TempFile.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

TEST(TempFileTest, NameIsPrefixUpperHexAndTmpInTheDirectory) {
    test::ScratchDir dir;
    const std::string path = UniqueTempFileName(dir.WithSlash(), "vsk");
    ASSERT_FALSE(path.empty());
    const std::string name = path.substr(dir.WithSlash().size());
    EXPECT_EQ(path.substr(0, dir.WithSlash().size()), dir.WithSlash());
    EXPECT_TRUE(std::regex_match(name, std::regex("vsk[1-9A-F][0-9A-F]{0,3}\\.tmp"))) << name;
}

TEST(TempFileTest, CreatesEmptyPrivateFilesThatNeverRepeat) {
    test::ScratchDir dir;
    std::set<std::string> names;
    // Calls a moment apart start their search at about the same number, so most of these have
    // to step over names already taken.
    for (int i = 0; i < 200; ++i) {
        const std::string path = UniqueTempFileName(dir.WithSlash(), "vsk");
        ASSERT_FALSE(path.empty());
        EXPECT_TRUE(names.insert(path).second) << path;
        struct stat info {};
        ASSERT_EQ(stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        EXPECT_EQ(info.st_size, 0);
    }
}

TEST(TempFileTest, FailsWithEmptyNameWhenTheDirectoryCannotTakeIt) {
    test::ScratchDir dir;
    EXPECT_EQ(UniqueTempFileName(dir.File("missing") + "/", "vsk"), "");
    IoFaults::Arm(IoOp::Open, 1);
    EXPECT_EQ(UniqueTempFileName(dir.WithSlash(), "vsk"), "");
    IoFaults::Disarm();
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(TempFileTest, SystemDirectoryFollowsTmpdirWithTrailingSlash) {
    const char* saved = std::getenv("TMPDIR");
    const std::string restore = saved ? saved : "";
    setenv("TMPDIR", "/var/tmp", 1);
    EXPECT_EQ(SystemTempDirectory(), "/var/tmp/");
    setenv("TMPDIR", "", 1);
    EXPECT_EQ(SystemTempDirectory(), "/tmp/");
    if (saved) setenv("TMPDIR", restore.c_str(), 1); else unsetenv("TMPDIR");
}

}  // namespace
}  // namespace vesk
