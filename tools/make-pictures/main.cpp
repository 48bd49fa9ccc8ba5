// Draws the game's pictures and icon from their description into a folder:
//   yorunami-make-pictures OUTPUT-FOLDER CJK-FONT-FILE
#include "bitmap_files.h"
#include "pictures.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: yorunami-make-pictures OUTPUT-FOLDER CJK-FONT-FILE\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;
    for (int code = 0; code < SquarePictureCount; ++code) {
        ok = writeBitmapFile(folder + squarePictureFiles[code].file,
                             squarePicture(squareLooks[code])) &&
             ok;
    }
    for (const ResultLook& look : resultLooks) {
        Raster picture(1, 1, 0);
        std::string error;
        if (!resultPicture(look, argv[2], picture, error)) {
            std::cerr << "yorunami-make-pictures: " << error << '\n';
            return 1;
        }
        ok = writeBitmapFile(folder + look.file, picture) && ok;
    }
    ok = writeIconFile(folder + iconFile.file, {iconImage(32), iconImage(16)}, IconTransparent) &&
         ok;
    for (const IconPngFile& png : iconPngFiles) {
        ok = writePngFile(folder + png.file, iconImage(png.size), IconTransparent) && ok;
    }
    for (const IconTileFile& tile : iconTileFiles) {
        ok = writePngFile(folder + tile.file, iconTile(tile.size, tile.figurePercent),
                          NoTransparency) &&
             ok;
    }
    if (!ok) {
        std::cerr << "yorunami-make-pictures: cannot write into " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
