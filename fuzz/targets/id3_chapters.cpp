// The ID3 chapter reader on an MP3 file holding the input; for a file it reads, the chapters
// are written back (ID3v2.3 or 2.4 by the first byte) and read again: none may be lost. (More
// may appear: chapters of a damaged tag the first reading could not see can come back to
// light once TagLib has rewritten the tag.)
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "components/information/Mp3ChapterStore.h"
#include "fuzz/support/FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vesk;
    if (size == 0) return 0;
    const std::string path = fuzz::WriteScratchFile("chapters.mp3", data + 1, size - 1);
    std::vector<MarkerInfo> markers;
    if (!Mp3ChapterStore::Read(path, markers)) return 0;
    Mp3TagLayout layout;
    layout.id3v24 = data[0] & 1;
    if (!Mp3ChapterStore::Write(path, markers, layout)) return 0;
    std::vector<MarkerInfo> again;
    if (!Mp3ChapterStore::Read(path, again) || again.size() >= markers.size()) return 0;
    std::fprintf(stderr, "%zu chapters read, %zu after writing them back\n", markers.size(), again.size());
    std::abort();
}
