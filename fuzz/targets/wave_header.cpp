// The wave header check and WaveFile::Open on a file holding the input, then the payload read
// to its end as the edits read it, and (for a file that opens) a read-write open and close,
// which rewrites the sizes in the damaged header.
#include <cstdlib>
#include <vector>

#include "document/WaveFile.h"
#include "document/WaveHeaderCheck.h"
#include "fuzz/support/FuzzScratch.h"

namespace {

constexpr uint32_t kReadBytes = 4096;

// Reads the payload to its end; it can never be more than the file holds.
void ReadAll(vesk::WaveFile& file, size_t fileBytes) {
    std::vector<uint8_t> buffer(kReadBytes);
    size_t total = 0;
    for (int32_t got; (got = file.Read(buffer.data(), kReadBytes)) > 0;) {
        total += static_cast<size_t>(got);
        if (total > fileBytes) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vesk;
    const std::string path = fuzz::WriteScratchFile("input.wav", data, size);
    WaveHeaderCheck::Run(path);
    WaveFile file;
    if (!file.Open(path, WaveMode::Read)) return 0;
    ReadAll(file, size);
    file.Seek(file.DataSize() / 2);
    ReadAll(file, size);
    file.Close();
    WaveFile update;
    if (update.Open(path, WaveMode::ReadWrite)) update.Close();
    return 0;
}
