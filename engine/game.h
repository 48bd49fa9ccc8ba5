// The one game: settings, turn, piece counts and the board, with the rules of checkers and the
// computer player as operations on it. Nothing here allocates or does input or output.
#pragma once

#include "engine/cell_sets.h"
#include "engine/move_sets.h"
#include "engine/types.h"

// What one move made by applyStep or applyJump needs to be taken back by undoMove.
struct UndoRecord {
    int fromX;
    int fromY;
    int toX;
    int toY;
    int capturedCode; // Empty for a plain move
    int wasCrowned;
};

// The moves of a side's first count pieces, as sets of the squares that can move in each slot.
struct SideMoves {
    CellSet pieces;
    SlotSets steps;
    SlotSets jumps;

    bool canStep() const { return steps.any() != 0; }
    bool canJump() const { return jumps.any() != 0; }
};

class Game {
public:
    Game();
    virtual ~Game() = default;

    // --- State and board (engine/game.cpp) ---
    void newGame();

    int getSquare(int x, int y) const { return board[cellIndex(x, y)]; }
    void setSquare(int x, int y, int code) {
        int& cell = board[cellIndex(x, y)];
        const CellSet bit = cellBit(x, y); // nothing for the border
        codeCells[trackedCode(cell)] &= ~bit;
        codeCells[trackedCode(code)] |= bit;
        cell = code;
    }

    int getSideToMove() const { return sideToMove; }
    void switchSide();
    void decrementCount(int side);
    int getCount(int side) const { return side != Blue ? redCount : blueCount; }

    int getPieceSetting() const { return pieceSetting; }
    void setPieceSetting(int value);
    int getVsHuman() const { return vsHuman; }
    void setVsHuman(int value) { vsHuman = value; }
    int getRedMovesFirst() const { return redMovesFirst; }
    void setRedMovesFirst(int value);
    int getAllKings(int side) const;
    void setRedAllKings(int value);
    void setBlueAllKings(int value);
    int getStrength() const { return strength; }
    void setStrength(int value) { strength = value; }

    void listPieces(PieceList& list) const;
    // The playing squares holding a code from 0 to 9.
    CellSet cellsHolding(int code) const { return codeCells[code]; }

    // --- Move rules (engine/rules.cpp) ---
    int isLegalStep(Move move) const;
    void stepOptions(int x, int y, DirectionFlags& flags) const;
    int canCapture(int x, int y, int side) const;
    void jumpOptions(int x, int y, DirectionFlags& flags) const;
    int sideHasCapture(int side) const;
    int sideHasNoStep(int side) const;
    void makeMove(Move move);
    // What sideHasCapture, sideHasNoStep and the search share: side is Red or Blue.
    SideMoves sideMoves(int side) const;

    // --- Computer player (ai/) ---
    int search(int side, int depth, int alpha, int beta, Move& out);
    int evaluate();
    void applyStep(int x, int y, int slot, UndoRecord& undo);
    void applyJump(int x, int y, int slot, UndoRecord& undo);
    void undoMove(UndoRecord undo);
    static void moveFromSlot(int captureFlag, int slot, int x, int y, Move& out);
    void chooseComputerMove(Move& out);
    void randomMove(int side, Move& out);

    // Leaves scored since construction, by evaluate or by search: the work a search did, for the
    // bench.
    long long evaluatedLeaves() const { return leafCount; }

private:
    static constexpr int cellIndex(int x, int y) { return x * BoardSize + y; }
    void resetBoard();
    void placeStartRows();
    CellSet piecesOf(int side) const {
        return side == Red ? codeCells[RedMan] | codeCells[RedKing]
                           : codeCells[BlueMan] | codeCells[BlueKing];
    }
    // Codes outside 0..9 are stored on the board but belong to no set.
    static constexpr int UntrackedCode = Wall + 1;
    static constexpr int trackedCode(int code) {
        return code >= 0 && code <= Wall ? code : UntrackedCode;
    }

    int pieceSetting;
    int vsHuman;
    int redMovesFirst;
    int redAllKings;
    int blueAllKings;
    int strength;
    int sideToMove;
    int redCount;
    int blueCount;
    int board[BoardCells];
    // The playing squares holding each code, kept by setSquare so that listing pieces, counting
    // material and the side-wide tests need no scan of the board.
    CellSet codeCells[UntrackedCode + 1];
    long long leafCount = 0;
};

// The one instance, built before the window exists.
extern Game game;
