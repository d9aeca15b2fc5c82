// Path splitting, the current directory, and deleting files.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/io/PathUtil.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

TEST(IoPathUtilTest, SplitPathKeepsTheDirectorySlashAndTheExtensionDot) {
    const PathParts full = SplitPath("/tmp/sounds/take.one.WAV");
    EXPECT_EQ(full.directory, "/tmp/sounds/");
    EXPECT_EQ(full.name, "take.one");
    EXPECT_EQ(full.extension, ".WAV");
    // The last element is a file name even when it is meant as a directory.
    EXPECT_EQ(SplitPath("/tmp/Temp").directory, "/tmp/");
    EXPECT_EQ(SplitPath("/tmp/Temp/").name, "");
    const PathParts bare = SplitPath("clip");
    EXPECT_EQ(bare.directory, "");
    EXPECT_EQ(bare.name, "clip");
    EXPECT_EQ(bare.extension, "");
    EXPECT_EQ(SplitPath("/a.b/c").extension, "");
}

TEST(IoPathUtilTest, ProbingADirectoryLeavesTheCurrentDirectoryAlone) {
    test::ScratchDir dir;
    const auto before = std::filesystem::current_path();
    std::ofstream(dir.File("plain")) << "x";
    EXPECT_TRUE(IsEnterableDirectory(dir.WithSlash()));
    EXPECT_FALSE(IsEnterableDirectory(dir.File("missing")));
    EXPECT_FALSE(IsEnterableDirectory(dir.File("plain")));
    EXPECT_FALSE(IsEnterableDirectory(""));
    EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST(IoPathUtilTest, RemovingAFileThatIsGoneIsFine) {
    test::ScratchDir dir;
    const std::string path = dir.File("x.tmp");
    std::ofstream(path) << "x";
    EXPECT_TRUE(RemoveFile(path));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(RemoveFile(path));
    EXPECT_FALSE(RemoveFile(dir.path().string()));  // a directory is not a file
}

}  // namespace
}  // namespace vesk
