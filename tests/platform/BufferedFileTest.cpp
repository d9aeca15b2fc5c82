// BufferedFile: what a full disk does to a write, cutting a file, and the two kinds of files it
// opens (the control's own, which never follow a link, and the user's).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/io/BufferedFile.h"
#include "platform/io/IoFaults.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

class BufferedFileTest : public testing::Test {
protected:
    void TearDown() override { IoFaults::Disarm(); }

    std::string Contents() {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    test::ScratchDir dir_;
    std::string path_ = dir_.File("file.bin");
    BufferedFile file_;
};

TEST_F(BufferedFileTest, AFullDiskTakesPartOfAWriteAndSaysENOSPC) {
    ASSERT_TRUE(file_.Open(path_, FileMode::Create));
    IoFaults::Arm(IoOp::Write, 2, IoFault::DiskFull);
    EXPECT_EQ(file_.Write("abcd", 4), 4);
    EXPECT_EQ(file_.Write("efghij", 6), 3);
    EXPECT_EQ(file_.LastError(), ENOSPC);
    IoFaults::Arm(IoOp::Write, 1, IoFault::Error);
    EXPECT_EQ(file_.Write("k", 1), -1);
    EXPECT_EQ(file_.LastError(), EIO);
    ASSERT_TRUE(file_.Close());
    EXPECT_EQ(Contents(), "abcdefg");
}

TEST_F(BufferedFileTest, TruncateCutsBufferedAndWrittenBytesAndCountsAsAWrite) {
    ASSERT_TRUE(file_.Open(path_, FileMode::Create));
    const std::string big(BufferedFile::kBufferBytes + 10, 'x');
    ASSERT_EQ(file_.Write(big.data(), static_cast<int32_t>(big.size())), static_cast<int32_t>(big.size()));
    ASSERT_EQ(file_.Write("tail", 4), 4);  // still in the buffer
    ASSERT_TRUE(file_.Truncate(6));
    EXPECT_EQ(file_.Size(), 6);
    file_.Seek(0, FileSeek::Begin);
    char read[16] = {};
    EXPECT_EQ(file_.Read(read, sizeof read), 6);
    IoFaults::Arm(IoOp::Write, 1);
    EXPECT_FALSE(file_.Truncate(2));
    EXPECT_EQ(file_.Size(), 6);
    ASSERT_TRUE(file_.Close());
    EXPECT_EQ(Contents(), "xxxxxx");
}

TEST_F(BufferedFileTest, TheUsersFilesFollowLinksAndGetTheUsualModeTheControlsDoNot) {
    const std::string real = dir_.File("real.bin");
    std::filesystem::create_symlink(real, path_);
    EXPECT_FALSE(file_.Open(path_, FileMode::Create)) << "a link at a name of the control's is refused";
    ASSERT_TRUE(file_.Open(path_, FileMode::Output));
    ASSERT_EQ(file_.Write("through", 7), 7);
    ASSERT_TRUE(file_.Close());
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
    EXPECT_EQ(std::filesystem::file_size(real), 7u);

    const mode_t mask = umask(022);
    ASSERT_TRUE(file_.Open(dir_.File("own.bin"), FileMode::Create));
    ASSERT_TRUE(file_.Close());
    ASSERT_TRUE(file_.Open(dir_.File("users.bin"), FileMode::Output));
    ASSERT_TRUE(file_.Close());
    umask(mask);
    struct stat own {}, users {};
    ASSERT_EQ(stat(dir_.File("own.bin").c_str(), &own), 0);
    ASSERT_EQ(stat(dir_.File("users.bin").c_str(), &users), 0);
    EXPECT_EQ(own.st_mode & 0777, 0600u);
    EXPECT_EQ(users.st_mode & 0777, 0644u);
}

}  // namespace
}  // namespace vesk
