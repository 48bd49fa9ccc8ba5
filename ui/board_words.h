// The board in words, for a player who cannot see it: the name of each square, what stands on it,
// and a short sentence for each change, in Japanese followed by the English.
#pragma once

#include "ui/window_layer.h"

#include <string>

// The usual algebraic name of a playing square: files a to h from the left, ranks 1 to 8 from
// red's side, the bottom. On this board a1 is a square that is never played on.
std::string squareName(int x, int y);

// What a square holds, as it is said.
std::string squareContents(int x, int y);

std::string boardSentence(const BoardEvent& event);

// The sentences of one act (a press, a key), in order, for a binding to hand on when it is done.
class BoardTelling {
public:
    void add(const BoardEvent& event);
    // What was told since the last take, and nothing more until something is told again.
    std::string take();

private:
    std::string told;
};
