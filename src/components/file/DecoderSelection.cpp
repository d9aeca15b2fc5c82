#include "components/file/DecoderSelection.h"

#include "components/ComponentErrors.h"
#include "components/file/FfmpegDecoder.h"
#include "components/file/SndfileDecoder.h"
#include "platform/io/FileProbe.h"

namespace vesk {

std::unique_ptr<AudioDecoder> DecoderSelection::Open(const std::string& path, int32_t formatType, int32_t* error) {
    // The back-ends' own access errors are vague (libsndfile reports some content errors as
    // system errors), so access is settled first and content errors after.
    if (ProbeReadableFile(path) != FileProbe::Readable) {
        *error = component_error::kFileAccess;
        return nullptr;
    }
    std::unique_ptr<AudioDecoder> decoders[] = {std::make_unique<SndfileDecoder>(), std::make_unique<FfmpegDecoder>()};
    int32_t verdict = component_error::kNone;  // of the first back-end that knew the file
    bool knownButUnsupported = false;
    for (auto& decoder : decoders) {
        const int32_t result = decoder->Open(path, formatType);
        if (result == component_error::kNone) {
            *error = component_error::kNone;
            return std::move(decoder);
        }
        // A file that cannot be read is no better for another back-end.
        if (result == component_error::kFileAccess) {
            *error = result;
            return nullptr;
        }
        if (verdict == component_error::kNone && decoder->Recognised()) verdict = result;
        knownButUnsupported = knownButUnsupported || result == component_error::kFormatNotSupport;
    }
    if (verdict != component_error::kNone) {
        *error = verdict;
    } else {
        *error = knownButUnsupported ? component_error::kFormatNotSupport : component_error::kFormatFile;
    }
    return nullptr;
}

}  // namespace vesk
