// The tags of one sound file as the information component holds them between reading a file and
// writing one: the fields the editor's FileInfo object shows, nothing more.
#pragma once

#include <cstdint>
#include <string>

namespace vesk {

struct TagValues {
    std::u16string title, artist, album, comments, copyright, composer, url, encodedBy;
    int32_t year = 0;    // 0 = none
    int16_t genre = -1;  // number in the ID3 genre table (components/Id3Genres.h); -1 = none
    int16_t track = 0;   // 0 = none
};

}  // namespace vesk
