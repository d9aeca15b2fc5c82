// The back-end libraries reach files through the platform's file layer: a read that fails while
// a decoder opens or reads a file is a failure of the file (FILEACCESS, and no other back-end
// tries it), never a verdict on its format; and TagLib's in-place rewrites on that layer keep
// every byte they move.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "FileDecodeTestFiles.h"
#include "components/ComponentErrors.h"
#include "components/file/DecoderSelection.h"
#include "components/file/EncoderFactory.h"
#include "components/information/TagLibFileStream.h"
#include "platform/io/IoFaults.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

constexpr int32_t kRate = 44100;

class FileLayerFaults : public testing::Test {
protected:
    void TearDown() override { IoFaults::Disarm(); }

    std::string Encode(const std::string& name, const OutputFormat& format) {
        const std::string path = dir_.File(name);
        auto encoder = MakeEncoder(format, 0, path);
        EXPECT_TRUE(encoder);
        EXPECT_EQ(encoder->Open(path, format, {kRate, 2}), component_error::kNone);
        const std::vector<int16_t> sound = test::TwoTones(20000, 2, kRate);
        EXPECT_TRUE(encoder->Write(sound.data(), 20000));
        EXPECT_TRUE(encoder->Close());
        return path;
    }

    test::ScratchDir dir_;
};

TEST_F(FileLayerFaults, AReadThatFailsIsTheFilesFailureNotItsFormats) {
    const OutputFormat pcm{.codec = OutputCodec::Pcm, .frequencyHz = kRate, .channels = 2, .bitsPerSample = 16};
    const OutputFormat mp3{.codec = OutputCodec::Mp3, .frequencyHz = kRate, .channels = 2, .bitrateKbps = 128};
    const OutputFormat ogg{.codec = OutputCodec::OggVorbis, .frequencyHz = kRate, .channels = 2, .quality = 4};
    for (const std::string& path : {Encode("a.wav", pcm), Encode("a.flac", pcm), Encode("a.mp3", mp3),
                                     Encode("a.ogg", ogg)}) {
        IoFaults::Disarm();
        int32_t error = 0;
        auto decoder = DecoderSelection::Open(path, 0, &error);
        ASSERT_TRUE(decoder) << path;
        const std::vector<int16_t> whole = test::DecodeAll(*decoder);
        const int32_t reads = IoFaults::Calls(IoOp::Read);
        int32_t refused = 0;
        for (int32_t nth = 1; nth <= reads; ++nth) {
            SCOPED_TRACE(testing::Message() << path << ", read " << nth << " of " << reads);
            IoFaults::Arm(IoOp::Read, nth);
            decoder = DecoderSelection::Open(path, 0, &error);
            const std::vector<int16_t> samples = decoder ? test::DecodeAll(*decoder) : std::vector<int16_t>{};
            IoFaults::Disarm();
            if (!decoder) {
                EXPECT_EQ(error, component_error::kFileAccess);
                ++refused;
            } else if (decoder->ReadFailed()) {
                // (libsndfile may fail only past the sound, reading what follows it)
                ASSERT_LE(samples.size(), whole.size());
                EXPECT_TRUE(std::equal(samples.begin(), samples.end(), whole.begin())) << "the start, as decoded";
            } else {
                EXPECT_EQ(samples, whole) << "a failure the decoder recovered from";
            }
        }
        EXPECT_GT(refused, 0) << path;
    }
}

TEST_F(FileLayerFaults, TagLibsInsertsAndRemovalsMoveEveryByte) {
    const std::string path = dir_.File("moved.bin");
    std::string expected;
    for (int i = 0; i < 3 * 65536 + 77; ++i) expected.push_back(static_cast<char>('a' + i % 23));
    std::ofstream(path, std::ios::binary) << expected;
    {
        TagLibFileStream stream(path, true);
        ASSERT_TRUE(stream.isOpen());
        ASSERT_FALSE(stream.readOnly());
        stream.insert(TagLib::ByteVector(70000, 'X'), 10, 3);  // grows: the rest moves up
        expected.replace(10, 3, std::string(70000, 'X'));
        stream.insert(TagLib::ByteVector("yz", 2), 5, 100000);  // shrinks: the rest moves down
        expected.replace(5, 100000, "yz");
        stream.removeBlock(100, 65536);
        expected.erase(100, 65536);
        stream.seek(0, TagLib::IOStream::End);
        stream.writeBlock(TagLib::ByteVector("end", 3));
        expected += "end";
        EXPECT_EQ(stream.length(), static_cast<long>(expected.size()));
        ASSERT_TRUE(stream.Close());
    }
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected);

    TagLibFileStream failing(path, true);
    IoFaults::Arm(IoOp::Write, 3);
    failing.insert(TagLib::ByteVector(200000, 'Q'), 0, 0);
    IoFaults::Disarm();
    EXPECT_TRUE(failing.Failed());
    EXPECT_FALSE(failing.Close()) << "TagLib cannot tell; the stream does";
}

}  // namespace
}  // namespace vesk
