// Reading pointer files. A cursor file is an icon directory whose first entry holds a hot spot
// and a picture (a device-independent bitmap with its transparency mask, or a PNG image); an
// animated cursor is a RIFF "ACON" form whose frames are cursor files (the first one is taken);
// an Xcursor file is a table of ARGB pictures (the first one is taken). Every size read from
// the file is checked against the bytes that are there.
#include <png.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <span>

#include "platform/io/ByteOrder.h"
#include "platform/window/Pointer.h"

namespace vesk {

namespace {

using Bytes = std::span<const uint8_t>;

constexpr size_t kMaxFileBytes = 4 << 20;
constexpr int32_t kMaxSide = 256;

bool Fits(Bytes bytes, size_t offset, size_t length) { return offset <= bytes.size() && length <= bytes.size() - offset; }

std::optional<PointerImage> ReadPng(Bytes bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
    image.format = PNG_FORMAT_BGRA;  // 0xAARRGGBB in little-endian memory
    if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide) {
        png_image_free(&image);
        return std::nullopt;
    }
    PointerImage result;
    result.width = static_cast<int32_t>(image.width);
    result.height = static_cast<int32_t>(image.height);
    result.pixels.resize(static_cast<size_t>(result.width) * result.height);
    if (!png_image_finish_read(&image, nullptr, result.pixels.data(), 0, nullptr)) return std::nullopt;
    return result;
}

// A bitmap of an icon: height counts the colour rows and the mask rows; rows are bottom-up.
std::optional<PointerImage> ReadDib(Bytes bytes) {
    if (!Fits(bytes, 0, 40)) return std::nullopt;
    const uint32_t header = LoadLE32(&bytes[0]);
    const auto width = static_cast<int32_t>(LoadLE32(&bytes[4]));
    const auto height = static_cast<int32_t>(LoadLE32(&bytes[8])) / 2;
    const uint16_t bits = LoadLE16(&bytes[14]);
    if (header < 40 || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    const size_t paletteSize = bits <= 8 ? (LoadLE32(&bytes[32]) ? LoadLE32(&bytes[32]) : 1u << bits) : 0;
    const size_t palette = header;
    const size_t colourRow = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    const size_t maskRow = (static_cast<size_t>(width) + 31) / 32 * 4;
    const size_t colours = palette + paletteSize * 4;
    const size_t mask = colours + colourRow * height;
    if (paletteSize > 256 || !Fits(bytes, colours, colourRow * height + maskRow * height)) return std::nullopt;
    PointerImage result;
    result.width = width;
    result.height = height;
    result.pixels.resize(static_cast<size_t>(width) * height);
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* row = &bytes[colours + colourRow * (height - 1 - y)];
        const uint8_t* maskBits = &bytes[mask + maskRow * (height - 1 - y)];
        for (int32_t x = 0; x < width; ++x) {
            uint32_t argb = 0;
            if (bits == 32) {
                argb = LoadLE32(row + 4 * x);
            } else if (bits == 24) {
                argb = 0xFF000000u | row[3 * x + 2] << 16 | row[3 * x + 1] << 8 | row[3 * x];
            } else {
                const size_t bit = static_cast<size_t>(x) * bits;
                const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index >= paletteSize) return std::nullopt;
                const uint8_t* entry = &bytes[palette + 4 * index];
                argb = 0xFF000000u | entry[2] << 16 | entry[1] << 8 | entry[0];
            }
            const bool transparent = (maskBits[x / 8] >> (7 - x % 8)) & 1;
            if (bits != 32 && transparent) argb = 0;
            result.pixels[static_cast<size_t>(y) * width + x] = argb;
        }
    }
    return result;
}

std::optional<PointerImage> ReadCursor(Bytes bytes) {
    if (!Fits(bytes, 0, 6 + 16) || LoadLE16(&bytes[0]) != 0) return std::nullopt;
    const uint16_t type = LoadLE16(&bytes[2]);
    if ((type != 1 && type != 2) || LoadLE16(&bytes[4]) == 0) return std::nullopt;
    const uint8_t* entry = &bytes[6];
    const uint32_t size = LoadLE32(entry + 8);
    const uint32_t offset = LoadLE32(entry + 12);
    if (!Fits(bytes, offset, size)) return std::nullopt;
    const Bytes picture = bytes.subspan(offset, size);
    static constexpr uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G'};
    const bool png = picture.size() >= 4 && std::memcmp(picture.data(), kPngSignature, 4) == 0;
    std::optional<PointerImage> image = png ? ReadPng(picture) : ReadDib(picture);
    if (image && type == 2) {  // a cursor carries its hot spot where an icon has its planes
        image->hotX = LoadLE16(entry + 4);
        image->hotY = LoadLE16(entry + 6);
    }
    return image;
}

// The first "icon" chunk of the frame list of an animated cursor.
std::optional<PointerImage> ReadAnimated(Bytes bytes) {
    for (size_t at = 12; Fits(bytes, at, 8);) {
        const uint32_t id = LoadLE32(&bytes[at]);
        const uint32_t size = LoadLE32(&bytes[at + 4]);
        if (!Fits(bytes, at + 8, size)) return std::nullopt;
        if (id == FourCC("LIST") && size >= 4 && LoadLE32(&bytes[at + 8]) == FourCC("fram")) {
            const Bytes frames = bytes.subspan(at + 12, size - 4);
            if (Fits(frames, 0, 8) && LoadLE32(&frames[0]) == FourCC("icon") && Fits(frames, 8, LoadLE32(&frames[4]))) {
                return ReadCursor(frames.subspan(8, LoadLE32(&frames[4])));
            }
            return std::nullopt;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<PointerImage> ReadXcursor(Bytes bytes) {
    constexpr uint32_t kImageType = 0xFFFD0002;
    if (!Fits(bytes, 0, 16)) return std::nullopt;
    const uint32_t count = LoadLE32(&bytes[12]);
    for (uint32_t i = 0; i < count && Fits(bytes, 16 + 12 * size_t{i}, 12); ++i) {
        const uint8_t* toc = &bytes[16 + 12 * size_t{i}];
        const uint32_t position = LoadLE32(toc + 8);
        if (LoadLE32(toc) != kImageType || !Fits(bytes, position, 36)) continue;
        const uint8_t* chunk = &bytes[position];
        PointerImage image;
        image.width = static_cast<int32_t>(LoadLE32(chunk + 16));
        image.height = static_cast<int32_t>(LoadLE32(chunk + 20));
        image.hotX = static_cast<int32_t>(LoadLE32(chunk + 24));
        image.hotY = static_cast<int32_t>(LoadLE32(chunk + 28));
        const size_t pixels = static_cast<size_t>(image.width) * image.height;
        if (image.width <= 0 || image.height <= 0 || image.width > kMaxSide || image.height > kMaxSide ||
            !Fits(bytes, position + 36, pixels * 4)) {
            return std::nullopt;
        }
        for (size_t p = 0; p < pixels; ++p) image.pixels.push_back(LoadLE32(&bytes[position + 36 + 4 * p]));
        return image;
    }
    return std::nullopt;
}

}  // namespace

std::optional<PointerImage> LoadPointerFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<uint8_t> bytes;
    bytes.reserve(4096);
    for (std::istreambuf_iterator<char> it(file), end; it != end && bytes.size() <= kMaxFileBytes; ++it) {
        bytes.push_back(static_cast<uint8_t>(*it));
    }
    if (bytes.size() > kMaxFileBytes || bytes.size() < 4) return std::nullopt;
    const Bytes all(bytes);
    if (std::memcmp(all.data(), "Xcur", 4) == 0) return ReadXcursor(all);
    if (Fits(all, 0, 12) && LoadLE32(&all[0]) == FourCC("RIFF") && LoadLE32(&all[8]) == FourCC("ACON")) {
        return ReadAnimated(all);
    }
    return ReadCursor(all);
}

}  // namespace vesk
