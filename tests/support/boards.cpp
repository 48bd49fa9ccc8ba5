#include "tests/support/boards.h"

#include "engine/random_numbers.h"

#include <gtest/gtest.h>

namespace {

// Test diagrams are indented with the code around them; the spaces are not part of a row.
std::string withoutIndent(const std::string& diagram) {
    std::string text;
    bool lineStart = true;
    for (char c : diagram) {
        if (lineStart && c == ' ') {
            continue;
        }
        lineStart = c == '\n';
        text += c;
    }
    return text;
}

} // namespace

void startDefaultGame(Game& position) {
    position.setPieceSetting(12);
    position.setVsHuman(0);
    position.setRedMovesFirst(1);
    position.setRedAllKings(0);
    position.setBlueAllKings(0);
    position.setStrength(5);
    position.newGame();
}

void placeBoard(Game& position, const std::string& diagram, int sideToMove) {
    const DiagramResult board = parseDiagram(withoutIndent(diagram));
    ASSERT_TRUE(board.ok) << board.error;
    loadDiagram(position, board.diagram, sideToMove);
}

void placePieces(Game& position, std::initializer_list<PlacedPiece> pieces, int sideToMove) {
    Diagram diagram;
    for (const PlacedPiece& piece : pieces) {
        diagram.at(piece.x, piece.y) = piece.code;
    }
    loadDiagram(position, diagram, sideToMove);
}

BoardSnapshot snapshot(const Game& position) {
    BoardSnapshot cells{};
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            cells[x * BoardSize + y] = position.getSquare(x, y);
        }
    }
    return cells;
}

int randAfterDraws(unsigned seed, long long draws) {
    seedRandom(seed);
    for (long long i = 0; i < draws; ++i) {
        drawRandom();
    }
    return drawRandom();
}

unsigned seedWithJitters(std::initializer_list<int> bits) {
    for (unsigned seed = 1;; ++seed) {
        seedRandom(seed);
        bool matches = true;
        for (int bit : bits) {
            matches = matches && drawRandom() % 2 == bit;
        }
        if (matches) {
            return seed;
        }
    }
}
