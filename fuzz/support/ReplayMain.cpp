// Replays saved inputs through a fuzz target's entry point without libFuzzer, so that the normal
// and sanitizer builds run every seed and every regression input as a test. Arguments are files
// or directories (read recursively, in name order); a directory that does not exist counts as
// empty, so a target without regression inputs needs no placeholder folder.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    // Listed whole before any input runs: a target may change the working directory.
    if (std::filesystem::is_regular_file(root, error)) return {root};
    for (auto it = std::filesystem::recursive_directory_iterator(root, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_regular_file()) files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        for (const auto& path : InputsOf(std::filesystem::absolute(argv[i]))) inputs.push_back(path);
    }
    for (const auto& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        // A crash names the input through this line (the sanitizers report it after).
        std::fprintf(stderr, "replaying %s\n", path.c_str());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    // A replay that found nothing to replay checked nothing: the seeds were not generated.
    return inputs.empty() ? 1 : 0;
}
