// A real full disk: the working files, the clipboard and a save target on a 2 MiB tmpfs, and a
// document that outgrows it. The tmpfs is mounted in a mount namespace of the test process's
// own, so nothing outside the process sees it and it goes away with the process; without the
// right to mount (not root, or a container that forbids it) the test is skipped.
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "ControlTestSupport.h"
#include "components/ComponentErrors.h"

namespace vesk {
namespace {

constexpr int32_t kDiskBytes = 2 << 20;
constexpr int32_t kFrames = 400000;  // 1.6 MB of stereo sound: fits once, not twice

// Mounts a tmpfs of kDiskBytes at dir, privately; the reason when it cannot.
std::string MountSmallDisk(const std::string& dir) {
    if (geteuid() != 0) return "needs root to mount a tmpfs";
    if (unshare(CLONE_NEWNS) != 0) return std::string("cannot make a mount namespace: ") + std::strerror(errno);
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return std::string("cannot make the mounts private: ") + std::strerror(errno);
    }
    const std::string options = "size=" + std::to_string(kDiskBytes);
    if (mount("tmpfs", dir.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
        return std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    }
    return {};
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::set<std::string> FilesIn(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
}

std::vector<int16_t> Sound(int32_t frames) {
    std::vector<int16_t> samples(2 * static_cast<size_t>(frames));
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>((i * 37) % 20000 - 10000);
    return samples;
}

class FullDiskTest : public test::ControlFixture {
protected:
    void SetUp() override {
        ControlFixture::SetUp();
        std::filesystem::create_directory(disk);
        const std::string refused = MountSmallDisk(disk);
        if (!refused.empty()) GTEST_SKIP() << refused;
        mounted = true;
        Bstr directory(disk + "/"), clipboard(disk + "/clip.wav");
        control->put_TempDirectory(directory.get());
        control->put_TempFileName(clipboard.get());
    }
    void TearDown() override {
        ControlFixture::TearDown();  // the control's files go first
        if (mounted) umount2(disk.c_str(), MNT_DETACH);
    }

    void Put(const std::vector<int16_t>& samples) {
        SafeArrayPtr array(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(samples.size())));
        std::copy(samples.begin(), samples.end(), array.shorts().begin());
        control->PutSampleArray(array.get());
    }
    void Select(int32_t first, int32_t last) {
        ComPtr<IAudioEditorPosition> position;
        control->get_Position(position.put());
        position->put_Selected(VARIANT_TRUE);
        position->put_StartSelect(first);
        position->put_EndSelect(last);
    }
    int32_t Errors() const { return events->Count(kError); }
    int32_t LastError() const {
        int32_t code = 0;
        for (const auto& event : events->events) {
            if (event.id == kError) code = event.args.at(0).lVal;
        }
        return code;
    }

    std::string disk = scratch.File("disk");
    bool mounted = false;
};

TEST_F(FullDiskTest, SavingEditingCopyingAndOpeningPastTheEndOfTheDisk) {
    control->New(44100, 2);
    Put(Sound(kFrames));
    ASSERT_EQ(Errors(), 0);
    ASSERT_EQ(control->History().Count(), 2);
    const std::string workingFile = control->History().Current()->filePath;

    // A small clipboard first.
    Select(0, 1000);
    control->Copy();
    ASSERT_EQ(Errors(), 0);
    const std::string clipboard = Bytes(disk + "/clip.wav");
    ASSERT_FALSE(clipboard.empty());

    const std::string target = disk + "/song.wav";
    std::ofstream(target) << "the user's older song";
    const std::set<std::string> files = FilesIn(disk);

    control->SetFormatPCM(44100, 2, 16);
    Bstr name(target);
    control->Save(name.get(), VARIANT_FALSE, 0);
    EXPECT_EQ(Errors(), 1);
    EXPECT_EQ(LastError(), component_error::kFileAccess);
    EXPECT_EQ(Bytes(target), "the user's older song");
    EXPECT_EQ(FilesIn(disk), files) << "no half-written sibling";

    events->events.clear();
    Select(0, kFrames);
    control->Amplify(0.5f);  // its working file does not fit: nothing is committed
    EXPECT_EQ(control->History().Count(), 2);
    EXPECT_EQ(control->History().Current()->filePath, workingFile);
    EXPECT_EQ(FilesIn(disk), files) << "no partial working file";

    // Copy answers in LastErrorNum (Cut is the one that fires Error for it).
    control->Copy();
    int32_t code = 0;
    control->get_LastErrorNum(&code);
    EXPECT_EQ(code, component_error::kFileAccess);
    EXPECT_EQ(Bytes(disk + "/clip.wav"), clipboard) << "the previous clipboard stays";
    EXPECT_EQ(FilesIn(disk), files);

    // A source beside the disk, larger than all of it.
    const std::string source = scratch.File("large.wav");
    {
        WaveFile file;
        ASSERT_TRUE(file.Create(source, 44100, 2));
        const std::vector<int16_t> sound = Sound(kFrames);
        ASSERT_TRUE(file.Write(sound.data(), static_cast<uint32_t>(sound.size() * 2)));
        ASSERT_TRUE(file.Write(sound.data(), static_cast<uint32_t>(sound.size() * 2)));
        ASSERT_TRUE(file.Close());
    }
    events->events.clear();
    Bstr large(source);
    control->Open(large.get(), 0);
    EXPECT_FALSE(control->HasDocument());
    EXPECT_EQ(Errors(), 1);
    EXPECT_EQ(LastError(), component_error::kFileAccess);
    std::set<std::string> left = FilesIn(disk);
    EXPECT_EQ(left, (std::set<std::string>{"clip.wav", "song.wav"})) << "no working file stays";
}

}  // namespace
}  // namespace vesk
