#include "tests/support/reference.h"

#include "ai/values.h"
#include "engine/random_numbers.h"
#include "tests/support/boards.h"

#include <gtest/gtest.h>
#include <string>

namespace reference {

namespace {

bool isRedPiece(int code) {
    return code == RedMan || code == RedKing;
}
bool isBluePiece(int code) {
    return code == BlueMan || code == BlueKing;
}

int halfOf(int side) {
    return side != Blue ? 12 : 0;
}

struct Outcome {
    int value;
    Move move;
    long long leaves;
    int nextDraw; // equal next draws prove equal numbers of draws
    BoardSnapshot board;
};

template <typename Search>
Outcome run(Game position, const SearchCall& call, Search search) {
    Move move{-7, -7, -7, -7};
    seedRandom(call.seed);
    const long long before = position.evaluatedLeaves();
    const int value = search(position, call, move);
    const int nextDraw = drawRandom();
    return {value, move, position.evaluatedLeaves() - before, nextDraw, snapshot(position)};
}

} // namespace

void listPieces(const Game& position, PieceList& list) {
    int i = 0;
    int j = 0;
    for (int x = 2; x <= 9; ++x) {
        for (int y = 2; y <= 9; ++y) {
            const int code = position.getSquare(x, y);
            if (isRedPiece(code) && j < 12) {
                list[12 + j++] = {x, y, code == RedKing ? 1 : 0};
            } else if (isBluePiece(code) && i < 12) {
                list[i++] = {x, y, code == BlueKing ? 1 : 0};
            }
        }
    }
    for (; j < 12; ++j) {
        list[12 + j] = {-1, -1, 0};
    }
    for (; i < 12; ++i) {
        list[i] = {-1, -1, 0};
    }
}

int sideHasCapture(const Game& position, int side) {
    PieceList list;
    listPieces(position, list);
    const int n = position.getCount(side);
    for (int i = 0; i < n && i < 12; ++i) {
        if (position.canCapture(list[halfOf(side) + i].x, list[halfOf(side) + i].y, side) == 1) {
            return 1;
        }
    }
    return 0;
}

int sideHasNoStep(const Game& position, int side) {
    if (side != 0 && side != 1) {
        return 0;
    }
    PieceList list;
    listPieces(position, list);
    const int n = position.getCount(side);
    for (int i = 0; i < n && i < 12; ++i) {
        DirectionFlags flags;
        position.stepOptions(list[halfOf(side) + i].x, list[halfOf(side) + i].y, flags);
        if (flags[0] == 1 || flags[1] == 1 || flags[2] == 1 || flags[3] == 1) {
            return 0;
        }
    }
    return 1;
}

int materialBalance(const Game& position) {
    int balance = 0;
    for (int x = 2; x <= 9; ++x) {
        for (int y = 2; y <= 9; ++y) {
            switch (position.getSquare(x, y)) {
            case RedMan: balance -= 2; break;
            case RedKing: balance -= 3; break;
            case BlueMan: balance += 2; break;
            case BlueKing: balance += 3; break;
            default: break;
            }
        }
    }
    return balance;
}

int search(Game& position, int side, int depth, int alpha, int beta, Move& out) {
    if (depth == 0) {
        return position.evaluate();
    }
    if (side == Red) {
        beta = RedLost;
    } else {
        alpha = BlueLost;
    }
    PieceList list;
    listPieces(position, list);
    if (list[halfOf(side)].x == -1 ||
        (sideHasNoStep(position, side) == 1 && sideHasCapture(position, side) == 0)) {
        return side == Red ? RedLost : BlueLost;
    }
    const int capture = sideHasCapture(position, side);
    const int count = position.getCount(side);
    int bestX = 0;
    int bestY = 0;
    int bestSlot = -1;
    for (int i = 0; i < count && i < 12; ++i) {
        const PieceEntry piece = list[halfOf(side) + i];
        DirectionFlags flags;
        if (capture == 1) {
            position.jumpOptions(piece.x, piece.y, flags);
        } else {
            position.stepOptions(piece.x, piece.y, flags);
        }
        for (int slot : {2, 3, 0, 1}) {
            if (flags[slot] != 1) {
                continue;
            }
            UndoRecord undo;
            Move scratch;
            int g;
            if (capture == 1) {
                position.applyJump(piece.x, piece.y, slot, undo);
                const SlotDirection d = slotDirections[slot];
                g = position.canCapture(piece.x + 2 * d.dx, piece.y + 2 * d.dy, side) == 1
                        ? search(position, side, depth, alpha, beta, scratch)
                        : search(position, 1 - side, depth - 1, alpha, beta, scratch);
            } else {
                position.applyStep(piece.x, piece.y, slot, undo);
                g = search(position, 1 - side, depth - 1, alpha, beta, scratch);
            }
            position.undoMove(undo);
            if (side == Blue && g >= alpha) {
                alpha = g;
                bestX = piece.x;
                bestY = piece.y;
                bestSlot = slot;
            } else if (side == Red && g <= beta) {
                beta = g;
                bestX = piece.x;
                bestY = piece.y;
                bestSlot = slot;
            }
            if (alpha >= beta) {
                Game::moveFromSlot(capture, bestSlot, bestX, bestY, out);
                return side == Blue ? alpha : beta;
            }
        }
    }
    if (bestSlot >= 0) {
        Game::moveFromSlot(capture, bestSlot, bestX, bestY, out);
    }
    return side == Blue ? alpha : beta;
}

void expectSameAsPlainSearch(const Game& position, const SearchCall& call, int* value) {
    const Outcome fast = run(position, call, [](Game& p, const SearchCall& c, Move& m) {
        return p.search(c.side, c.depth, c.alpha, c.beta, m);
    });
    const Outcome plain = run(position, call, [](Game& p, const SearchCall& c, Move& m) {
        return search(p, c.side, c.depth, c.alpha, c.beta, m);
    });
    const std::string where = formatDiagram(position) + "side " + std::to_string(call.side) +
                              " depth " + std::to_string(call.depth) + " bounds " +
                              std::to_string(call.alpha) + ".." + std::to_string(call.beta) +
                              " seed " + std::to_string(call.seed);
    ASSERT_EQ(fast.value, plain.value) << where;
    ASSERT_EQ(fast.move, plain.move) << where;
    ASSERT_EQ(fast.leaves, plain.leaves) << where;
    ASSERT_EQ(fast.nextDraw, plain.nextDraw) << where;
    ASSERT_EQ(fast.board, snapshot(position)) << where; // restored, as the plain one must be
    ASSERT_EQ(plain.board, snapshot(position)) << where;
    if (value != nullptr) {
        *value = fast.value;
    }
}

} // namespace reference
