// The readable-file probe: each reason a path cannot be read as a file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/io/FileProbe.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

TEST(IoFileProbeTest, TellsWhyAPathIsNotAReadableFile) {
    test::ScratchDir dir;
    std::ofstream(dir.File("sound.wav")) << "RIFF";
    EXPECT_EQ(ProbeReadableFile(dir.File("sound.wav")), FileProbe::Readable);
    EXPECT_EQ(ProbeReadableFile(dir.File("missing.wav")), FileProbe::Missing);
    EXPECT_EQ(ProbeReadableFile(dir.File("sound.wav/inside.wav")), FileProbe::Missing);
    EXPECT_EQ(ProbeReadableFile(dir.path().string()), FileProbe::NotRegular);
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(ProbeReadableFile(dir.File("pipe")), FileProbe::NotRegular);

    std::filesystem::permissions(dir.File("sound.wav"), std::filesystem::perms::none);
    if (!std::ifstream(dir.File("sound.wav"))) {  // (root reads it anyway)
        EXPECT_EQ(ProbeReadableFile(dir.File("sound.wav")), FileProbe::NoPermission);
    }
}

}  // namespace
}  // namespace vesk
