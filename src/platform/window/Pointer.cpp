#include "platform/window/Pointer.h"

#include <array>
#include <string_view>

namespace vesk {

namespace {

constexpr std::array<const char*, 20> kNames = {
    "arrow", "cross", "ibeam",       "icon", "sizeall", "sizenesw", "sizens", "sizenwse", "sizewe", "uparrow",
    "wait",  "no",    "appstarting", "help", "size",    "custom",   "grab",   "left",     "right",  "edge"};

// The control's own pointers, 16 × 16: '#' black, 'o' white, anything else transparent.
struct Art {
    PointerShape shape;
    int32_t hotX, hotY;
    std::array<std::string_view, 16> rows;
};

constexpr Art kArt[] = {
    {PointerShape::Grab, 8, 8,
     {"      ##        ", "   ## #o###     ", "  #oo##oo#o#    ", "  #oo##oo#oo#   ", "   #oo#oo#oo# # ",
      "   #oo#oo#oo##o#", " ## #ooooooo#oo#", "#oo##ooooooooo# ", "#ooo#oooooooooo#", " #ooooooooooooo#",
      "  #oooooooooooo#", "  #ooooooooooo# ", "   #oooooooooo# ", "    #ooooooooo# ", "     #oooooo#   ",
      "     #oooooo#   "}},
    {PointerShape::Left, 0, 0,
     {"#               ", "##              ", "#o#             ", "#oo#            ", "#ooo#           ",
      "#oooo#          ", "#ooooo#         ", "#oooooo#        ", "#ooooooo#       ", "#oooo#####      ",
      "#oo#oo#  ##     ", "#o# #oo# ##     ", "##  #oo# ##     ", "#    #oo###### ", "     #oo#       ",
      "      ##        "}},
    {PointerShape::Right, 0, 0,
     {"#               ", "##              ", "#o#             ", "#oo#            ", "#ooo#           ",
      "#oooo#          ", "#ooooo#         ", "#oooooo#  ####  ", "#ooooooo# ## ## ", "#oooo#####   ## ",
      "#oo#oo#  ## ##  ", "#o# #oo# ####   ", "##  #oo# ## ##  ", "#    #oo##  ##  ", "     #oo#    ## ",
      "      ##        "}},
    {PointerShape::Edge, 5, 0,
     {"     ##         ", "    #oo#        ", "    #oo#        ", "    #oo#        ", "    #oo###      ",
      "    #oo#oo###   ", "    #oo#oo#oo## ", " ## #oo#oo#oo#o#", "#oo##ooooooo#oo#", "#ooo#oooooooooo#",
      " #oooooooooooo# ", "  #ooooooooooo# ", "  #oooooooooo#  ", "   #ooooooooo#  ", "    #ooooooo#   ",
      "    #ooooooo#   "}},
};

std::shared_ptr<const PointerImage> Draw(const Art& art) {
    auto image = std::make_shared<PointerImage>();
    image->width = image->height = 16;
    image->hotX = art.hotX;
    image->hotY = art.hotY;
    for (std::string_view row : art.rows) {
        for (size_t x = 0; x < 16; ++x) {
            const char c = x < row.size() ? row[x] : ' ';
            image->pixels.push_back(c == '#' ? 0xFF000000u : c == 'o' ? 0xFFFFFFFFu : 0u);
        }
    }
    return image;
}

}  // namespace

const char* PointerName(PointerShape shape) { return kNames[static_cast<size_t>(shape)]; }

Pointer SystemPointer(PointerShape shape) { return Pointer{shape, nullptr}; }

Pointer OwnPointer(PointerShape shape) {
    static const auto pictures = [] {
        std::array<std::shared_ptr<const PointerImage>, kNames.size()> drawn{};
        for (const Art& art : kArt) drawn[static_cast<size_t>(art.shape)] = Draw(art);
        return drawn;
    }();
    return Pointer{shape, pictures[static_cast<size_t>(shape)]};
}

}  // namespace vesk
