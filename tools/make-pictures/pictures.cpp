#include "pictures.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>

const SquareLook squareLooks[SquarePictureCount] = {
    {Red, -1},        // RedMan
    {Blue, -1},       // BlueMan
    {Cyan, -1},       // RedManSelected
    {Yellow, -1},     // BlueManSelected
    {Red, DarkRed},   // RedKing
    {Blue, DarkBlue}, // BlueKing
    {Cyan, Red},      // RedKingSelected
    {Yellow, Blue},   // BlueKingSelected
    {-1, -1},         // Empty
};

const std::vector<ResultLook> resultLooks = {
    {winPictureFile.file, U"勝ち", Blue, 47, 86},
    {losePictureFile.file, U"負け", Red, 42, 88},
};

namespace {

constexpr int SquareSize = PicturePixels;
constexpr int ResultSize = BoardPixels; // drawn over the whole board

// The disc: 28 pixels across, over columns and rows 3 to 30.
bool inDisc(int x, int y) {
    const double dx = x + 0.5 - 17.0;
    const double dy = y + 0.5 - 17.0;
    return dx * dx + dy * dy <= 14.0 * 14.0;
}

// The crown over columns 7 to 26 and rows 11 to 22: three points in row 11 (columns 7, 16-17
// and 26) widening over four rows into a solid band from row 15 down.
bool inCrown(int x, int y) {
    if (x < 7 || x > 26 || y < 11 || y > 22) {
        return false;
    }
    if (y >= 15) {
        return true;
    }
    const int widening = y - 11;
    return x <= 7 + widening || std::abs(2 * x - 33) <= 1 + 2 * widening || x >= 26 - widening;
}

} // namespace

Raster squarePicture(const SquareLook& look) {
    Raster picture(SquareSize, SquareSize, White);
    for (int y = 0; y < SquareSize; ++y) {
        for (int x = 0; x < SquareSize; ++x) {
            if (x == 0 || y == 0) {
                picture.set(x, y, Black);
            } else if (look.crown >= 0 && inCrown(x, y)) {
                picture.set(x, y, static_cast<std::uint8_t>(look.crown));
            } else if (look.disc >= 0 && inDisc(x, y)) {
                picture.set(x, y, static_cast<std::uint8_t>(look.disc));
            }
        }
    }
    return picture;
}

namespace {

struct Ink {
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN; // exclusive
    int bottom = INT_MIN;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// Lays the word out in monochrome glyphs with the pen starting at (penX, baseline), calling
// plot(x, y) for every inked pixel.
template <typename Plot>
bool layOut(FT_Face face, const char32_t* word, int penX, int baseline, Plot plot) {
    for (const char32_t* c = word; *c != 0; ++c) {
        if (FT_Load_Char(face, *c, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) !=
            0) {
            return false;
        }
        const FT_GlyphSlot glyph = face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const unsigned char byte = bitmap.buffer[row * bitmap.pitch + column / 8];
                if ((byte & (0x80 >> (column % 8))) != 0) {
                    plot(penX + glyph->bitmap_left + static_cast<int>(column),
                         baseline - glyph->bitmap_top + static_cast<int>(row));
                }
            }
        }
        penX += static_cast<int>(glyph->advance.x >> 6);
    }
    return true;
}

Ink measure(FT_Face face, const char32_t* word) {
    Ink ink;
    layOut(face, word, 0, 0, [&ink](int x, int y) {
        ink.left = std::min(ink.left, x);
        ink.top = std::min(ink.top, y);
        ink.right = std::max(ink.right, x + 1);
        ink.bottom = std::max(ink.bottom, y + 1);
    });
    return ink;
}

// The lettering spans about 180 by 92 pixels: the pixel size whose ink comes closest.
int lettersSize(FT_Face face, const char32_t* word) {
    int best = 0;
    int bestMiss = INT_MAX;
    for (int size = 60; size <= 140; ++size) {
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size));
        const Ink ink = measure(face, word);
        const int miss = std::abs(ink.width() - 180) + std::abs(ink.height() - 92);
        if (miss < bestMiss) {
            best = size;
            bestMiss = miss;
        }
    }
    return best;
}

} // namespace

bool resultPicture(const ResultLook& look, const std::string& fontFile, Raster& picture,
                   std::string& error) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, fontFile.c_str(), 0, &face) != 0) {
        error = "cannot open the font " + fontFile;
        FT_Done_FreeType(library);
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(lettersSize(face, look.word)));
    const Ink ink = measure(face, look.word);
    picture = Raster(ResultSize, ResultSize, Black);
    const bool drawn = layOut(face, look.word, look.inkLeft - ink.left, look.inkTop - ink.top,
                              [&](int x, int y) { picture.set(x, y, look.colour); });
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    if (!drawn) {
        error = "the font has no glyph for the word";
    }
    return drawn;
}

namespace {

struct Point3 {
    double x;
    double y;
    double z;
};

using Face = std::array<Point3, 4>;

// The faces of a box seen from above, from +x and from +y: the three that face the viewer.
std::array<Face, 3> visibleFaces(Point3 low, Point3 high) {
    return {{
        {{{high.x, low.y, low.z},
          {high.x, high.y, low.z},
          {high.x, high.y, high.z},
          {high.x, low.y, high.z}}},
        {{{low.x, high.y, low.z},
          {high.x, high.y, low.z},
          {high.x, high.y, high.z},
          {low.x, high.y, high.z}}},
        {{{low.x, low.y, high.z},
          {high.x, low.y, high.z},
          {high.x, high.y, high.z},
          {low.x, high.y, high.z}}},
    }};
}

// Isometric view, turned a quarter to the left so that the third beam lies along the bottom.
Point project(Point3 p) {
    const double across = (p.x - p.y) * std::sqrt(3.0) / 2;
    const double down = -p.z + (p.x + p.y) / 2;
    return {down, -across};
}

struct BeamPart {
    Point3 low;
    Point3 high;
    std::uint8_t colour;
    int layer;   // parts are drawn layer by layer, each layer's faces far to near
    double cutZ; // a face edge at this height is the cut between two parts of one beam, not drawn
};

struct PaintedFace {
    Face corners;
    const BeamPart* part;
};

bool samePoint(Point3 a, Point3 b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

double depth(const Face& face) {
    double sum = 0;
    for (const Point3& c : face) {
        sum += c.x + c.y + c.z; // the viewer looks down the (1, 1, 1) direction
    }
    return sum;
}

} // namespace

// Three beams of length 5 along x, y and z. In this view the top of the z beam falls exactly on
// the start of the x beam: drawing the z beam's upper half first and its lower half last makes
// every corner look joined.
Raster iconImage(int size) {
    constexpr double n = 5;
    const BeamPart parts[] = {
        {{n - 1, n - 1, n / 2}, {n, n, n}, Yellow, 0, n / 2},
        {{0, 0, 0}, {n, 1, 1}, Red, 1, -1},
        {{n - 1, 0, 0}, {n, n, 1}, Blue, 1, -1},
        {{n - 1, n - 1, 0}, {n, n, n / 2}, Yellow, 2, n / 2},
    };
    std::vector<PaintedFace> faces;
    for (const BeamPart& part : parts) {
        for (const Face& face : visibleFaces(part.low, part.high)) {
            const bool cutCap = face[0].z == part.cutZ && face[2].z == part.cutZ;
            if (!cutCap) {
                faces.push_back({face, &part});
            }
        }
    }
    std::stable_sort(faces.begin(), faces.end(), [](const PaintedFace& a, const PaintedFace& b) {
        return a.part->layer != b.part->layer ? a.part->layer < b.part->layer
                                              : depth(a.corners) < depth(b.corners);
    });

    // Scale and centre the figure into the image.
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const PaintedFace& face : faces) {
        for (const Point3& corner : face.corners) {
            const Point p = project(corner);
            minX = std::min(minX, p.x);
            minY = std::min(minY, p.y);
            maxX = std::max(maxX, p.x);
            maxY = std::max(maxY, p.y);
        }
    }
    const double scale = (size - 1) / std::max(maxX - minX, maxY - minY);
    const double offsetX = (size - 1 - (maxX - minX) * scale) / 2;
    const double offsetY = (size - 1 - (maxY - minY) * scale) / 2;
    auto toImage = [&](Point3 corner) {
        const Point p = project(corner);
        return Point{offsetX + (p.x - minX) * scale, offsetY + (p.y - minY) * scale};
    };

    // A 16-pixel image has no room for the line between the two faces of a beam.
    auto sharedWithinBeam = [&](Point3 a, Point3 b, const PaintedFace& owner) {
        int faceCount = 0;
        for (const PaintedFace& other : faces) {
            if (other.part->colour != owner.part->colour) {
                continue;
            }
            for (std::size_t i = 0; i < 4; ++i) {
                const Point3 c = other.corners[i];
                const Point3 d = other.corners[(i + 1) % 4];
                const bool same =
                    (samePoint(a, c) && samePoint(b, d)) || (samePoint(a, d) && samePoint(b, c));
                faceCount += same ? 1 : 0;
            }
        }
        return faceCount > 1;
    };

    Raster image(size, size, IconTransparent);
    for (const PaintedFace& face : faces) {
        std::vector<Point> corners;
        for (const Point3& corner : face.corners) {
            corners.push_back(toImage(corner));
        }
        image.fillPolygon(corners, face.part->colour);
        for (std::size_t i = 0; i < 4; ++i) {
            const Point3 a = face.corners[i];
            const Point3 b = face.corners[(i + 1) % 4];
            const bool cut = a.z == face.part->cutZ && b.z == face.part->cutZ;
            if (!cut && (size >= 32 || !sharedWithinBeam(a, b, face))) {
                image.drawLine(corners[i], corners[(i + 1) % 4], Black);
            }
        }
    }
    return image;
}

Raster iconTile(int size, int figurePercent) {
    const int figureSize = (size * figurePercent + 50) / 100;
    const Raster figure = iconImage(figureSize);
    const int margin = (size - figureSize) / 2;
    Raster tile(size, size, White);
    for (int y = 0; y < figureSize; ++y) {
        for (int x = 0; x < figureSize; ++x) {
            if (figure.at(x, y) != IconTransparent) {
                tile.set(margin + x, margin + y, figure.at(x, y));
            }
        }
    }
    return tile;
}
