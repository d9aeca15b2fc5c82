// IoFaults: the n-th call of an operation fails once, and the file layer honours it.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/io/IoFaults.h"
#include "platform/io/RiffFile.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

class IoFaultsTest : public testing::Test {
protected:
    void TearDown() override { IoFaults::Disarm(); }

    test::ScratchDir dir_;
    std::string path_ = dir_.File("faults.bin");
    RiffFile file_;
};

TEST_F(IoFaultsTest, OnlyTheArmedCallFails) {
    IoFaults::Arm(IoOp::Open, 2);
    EXPECT_TRUE(file_.Open(path_, RiffOpenMode::Create));
    EXPECT_FALSE(file_.Open(path_, RiffOpenMode::Read));
    EXPECT_TRUE(file_.Open(path_, RiffOpenMode::Read));
    EXPECT_EQ(IoFaults::Calls(IoOp::Open), 3);
    IoFaults::Arm(IoOp::Open, 1);
    IoFaults::Disarm();
    EXPECT_TRUE(file_.Open(path_, RiffOpenMode::Read));
    EXPECT_EQ(IoFaults::Calls(IoOp::Open), 1);
}

TEST_F(IoFaultsTest, ReadWriteAndCloseFailuresReachTheCaller) {
    ASSERT_TRUE(file_.Open(path_, RiffOpenMode::Create));
    IoFaults::Arm(IoOp::Write, 1);
    EXPECT_EQ(file_.Write("ab", 2), -1);
    EXPECT_EQ(file_.Write("ab", 2), 2);
    file_.Seek(0, RiffSeek::Begin);
    IoFaults::Arm(IoOp::Read, 1);
    char byte;
    EXPECT_EQ(file_.Read(&byte, 1), -1);
    EXPECT_EQ(file_.Read(&byte, 1), 1);
    IoFaults::Arm(IoOp::Close, 1);
    EXPECT_FALSE(file_.Close());
    EXPECT_FALSE(file_.IsOpen());  // closed all the same, nothing leaks
    EXPECT_EQ(std::filesystem::file_size(path_), 2u);
}

}  // namespace
}  // namespace vesk
