#include "ai/search_position.h"

int materialBalance(const Game& game) {
    return SearchPosition::KingValue *
               (cellCount(game.cellsHolding(BlueKing)) - cellCount(game.cellsHolding(RedKing))) +
           SearchPosition::ManValue *
               (cellCount(game.cellsHolding(BlueMan)) - cellCount(game.cellsHolding(RedMan)));
}

SearchPosition searchPositionOf(const Game& game) {
    SearchPosition position{};
    position.men[Red] = game.cellsHolding(RedMan);
    position.men[Blue] = game.cellsHolding(BlueMan);
    position.kings[Red] = game.cellsHolding(RedKing);
    position.kings[Blue] = game.cellsHolding(BlueKing);
    position.empty = game.cellsHolding(Empty);
    position.balance = materialBalance(game);
    return position;
}
