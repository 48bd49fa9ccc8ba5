#include "engine/game.h"

#include "engine/random_numbers.h"
#include "engine/turn_flags.h"

#include <ctime>

Game game;

namespace {

void seedFromClock() {
    seedRandom(static_cast<unsigned>(std::time(nullptr)));
}

bool isZeroOrOne(int value) {
    return value == 0 || value == 1;
}

bool isBorderLine(int line) {
    return line < FirstPlayingLine || line > LastPlayingLine;
}

// One row of the start position. Rank 1 is a side's back row, rank 3 its front row.
struct StartRow {
    int y;
    int firstX; // every second column from here
    Square man;
    int rank;
};

constexpr StartRow startRows[] = {
    {2, 2, BlueMan, 1}, {3, 3, BlueMan, 2}, {4, 2, BlueMan, 3},
    {7, 3, RedMan, 3},  {8, 2, RedMan, 2},  {9, 3, RedMan, 1},
};

// 4 men fill a side's back row, 8 its two back rows, 12 its three.
int rowsPerSide(int pieceSetting) {
    return pieceSetting == 12 ? 3 : pieceSetting == 8 ? 2 : 1;
}

} // namespace

Game::Game()
    : pieceSetting(12), vsHuman(0), redMovesFirst(1), redAllKings(0), blueAllKings(0), strength(5),
      sideToMove(Red), redCount(12), blueCount(12), board{}, codeCells{} {
    seedFromClock();
    resetBoard();
    placeStartRows();
}

void Game::newGame() {
    seedFromClock();
    redCount = pieceSetting;
    blueCount = pieceSetting;
    sideToMove = redMovesFirst != 0 ? Red : Blue;
    gameActive = 1;
    // A new board holds no selected piece, so no selection may outlive the old one: the next press
    // would otherwise be taken as a destination for a square of the old game.
    selectionState = 0;
    resetBoard();
    placeStartRows();
}

void Game::resetBoard() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            board[cellIndex(x, y)] = isBorderLine(x) || isBorderLine(y) ? Wall : Empty;
        }
    }
    for (CellSet& cells : codeCells) {
        cells = 0;
    }
    codeCells[Empty] = AllPlayingCells;
}

void Game::placeStartRows() {
    for (const StartRow& row : startRows) {
        if (row.rank > rowsPerSide(pieceSetting)) {
            continue;
        }
        const bool isRed = row.man == RedMan;
        const int allKings = isRed ? redAllKings : blueAllKings;
        const int code = allKings == 1 ? (isRed ? RedKing : BlueKing) : row.man;
        for (int x = row.firstX; x <= LastPlayingLine; x += 2) {
            setSquare(x, row.y, code);
        }
    }
}

void Game::switchSide() {
    if (sideToMove == Red) {
        sideToMove = Blue;
    } else if (sideToMove == Blue) {
        sideToMove = Red;
    }
}

void Game::decrementCount(int side) {
    if (side != Blue) {
        --redCount;
    } else {
        --blueCount;
    }
}

// Only the three sizes the game knows are stored: any other value would give counts that
// disagree with the board.
void Game::setPieceSetting(int value) {
    if (value == 4 || value == 8 || value == 12) {
        pieceSetting = value;
    }
}

void Game::setRedMovesFirst(int value) {
    if (isZeroOrOne(value)) {
        redMovesFirst = value;
    }
}

int Game::getAllKings(int side) const {
    if (side == Red) {
        return redAllKings;
    }
    return side == Blue ? blueAllKings : 0;
}

void Game::setRedAllKings(int value) {
    if (isZeroOrOne(value)) {
        redAllKings = value;
    }
}

void Game::setBlueAllKings(int value) {
    if (isZeroOrOne(value)) {
        blueAllKings = value;
    }
}

// Each half in scan order, which is the order of the bits; a half holds 12 pieces at most.
void Game::listPieces(PieceList& list) const {
    for (int side : {Blue, Red}) {
        const int first = halfStart(side);
        const CellSet kings = codeCells[side == Red ? RedKing : BlueKing];
        CellSet pieces = piecesOf(side);
        int i = 0;
        for (; i < PiecesPerSide && pieces != 0; ++i) {
            const int index = lowestCellIndex(pieces);
            const CellSet bit = CellSet{1} << index;
            list[first + i] = {cellX(index), cellY(index), (kings & bit) != 0 ? 1 : 0};
            pieces ^= bit;
        }
        for (; i < PiecesPerSide; ++i) {
            list[first + i] = BlankEntry;
        }
    }
}
