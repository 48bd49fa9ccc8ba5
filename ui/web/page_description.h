// What the web page builds its menu bar and settings dialog from: the neutral descriptions,
// written out for the page's script.
#pragma once

#include "ui/settings_layout.h"

#include <string>
#include <vector>

// The title, the board's name and size, the menu (pop-up menus in order, each with its items) and
// the dialog (caption, fonts, the sample for its base units, and controls in template order, each
// with its id, kind, text, group start, frame and Tab stop), as JSON.
std::string describePage();

// The dialog's client size, then x, y, width and height of each control, in pixels for the
// dialog's base units.
std::vector<int> dialogLayout(DialogBaseUnits base);
