#include "platform/drawing/BitmapFile.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/io/ByteOrder.h"

namespace vesk {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kMaskBytes = 12;
constexpr uint32_t kPixelOffset = kFileHeaderBytes + kInfoHeaderBytes + kMaskBytes;  // 66
constexpr uint16_t kBitsPerPixel = 32;
constexpr uint32_t kBitFields = 3;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// Closes the file and says whether everything written reached it.
bool Close(FilePtr file) { return std::fclose(file.release()) == 0; }

std::array<uint8_t, kPixelOffset> BitmapHeaders(int32_t width, int32_t height, uint32_t imageBytes) {
    std::array<uint8_t, kPixelOffset> header{};
    uint8_t* file = header.data();
    file[0] = 'B';
    file[1] = 'M';
    StoreLE32(file + 2, kPixelOffset + imageBytes);
    StoreLE32(file + 10, kPixelOffset);  // the two reserved fields at 6 stay 0
    uint8_t* info = file + kFileHeaderBytes;
    StoreLE32(info + 0, kInfoHeaderBytes);
    StoreLE32(info + 4, static_cast<uint32_t>(width));
    StoreLE32(info + 8, static_cast<uint32_t>(height));  // positive: rows bottom-up
    StoreLE16(info + 12, 1);
    StoreLE16(info + 14, kBitsPerPixel);
    StoreLE32(info + 16, kBitFields);
    StoreLE32(info + 20, imageBytes);  // resolution and colour counts (24..39) stay 0
    uint8_t* masks = info + kInfoHeaderBytes;
    StoreLE32(masks + 0, 0x00FF0000);
    StoreLE32(masks + 4, 0x0000FF00);
    StoreLE32(masks + 8, 0x000000FF);
    return header;
}

// Pixels are 0x00RRGGBB, which in little-endian byte order is the B, G, R, 0 the masks describe.
bool WriteBitmapRows(const Bitmap& bitmap, FILE* file) {
    std::vector<uint8_t> row(static_cast<size_t>(bitmap.Width()) * 4);
    for (int32_t y = bitmap.Height() - 1; y >= 0; --y) {
        const uint32_t* pixels = bitmap.Row(y);
        for (int32_t x = 0; x < bitmap.Width(); ++x) StoreLE32(row.data() + 4 * x, pixels[x]);
        if (std::fwrite(row.data(), 1, row.size(), file) != row.size()) return false;
    }
    return true;
}

// All of libpng's work for one file. libpng reports errors by jumping back to the setjmp here,
// so nothing in this function may own resources: the caller holds and frees them.
bool WritePngImage(png_structp png, png_infop info, FILE* file, const Bitmap& bitmap, uint8_t* row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width()), static_cast<png_uint_32>(bitmap.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int32_t y = 0; y < bitmap.Height(); ++y) {
        const uint32_t* pixels = bitmap.Row(y);
        for (int32_t x = 0; x < bitmap.Width(); ++x) {
            row[3 * x + 0] = static_cast<uint8_t>(pixels[x] >> 16);
            row[3 * x + 1] = static_cast<uint8_t>(pixels[x] >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(pixels[x]);
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    return true;
}

bool EndsWithPng(const std::string& path) {
    static constexpr std::string_view kExtension = ".png";
    if (path.size() < kExtension.size()) return false;
    return std::equal(kExtension.begin(), kExtension.end(), path.end() - kExtension.size(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

bool WriteBitmapFile(const Bitmap& bitmap, const std::string& path) {
    if (bitmap.Empty()) return false;
    const uint64_t imageBytes = uint64_t{4} * static_cast<uint32_t>(bitmap.Width()) * static_cast<uint32_t>(bitmap.Height());
    // The file's size fields are 32 bits.
    if (imageBytes > std::numeric_limits<uint32_t>::max() - kPixelOffset) return false;

    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    const auto header = BitmapHeaders(bitmap.Width(), bitmap.Height(), static_cast<uint32_t>(imageBytes));
    bool written = std::fwrite(header.data(), 1, header.size(), file.get()) == header.size() &&
                   WriteBitmapRows(bitmap, file.get());
    return Close(std::move(file)) && written;
}

bool WritePngFile(const Bitmap& bitmap, const std::string& path) {
    if (bitmap.Empty()) return false;
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<uint8_t> row(static_cast<size_t>(bitmap.Width()) * 3);
    bool written = info && WritePngImage(png, info, file.get(), bitmap, row.data());
    png_destroy_write_struct(&png, &info);
    return Close(std::move(file)) && written;
}

bool WritePictureFile(const Bitmap& bitmap, const std::string& path) {
    return EndsWithPng(path) ? WritePngFile(bitmap, path) : WriteBitmapFile(bitmap, path);
}

}  // namespace vesk
