# The game's pictures, as ui/pictures.txt lists them, read once for the whole build:
#   YORUNAMI_BITMAP_IDS, YORUNAMI_BITMAP_FILES  the nine square pictures in square-code order,
#                                               then the win and the lose picture
#   YORUNAMI_ICON_ID, YORUNAMI_ICON_FILE        the icon
#   YORUNAMI_PNG_SIZES, YORUNAMI_PNG_FILES      the icon as PNG files
#   YORUNAMI_TILE_PURPOSES, YORUNAMI_TILE_FILES the icon on opaque squares, for home screens
# Files are full paths into ui/pictures. The same facts for C++ go into ui/picture_files.h in the
# build's folder of generated headers, which every target has on its include path.
set(listFile ${PROJECT_SOURCE_DIR}/ui/pictures.txt)
set(pictureFolder ${PROJECT_SOURCE_DIR}/ui/pictures)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${listFile})
file(STRINGS ${listFile} lines REGEX "^[a-z]")
set(YORUNAMI_BITMAP_IDS)
set(YORUNAMI_BITMAP_FILES)
set(YORUNAMI_PNG_SIZES)
set(YORUNAMI_PNG_FILES)
set(YORUNAMI_TILE_PURPOSES)
set(YORUNAMI_TILE_FILES)
set(bitmapEntries)
set(pngEntries)
set(tileEntries)
foreach(line IN LISTS lines)
  if(line MATCHES "^bitmap ([0-9]+) ([^ ]+)$")
    list(APPEND YORUNAMI_BITMAP_IDS ${CMAKE_MATCH_1})
    list(APPEND YORUNAMI_BITMAP_FILES ${pictureFolder}/${CMAKE_MATCH_2})
    list(APPEND bitmapEntries "{${CMAKE_MATCH_1}, \"${CMAKE_MATCH_2}\"}")
  elseif(line MATCHES "^icon ([0-9]+) ([^ ]+)$")
    set(YORUNAMI_ICON_ID ${CMAKE_MATCH_1})
    set(YORUNAMI_ICON_FILE ${pictureFolder}/${CMAKE_MATCH_2})
    set(iconEntry "{${CMAKE_MATCH_1}, \"${CMAKE_MATCH_2}\"}")
  elseif(line MATCHES "^png ([0-9]+)$")
    list(APPEND YORUNAMI_PNG_SIZES ${CMAKE_MATCH_1})
    list(APPEND YORUNAMI_PNG_FILES ${pictureFolder}/yorunami-${CMAKE_MATCH_1}.png)
    list(APPEND pngEntries "{${CMAKE_MATCH_1}, \"yorunami-${CMAKE_MATCH_1}.png\"}")
  elseif(line MATCHES "^tile ([a-z]+) ([0-9]+) ([0-9]+)$")
    set(tile yorunami-${CMAKE_MATCH_1}-${CMAKE_MATCH_2}.png)
    list(APPEND YORUNAMI_TILE_PURPOSES ${CMAKE_MATCH_1})
    list(APPEND YORUNAMI_TILE_FILES ${pictureFolder}/${tile})
    list(APPEND tileEntries "{${CMAKE_MATCH_2}, ${CMAKE_MATCH_3}, \"${tile}\"}")
  else()
    message(FATAL_ERROR "ui/pictures.txt: cannot read \"${line}\"")
  endif()
endforeach()
list(LENGTH YORUNAMI_BITMAP_IDS bitmapCount)
if(NOT bitmapCount EQUAL 11 OR NOT DEFINED YORUNAMI_ICON_ID)
  message(FATAL_ERROR "ui/pictures.txt: nine square pictures, win, lose and an icon are wanted")
endif()

list(SUBLIST bitmapEntries 0 9 squareEntries)
list(GET bitmapEntries 9 winEntry)
list(GET bitmapEntries 10 loseEntry)
list(JOIN squareEntries ",\n    " squareEntries)
list(JOIN pngEntries ",\n    " pngEntries)
list(JOIN tileEntries ",\n    " tileEntries)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/generated/ui/picture_files.h CONTENT [[
// Written by the build from ui/pictures.txt, which holds each picture's id and file once.
#pragma once

struct PictureFile {
    int id;           // the resource id
    const char* file; // in ui/pictures
};

struct IconPngFile {
    int size; // in pixels, both ways
    const char* file;
};

struct IconTileFile {
    int size;          // in pixels, both ways
    int figurePercent; // how much of the width the figure takes
    const char* file;
};

// The pictures of the square codes 0 to 8, in code order.
constexpr PictureFile squarePictureFiles[] = {
    @squareEntries@};
constexpr PictureFile winPictureFile = @winEntry@;
constexpr PictureFile losePictureFile = @loseEntry@;
constexpr PictureFile iconFile = @iconEntry@;
// The icon as PNG files, by size.
constexpr IconPngFile iconPngFiles[] = {
    @pngEntries@};
// The icon on opaque squares, for home screens.
constexpr IconTileFile iconTileFiles[] = {
    @tileEntries@};
]] @ONLY)
include_directories(${PROJECT_BINARY_DIR}/generated)
