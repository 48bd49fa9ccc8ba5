// Depth-limited minimax with alpha-beta cut-offs. Each node prunes only against the bound its
// caller passes for the other side; its own bound starts afresh. Every scored leaf draws one
// number, and the draws steer later cut-offs, so the tree is fixed by its definition.
//
// What it must equal: the plain search of tests/support/reference.cpp, which makes and takes back
// each move on the board square by square. For every position, side, depth and window both give
// the same value, the same move, the same number of leaves and the same numbers drawn. Three
// things guard that: the differential test (search_differential_test.cpp, the two searches on
// positions from seeded games; `ctest --preset full` runs the whole corpus), the agreement test
// (agreement_test.cpp, on random boards), and `yorunami-cli bench`, whose signature, a hash of
// every move, value and leaf count on its positions, must not change.
//
// Speed comes from doing each node's work on sets of squares instead of square by square, on a
// copy of the position instead of the board, and from not doing work whose outcome is known. Below
// the root, these shortcuts stand in for nodes (the root takes none, so its move is never changed):
//
//   shortcut               where it applies                  why value, leaves and draws hold
//   ---------------------  --------------------------------  -----------------------------------
//   a leaf in the loop     one above the leaves; a capture   a leaf is its balance and one draw:
//                          that ends its chain there         no node is built for it
//   a step scored as a     one above the leaves, plain       the same leaf, its balance with the
//     leaf in the loop     moves of which one may crown      gain of the man crowned by the step
//   valueOfEqualLeaves     one above the leaves, plain       the leaves differ only by their
//                          moves that crown nobody           draws: the parities ahead tell
//                                                            where it cuts off and how many are
//                                                            drawn
//   valueOfRepliesToSteps  two above the leaves, plain       a reply that neither captures nor
//                          moves                             crowns has leaves of equal material:
//                                                            only their number counts
//     a capturing reply    ... when a good leaf of the       its capture gains more than a
//                          reply would cut off               jitter, so its first leaf cuts off
//   valueThreeAboveLeaves  three above the leaves, plain     the reply's first move draws all of
//                          moves, the side's bound as good   the side's leaves and cuts off:
//                          as a good leaf of its own         they are only counted, the bound
//                                                            stays
//
// The last three live in leaf_counting.inc. Where a piece list is shorter than the pieces on the
// board (never in a game), they count only listed pieces' moves, or leave the node to be visited.
#include "ai/search_position.h"
#include "ai/values.h"
#include "engine/game.h"
#include "engine/move_sets.h"
#include "engine/random_numbers.h"

#include <algorithm>
#include <optional>
#include <type_traits>

namespace {

// Blue's men move towards larger y, so the downward slots come first.
constexpr int slotOrder[4] = {2, 3, 0, 1};

// The row from which a side's men step onto their far row: the row before it, y = 3 for red and
// y = 8 for blue.
constexpr CellSet rowBeforeCrowning(int side) {
    return side == Red ? farRow(Red) << 1 : farRow(Blue) >> 1;
}

// The open slots of the piece on `from` as bits in slotOrder's order: bit k for slotOrder[k],
// which is slot k ^ 2. Written out, so that no loop or table stands between the sets and the bits.
inline unsigned openSlotsInOrder(const SlotSets& open, int from) {
    static_assert(slotOrder[0] == 2 && slotOrder[1] == 3 && slotOrder[2] == 0 && slotOrder[3] == 1);
    return static_cast<unsigned>((open.slot[2] >> from & 1) | (open.slot[3] >> from & 1) << 1 |
                                 (open.slot[0] >> from & 1) << 2 | (open.slot[1] >> from & 1) << 3);
}

// The first slot of openSlotsInOrder's bits (not 0).
inline int firstSlotInOrder(unsigned slots) {
    return __builtin_ctz(slots) ^ 2;
}

struct PieceMove {
    int from; // the piece's bit index
    int slot;
};

// The move a node tries first: its first piece in bit order, in its first slot in slotOrder.
inline PieceMove firstMove(const SlotSets& open) {
    const int from = lowestCellIndex(open.any());
    return {from, firstSlotInOrder(openSlotsInOrder(open, from))};
}

// Calls visit(from, slot) for each open move, in the order of the node's piece list (bit order)
// and then of slotOrder, until visit answers true.
template <typename Visit>
void forEachMove(const SlotSets& open, Visit visit) {
    for (CellSet pieces = open.any(); pieces != 0; pieces &= pieces - 1) {
        const int from = lowestCellIndex(pieces);
        for (unsigned slots = openSlotsInOrder(open, from); slots != 0; slots &= slots - 1) {
            if (visit(from, firstSlotInOrder(slots))) {
                return;
            }
        }
    }
}

// As forEachMove, with the slot a constant: visit(from, std::integral_constant<int, slot>{}). The
// loop over replies then finds the square a step takes by a fixed shift, which saves about a
// twentieth of the search's time; the larger loops of other nodes, copied four times, run slower.
template <typename Visit>
void forEachMoveBySlot(const SlotSets& open, Visit visit) {
    for (CellSet pieces = open.any(); pieces != 0; pieces &= pieces - 1) {
        const int from = lowestCellIndex(pieces);
        const auto tries = [&](auto slot) {
            return (open.slot[slot] >> from & 1) != 0 && visit(from, slot);
        };
        if (tries(std::integral_constant<int, slotOrder[0]>{}) ||
            tries(std::integral_constant<int, slotOrder[1]>{}) ||
            tries(std::integral_constant<int, slotOrder[2]>{}) ||
            tries(std::integral_constant<int, slotOrder[3]>{})) {
            return;
        }
    }
}

// The moves of all slots: the per-byte counts of the four sets (at most 32 a byte) are added
// before they are summed.
inline int moveCount(const SlotSets& open) {
    const CellSet counts = byteCounts(open.slot[0]) + byteCounts(open.slot[1]) +
                           byteCounts(open.slot[2]) + byteCounts(open.slot[3]);
    return sumOfByteCounts(counts);
}

// The bounds of a node. Blue raises alpha and red lowers beta; the node's own bound starts afresh
// at its side's loss, the other is the caller's.
template <int Side>
struct Bounds {
    int alpha;
    int beta;

    Bounds(int callerAlpha, int callerBeta)
        : alpha(Side == Blue ? BlueLost : callerAlpha), beta(Side == Red ? RedLost : callerBeta) {}

    int& own() { return Side == Blue ? alpha : beta; }
    // Keeps a value at least as good for the side: >= and <=, so of equal values the last counts.
    bool takes(int value) const { return Side == Blue ? value >= alpha : value <= beta; }
    void take(int value) { own() = Side == Blue ? std::max(alpha, value) : std::min(beta, value); }
    bool cutOff() const { return alpha >= beta; }
    // Whether the side's own bound is already at least as good as the value.
    bool holds(int value) const { return Side == Blue ? alpha >= value : beta <= value; }
    // Whether taking the value would cut off: nothing taken before did.
    bool cutsOffAt(int value) const { return Side == Blue ? value >= beta : value <= alpha; }
};

// A node's moves: its captures when it has one, else its plain moves.
struct NodeMoves {
    bool capture;
    SlotSets open;
};

// Whether one of the plain moves takes a man onto its far row.
template <int Side>
bool mayCrown(const SearchPosition& position, const NodeMoves& moves) {
    const int menSlots = Side == Red ? 0 : 2;
    return ((moves.open.slot[menSlots] | moves.open.slot[menSlots + 1]) & position.men[Side] &
            rowBeforeCrowning(Side)) != 0;
}

// What the root keeps: its best move (its piece's bit index and slot) and whether it captures.
struct RootChoice {
    int from = 0;
    int slot = -1;
    int captureRequired = 0;
};

// What stays the same through one search: which way the leaves lean and how many pieces of each
// side the piece list of a node holds. Every leaf scored draws one number and nothing else draws,
// so the leaves are counted by the generator. The side at a node is a template argument, so each
// side's nodes are compiled with its own directions and bounds.
class TreeSearch {
public:
    TreeSearch(const Game& game, const SearchPosition& start);

    // A node's value; the root (AtRoot) also fills in its choice.
    template <int Side, bool AtRoot = false>
    int value(const SearchPosition& position, int depth, int alpha, int beta,
              RootChoice* choice = nullptr);

private:
    // The shortcuts of leaf_counting.inc.
    template <int Side, typename CountLeaves>
    int valueOfEqualLeaves(int balance, int leavesAtLeast, CountLeaves countLeaves,
                           Bounds<Side> bounds);
    template <int Side>
    int valueThreeAboveLeaves(const SearchPosition& position, const SlotSets& open,
                              Bounds<Side> bounds);
    template <int Side>
    std::optional<int> leavesAfterFirstReply(const SearchPosition& next) const;
    template <int Side>
    int valueOfRepliesToSteps(const SearchPosition& position, const SlotSets& open,
                              Bounds<Side> bounds);

    // The three below are forced inline: called from a node's loop, they would otherwise pass the
    // position and bounds through memory at every move (about a fifth of the search's time).
    template <int Side>
    int valueAfterMove(const SearchPosition& position, int depth, int alpha, int beta, int from,
                       int slot, bool capture);
    template <int Side>
    bool findMoves(const SearchPosition& position, NodeMoves& moves) const;
    int scoreLeaf(int balance);
    // The jitter that makes a leaf better for the side: 1 when it leans the side's way.
    int goodJitterFor(int side) const { return (side == Blue) == (jitterSign > 0) ? 1 : 0; }

    int jitterSign;
    int listed[2];         // the count, at most the 12 entries of a half
    bool countMayLimit[2]; // fewer listed than on the board: never so in a game
};

TreeSearch::TreeSearch(const Game& game, const SearchPosition& start)
    : jitterSign(jitteredValue(0, game.getSideToMove(), 1)) {
    for (int side : {Blue, Red}) {
        listed[side] = std::min(game.getCount(side), PiecesPerSide);
        // Pieces only leave the board during a search, so a count that covers them at the root
        // covers them at every node.
        countMayLimit[side] = listed[side] < cellCount(start.pieces(side));
    }
}

// The jitter leans towards the side whose turn it is in the game, not the side at the node.
[[gnu::always_inline]] inline int TreeSearch::scoreLeaf(int balance) {
    return balance + jitterSign * drawParity();
}

// False when the side has lost: its half of the piece list is blank, or its listed pieces
// (its first `count` in scan order, which is bit order) have neither a capture nor a plain move.
template <int Side>
[[gnu::always_inline]] inline bool TreeSearch::findMoves(const SearchPosition& position,
                                                         NodeMoves& moves) const {
    const CellSet pieces = position.pieces(Side);
    if (pieces == 0) {
        return false;
    }
    const CellSet movers = countMayLimit[Side] ? firstCells(pieces, listed[Side]) : pieces;
    const CellSet kings = movers & position.kings[Side];
    moves.open = jumpSets(Side, movers, kings, position.pieces(1 - Side), position.empty);
    moves.capture = moves.open.any() != 0;
    if (!moves.capture) {
        moves.open = stepSets(Side, movers, kings, position.empty);
    }
    return moves.open.any() != 0;
}

template <int Side, bool AtRoot>
int TreeSearch::value(const SearchPosition& position, int depth, int alpha, int beta,
                      RootChoice* choice) {
    // The depth test comes first: a leaf is scored by material even when its side has lost.
    if (depth == 0) {
        return scoreLeaf(position.balance);
    }
    Bounds<Side> bounds(alpha, beta);
    NodeMoves moves;
    if (!findMoves<Side>(position, moves)) {
        return lossValue(Side);
    }
    if constexpr (AtRoot) {
        choice->captureRequired = moves.capture ? 1 : 0;
    }
    // Below the root, only the values of the leaves count, not which move they follow.
    const bool leavesNext = !AtRoot && depth == 1 && !moves.capture;
    if (leavesNext && !mayCrown<Side>(position, moves)) {
        // The side has a move, or it would have lost.
        return valueOfEqualLeaves(
            position.balance, 1, [&] { return moveCount(moves.open); }, bounds);
    }
    if (!AtRoot && depth == 2 && !moves.capture) {
        return valueOfRepliesToSteps(position, moves.open, bounds);
    }
    if (!AtRoot && depth == 3 && !moves.capture) {
        return valueThreeAboveLeaves(position, moves.open, bounds);
    }
    forEachMove(moves.open, [&](int from, int slot) {
        const int moveValue =
            leavesNext ? scoreLeaf(position.balance + stepCrowningGain(position, Side, from, slot))
                       : valueAfterMove<Side>(position, depth, bounds.alpha, bounds.beta, from,
                                              slot, moves.capture);
        if constexpr (AtRoot) {
            if (bounds.takes(moveValue)) { // of equally valued moves the one tried last is kept
                choice->from = from;
                choice->slot = slot;
            }
        }
        bounds.take(moveValue);
        return bounds.cutOff();
    });
    return bounds.own();
}

// After a capture from whose landing square the same side can capture again, that side moves
// again at the same depth, also when the jump crowned the man.
template <int Side>
[[gnu::always_inline]] inline int TreeSearch::valueAfterMove(const SearchPosition& position,
                                                             int depth, int alpha, int beta,
                                                             int from, int slot, bool capture) {
    const bool again = capture && capturesAgain(position, Side, from, slot);
    if (capture && !again && depth == 1) {
        return scoreLeaf(balanceAfterCapture(position, Side, from, slot)); // a leaf at once
    }
    const SearchPosition next = positionAfterMove(position, Side, from, slot, capture ? 2 : 1);
    return again ? value<Side>(next, depth, alpha, beta)
                 : value<1 - Side>(next, depth - 1, alpha, beta);
}

// The nodes near the leaves whose leaves are counted instead of visited.
#include "ai/leaf_counting.inc"

} // namespace

// Callers pass Red or Blue for the side.
int Game::search(int side, int depth, int alpha, int beta, Move& out) {
    const SearchPosition start = searchPositionOf(*this);
    const std::uint64_t drawnBefore = numbersDrawn();
    TreeSearch tree(*this, start);
    RootChoice choice;
    const int result = side == Blue ? tree.value<Blue, true>(start, depth, alpha, beta, &choice)
                                    : tree.value<Red, true>(start, depth, alpha, beta, &choice);
    if (choice.slot >= 0) {
        moveFromSlot(choice.captureRequired, choice.slot, cellX(choice.from), cellY(choice.from),
                     out);
    }
    leafCount += static_cast<long long>(numbersDrawn() - drawnBefore);
    return result;
}
