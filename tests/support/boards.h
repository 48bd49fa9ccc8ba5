// Helpers for tests: positions from board diagrams, whole-board snapshots and generator draws.
#pragma once

#include "engine/game.h"
#include "tools/diagram.h"

#include <array>
#include <initializer_list>
#include <string>

// The settings the game starts with, and a new game with them.
void startDefaultGame(Game& position);

// Puts a diagram (rows 2..9 top to bottom, see tools/diagram.h) on the game with counts equal to
// the pieces on it and the given side to move. Fails the test on a malformed diagram.
void placeBoard(Game& position, const std::string& diagram, int sideToMove);

struct PlacedPiece {
    int x;
    int y;
    int code;
};

// An otherwise empty board with these pieces, counts equal to them and the given side to move.
void placePieces(Game& position, std::initializer_list<PlacedPiece> pieces, int sideToMove);

using BoardSnapshot = std::array<int, BoardCells>;

// Every cell of the board, border included, in cell-index order.
BoardSnapshot snapshot(const Game& position);

// The next number the generator gives after srand(seed) and the given number of draws.
int randAfterDraws(unsigned seed, long long draws);

// A seed after which the generator's first draws, taken modulo 2, are the given bits.
unsigned seedWithJitters(std::initializer_list<int> bits);
