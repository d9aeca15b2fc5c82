// The decode session of the file component on a file holding the input. The first byte picks
// the format type the caller names (0 detects; the headerless types make the bytes raw
// sound); the rest is the file. Blocks are read to the end, at most a million samples.
#include "fuzz/support/DecodeThroughFileComponent.h"
#include "fuzz/support/FuzzScratch.h"

namespace {

// FormatTypeConstants a caller may pass, and two it may not.
constexpr int32_t kFormatTypes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 99, -1};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vesk::fuzz;
    if (size == 0) return 0;
    const std::string path = WriteScratchFile("decode.bin", data + 1, size - 1);
    DecodeThroughFileComponent(path, {.formatType = kFormatTypes[data[0] % std::size(kFormatTypes)]});
    return 0;
}
