// The one game: settings, turn, piece counts and the board, with the rules of checkers and the
// computer player as operations on it. Nothing here allocates or does input or output.
#pragma once

#include "engine/types.h"

// What one made move needs to be taken back inside the search.
struct UndoRecord {
    int fromX;
    int fromY;
    int toX;
    int toY;
    int capturedCode; // Empty for a plain move
    int wasCrowned;
};

class Game {
public:
    Game();
    virtual ~Game() = default;

    // --- State and board (engine/game.cpp) ---
    void newGame();

    int getSquare(int x, int y) const { return board[cellIndex(x, y)]; }
    void setSquare(int x, int y, int code) { board[cellIndex(x, y)] = code; }

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

    // --- Move rules (engine/rules.cpp) ---
    int isLegalStep(Move move) const;
    void stepOptions(int x, int y, DirectionFlags& flags) const;
    int canCapture(int x, int y, int side) const;
    void jumpOptions(int x, int y, DirectionFlags& flags) const;
    int sideHasCapture(int side) const;
    int sideHasNoStep(int side) const;
    void makeMove(Move move);

    // --- Computer player (ai/) ---
    int search(int side, int depth, int alpha, int beta, Move& out);
    int evaluate();
    void applyStep(int x, int y, int slot, UndoRecord& undo);
    void applyJump(int x, int y, int slot, UndoRecord& undo);
    void undoMove(UndoRecord undo);
    static void moveFromSlot(int captureFlag, int slot, int x, int y, Move& out);
    void chooseComputerMove(Move& out);
    void randomMove(int side, Move& out);

    // Leaves scored by evaluate since construction: the work a search did, for the bench.
    long long evaluatedLeaves() const { return leafCount; }

private:
    static constexpr int cellIndex(int x, int y) { return x * BoardSize + y; }
    void resetBoard();
    void placeStartRows();

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
    long long leafCount = 0;
};

// The one instance, built before the window exists.
extern Game game;
