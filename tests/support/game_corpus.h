// Positions met in real games: every setting combination, played through presses from a seed,
// red by the random mover and blue by the computer player. A position is taken before every
// turn, so positions inside capture chains are among them.
#pragma once

#include "engine/game.h"

#include <functional>
#include <string>
#include <vector>

struct GameSetup {
    int pieces;
    int redMovesFirst;
    int redAllKings;
    int blueAllKings;
};

// The 24 combinations of men per side, first mover and all-kings starts.
std::vector<GameSetup> everySetup();

std::string setupName(const GameSetup& setup);

// Plays one game on the global game to its end or for maxTurns turns. Each turn is one piece's
// move or one jump of a chain; `beforeTurn` sees the position first, `afterTurn` after.
void playSeededGame(const GameSetup& setup, unsigned seed, int blueStrength, int maxTurns,
                    const std::function<void(const Game&)>& beforeTurn,
                    const std::function<void(const Game&)>& afterTurn = {});

// Every `stride`th position of `seeds` games per setup, blue at the given strength.
std::vector<Game> positionsFromGames(int seeds, int blueStrength, int stride);
