// The committed pictures are those described: white squares with a black top row and left
// column, one disc shape, a crown for kings, and the two result pictures' lettering.
#include "engine/types.h"
#include "tests/support/pixel_canvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

struct SquarePicture {
    bool hasDisc;
    Rgb disc;
    bool hasCrown;
    Rgb crown;
};

// What each square code's picture shows, stated again here on purpose: the generator's own
// description is what this checks.
const SquarePicture squarePictures[SquarePictureCount] = {
    {true, red, false, {}},       // RedMan
    {true, blue, false, {}},      // BlueMan
    {true, cyan, false, {}},      // RedManSelected
    {true, yellow, false, {}},    // BlueManSelected
    {true, red, true, darkRed},   // RedKing
    {true, blue, true, darkBlue}, // BlueKing
    {true, cyan, true, red},      // RedKingSelected
    {true, yellow, true, blue},   // BlueKingSelected
    {false, {}, false, {}},       // Empty
};

struct Span {
    int left = 1000;
    int top = 1000;
    int right = -1;
    int bottom = -1;
    void add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
};

TEST(SquarePictures, HaveOneDiscShapeACrownForKingsAndBlackOnlyAlongTwoEdges) {
    const BitmapPicture empty = readBitmap(pictureFile(squarePictureFiles[Empty].file));
    const BitmapPicture reference = readBitmap(pictureFile(squarePictureFiles[RedMan].file));
    for (int code = 0; code < SquarePictureCount; ++code) {
        const SquarePicture& expected = squarePictures[code];
        const char* const file = squarePictureFiles[code].file;
        const BitmapPicture picture = readBitmap(pictureFile(file));
        ASSERT_EQ(picture.width, 32) << file;
        ASSERT_EQ(picture.height, 32) << file;
        Span disc;
        Span crown;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const Rgb colour = picture.at(x, y);
                const bool edge = x == 0 || y == 0;
                EXPECT_EQ(colour == BlackRgb, edge) << file << " " << x << "," << y;
                if (expected.hasCrown && colour == expected.crown) {
                    crown.add(x, y);
                } else if (!edge && !(colour == WhiteRgb)) {
                    EXPECT_TRUE(expected.hasDisc && colour == expected.disc) << file;
                }
                if (!edge && !(colour == WhiteRgb)) {
                    disc.add(x, y);
                }
                // Every piece picture has its disc where the others have theirs.
                const bool inDisc = !(colour == WhiteRgb) && !edge;
                if (expected.hasDisc) {
                    EXPECT_EQ(inDisc, !(reference.at(x, y) == WhiteRgb) && !edge);
                } else {
                    EXPECT_EQ(colour, empty.at(x, y));
                }
            }
        }
        if (expected.hasDisc) {
            EXPECT_EQ(disc.left, 3) << file;
            EXPECT_EQ(disc.right, 30) << file;
            EXPECT_EQ(disc.top, 3) << file;
            EXPECT_EQ(disc.bottom, 30) << file;
        }
        if (expected.hasCrown) {
            EXPECT_EQ(crown.left, 7) << file;
            EXPECT_EQ(crown.right, 26) << file;
            EXPECT_EQ(crown.top, 11) << file;
            EXPECT_EQ(crown.bottom, 22) << file;
            // Three points on row 11, a solid band from row 15 down.
            EXPECT_EQ(picture.at(7, 11), expected.crown);
            EXPECT_EQ(picture.at(16, 11), expected.crown);
            EXPECT_EQ(picture.at(17, 11), expected.crown);
            EXPECT_EQ(picture.at(26, 11), expected.crown);
            EXPECT_EQ(picture.at(12, 11), expected.disc);
            for (int x = 7; x <= 26; ++x) {
                EXPECT_EQ(picture.at(x, 15), expected.crown);
                EXPECT_EQ(picture.at(x, 22), expected.crown);
            }
        }
    }
}

TEST(ResultPictures, ShowTheirWordInLargeLettersOnBlack) {
    struct Expected {
        const char* file;
        Rgb letters;
        Span about;
    };
    const Expected results[] = {{winPictureFile.file, blue, {47, 86, 226, 177}},
                                {losePictureFile.file, red, {42, 88, 221, 179}}};
    for (const Expected& expected : results) {
        const BitmapPicture picture = readBitmap(pictureFile(expected.file));
        ASSERT_EQ(picture.width, 264);
        ASSERT_EQ(picture.height, 264);
        Span letters;
        for (int y = 0; y < 264; ++y) {
            for (int x = 0; x < 264; ++x) {
                const Rgb colour = picture.at(x, y);
                ASSERT_TRUE(colour == BlackRgb || colour == expected.letters) << expected.file;
                if (colour == expected.letters) {
                    letters.add(x, y);
                }
            }
        }
        EXPECT_NEAR(letters.left, expected.about.left, 3) << expected.file;
        EXPECT_NEAR(letters.top, expected.about.top, 3) << expected.file;
        EXPECT_NEAR(letters.right, expected.about.right, 3) << expected.file;
        EXPECT_NEAR(letters.bottom, expected.about.bottom, 3) << expected.file;
    }
}

} // namespace
