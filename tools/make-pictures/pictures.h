// The game's pictures, drawn from their description: the nine 32x32 square pictures, the two
// 264x264 result pictures, the two images of the icon and the icon on opaque squares.
#pragma once

#include "raster.h"
#include "ui/board_view.h"

#include <string>
#include <vector>

struct SquareLook {
    int disc;  // palette index, or -1 for no disc
    int crown; // palette index, or -1 for no crown
};

// By the square code each picture shows, 0 to 8.
extern const SquareLook squareLooks[SquarePictureCount];

Raster squarePicture(const SquareLook& look);

struct ResultLook {
    const char* file;
    const char32_t* word;
    std::uint8_t colour;
    int inkLeft; // where the lettering starts, as described
    int inkTop;
};

extern const std::vector<ResultLook> resultLooks;

// A black field with the word in large letters of the given CJK font. False, with the reason in
// error, when the font cannot be used.
bool resultPicture(const ResultLook& look, const std::string& fontFile, Raster& picture,
                   std::string& error);

constexpr std::uint8_t IconTransparent = 13; // a palette index the icon does not draw with

// The impossible triangle: red bar on the left, blue on the right, yellow at the bottom.
Raster iconImage(int size);

// The icon's figure, figurePercent of the width, in the middle of an opaque white square.
Raster iconTile(int size, int figurePercent);
