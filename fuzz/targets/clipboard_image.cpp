// The clipboard image: the RIFF/WAVE bytes another program offers, pasted into a document of a
// given format. The first byte picks the document's rate, the second its channel count; the
// rest is the image.
//
// PasteClipboardImage is the one place that says how an image becomes sound: a paste from the
// desktop clipboard writes the image unchanged to its exchange file and inserts it with
// PasteFromFile, so what parses it is the path taken here (the bytes as a file, through a fresh
// file component, delivered as 16-bit sound in the document's format).
#include <span>

#include "fuzz/support/DecodeThroughFileComponent.h"
#include "fuzz/support/FuzzScratch.h"

namespace {

constexpr int32_t kDocumentRates[] = {8000, 11025, 22050, 44100, 48000, 96000, 1, 7, 192000};

void PasteClipboardImage(std::span<const uint8_t> image, int32_t documentHz, int32_t documentChannels) {
    using namespace vesk::fuzz;
    const std::string path = WriteScratchFile("clipboard.wav", image.data(), image.size());
    DecodeThroughFileComponent(path, {.deliverHz = documentHz, .deliverChannels = documentChannels});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    PasteClipboardImage({data + 2, size - 2}, kDocumentRates[data[0] % std::size(kDocumentRates)], 1 + (data[1] & 1));
    return 0;
}
