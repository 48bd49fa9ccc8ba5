// Writing pictures as Windows bitmap and icon files (4 bits per pixel, uncompressed) and as PNG
// files for the Linux desktop, all with the standard 16-colour palette.
#pragma once

#include "raster.h"

#include <string>
#include <vector>

bool writeBitmapFile(const std::string& path, const Raster& picture);

// An icon with one image per raster; pixels of the transparent index are left out by the mask.
bool writeIconFile(const std::string& path, const std::vector<Raster>& images,
                   std::uint8_t transparent);

constexpr int NoTransparency = -1; // every pixel opaque

// A PNG file of palette indices; pixels of the transparent index, where there is one, are fully
// transparent.
bool writePngFile(const std::string& path, const Raster& picture, int transparent);
