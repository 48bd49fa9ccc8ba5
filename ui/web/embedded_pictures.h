// The game's bitmap files as the build embeds them in the web page's module, from the one list of
// pictures, ui/pictures.txt.
#pragma once

#include <cstddef>

struct EmbeddedPicture {
    int id;
    const unsigned char* bytes;
    std::size_t size;
};

extern const EmbeddedPicture embeddedPictures[];
extern const std::size_t embeddedPictureCount;
