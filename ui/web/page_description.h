// What the web page builds its menu bar and settings dialog from: the neutral descriptions,
// written out for the page's script.
#pragma once

#include "ui/settings_layout.h"

#include <string>
#include <vector>

// The title, the board's name and size, the board's keys (each key's name, as the browser names it,
// with its BoardKey's number), the menu (pop-up menus in order, each with its items) and the dialog
// (caption, fonts, the sample for its base units, and controls in template order, each with its id,
// kind, text, group start, frame and Tab stop), as JSON.
std::string describePage();

// The dialog's client size, then x, y, width and height of each control, in pixels for the
// dialog's base units.
std::vector<int> dialogLayout(DialogBaseUnits base);

// The dialog's font as the page measured it at one size: the width of the 52 Latin letters and the
// height of a line, in pixels.
struct FontMeasure {
    int alphabetWidth;
    int lineHeight;
};

struct FittedDialog {
    std::size_t font; // the size chosen, as an index of the fonts measured
    DialogBaseUnits base;
};

// The dialog's font among `fonts`, measured at sizes growing by one pixel: the least that makes
// every Tab stop at least `leastTarget` pixels high and wide, so that a finger or a pointer hits
// it. Where the dialog in that font is wider than `room` (a phone), the largest that fits, with the
// line the base units measure raised until every Tab stop is a target again, so that the dialog
// keeps its layout in dialog units and fits.
FittedDialog fitDialog(const std::vector<FontMeasure>& fonts, int room, int leastTarget);
