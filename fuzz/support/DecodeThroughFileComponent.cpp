#include "fuzz/support/DecodeThroughFileComponent.h"

#include <cstdlib>

#include "components/file/AudioFileComponent.h"

namespace vesk::fuzz {

int64_t DecodeThroughFileComponent(const std::string& path, const DecodeRequest& request) {
    ComPtr<AudioFileComponent> file = MakeCom<AudioFileComponent>();
    file->ConfigureInstance(1);
    Bstr name(path);
    file->OpenForDecoding(name.get(), request.formatType, 1);
    int32_t error = 0;
    file->GetLastError(&error);
    if (error != 0) return 0;
    if (request.deliverHz > 0) {
        file->SetInputFormat(request.deliverHz, request.deliverChannels);
        file->GetLastError(&error);
        if (error != 0) return 0;
    }
    int32_t channels = 0, frames = 0, bits = 0;
    file->GetChannels(&channels);
    file->GetLength(&frames);
    file->GetBitsPerSample(&bits);
    if (channels < 1 || channels > 2) std::abort();
    const int64_t maxElements = request.blockBytes / 2 / channels * channels;
    int64_t delivered = 0;
    while (delivered < request.maxSamples) {
        SafeArrayPtr block;
        if (file->ReadBlock(request.blockBytes, block.put()) != S_OK) std::abort();
        const int64_t count = static_cast<int64_t>(block.shorts().size());
        if (count > maxElements || count % channels != 0) std::abort();
        if (count < 2) break;  // the end, as the control reads it
        delivered += count;
    }
    file->CloseFile();
    return delivered;
}

}  // namespace vesk::fuzz
