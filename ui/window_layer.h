// What the turn controller needs of a window. The Windows program binds these to its main window;
// a build without a window (the headless driver, the tests) links definitions of its own.
#pragma once

void soundBeep();                 // a rejected press
void repaintSquare(int x, int y); // redraw one board square from the board at the next paint
void drawWinPicture();            // blue has lost: show the win picture over the board at once
void drawLosePicture();           // red has lost: show the lose picture over the board at once
