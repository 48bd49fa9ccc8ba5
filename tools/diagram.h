// Board diagrams: 8 lines of 8 characters, row y = 2 (blue's side) first, column x = 2 first.
// 'r' red man, 'R' red king, 'b' blue man, 'B' blue king, '.' empty; blank lines and lines
// starting with '#' are skipped.
#pragma once

#include "engine/game.h"

#include <array>
#include <istream>
#include <string>

// The 64 playing squares of a diagram, indexed by (x - 2) * 8 + (y - 2).
struct Diagram {
    std::array<int, 64> codes = emptyBoard();

    static constexpr std::array<int, 64> emptyBoard() {
        std::array<int, 64> board{};
        for (int& code : board) {
            code = Empty;
        }
        return board;
    }

    int at(int x, int y) const { return codes[(x - 2) * 8 + (y - 2)]; }
    int& at(int x, int y) { return codes[(x - 2) * 8 + (y - 2)]; }
    int countOf(int side) const;
};

struct DiagramResult {
    bool ok;
    Diagram diagram;
    std::string error; // one line naming the input line, when not ok
};

DiagramResult readDiagram(std::istream& in);
DiagramResult parseDiagram(const std::string& text);

// Puts the diagram on the game's board with both counts equal to the pieces on it and the given
// side to move. Settings are kept; like newGame it reseeds the generator and opens play.
void loadDiagram(Game& position, const Diagram& diagram, int sideToMove);

// The game's board as a diagram, one line per row; selected codes show as their plain piece.
std::string formatDiagram(const Game& position);
