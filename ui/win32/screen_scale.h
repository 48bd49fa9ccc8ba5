// The screen's scale, as Windows tells a program that is aware of each monitor's: dots per inch.
// The functions for it are newer than Windows 7, so they are looked up rather than imported, and
// the program still starts there, at the system's scale.
#pragma once

#include <windows.h>

UINT systemDpi();
// The dots per inch of the monitor the window is on (Windows 10 1607 on), else the system's.
UINT windowDpi(HWND window);
// The board's scale on a screen of `dpi` dots per inch, where 96 is 100%.
int boardScaleAt(UINT dpi);
// The main window's outer size on a screen of `dpi` dots per inch: a client area of the board at
// its scale there, under the caption and the menu bar as they are drawn there.
SIZE mainWindowSize(UINT dpi);
