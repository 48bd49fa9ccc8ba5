// Depth-limited minimax with alpha-beta cut-offs. Each node prunes only against the bound its
// caller passes for the other side; its own bound starts afresh. Every scored leaf draws one
// number, and the draws steer later cut-offs, so the tree is fixed by its definition: speed comes
// only from doing each node's work on sets of squares instead of square by square, and from not
// doing work whose outcome is already known.
#include "ai/search_position.h"
#include "ai/values.h"
#include "engine/game.h"
#include "engine/move_sets.h"
#include "engine/random_numbers.h"

#include <algorithm>
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

// Calls visit(from, slot) for each open move, in the order of the node's piece list (bit order)
// and then of slotOrder, until visit answers true.
template <typename Visit>
void forEachMove(const SlotSets& open, Visit visit) {
    for (CellSet pieces = open.any(); pieces != 0; pieces &= pieces - 1) {
        const int from = lowestCellIndex(pieces);
        for (unsigned slots = openSlotsInOrder(open, from); slots != 0; slots &= slots - 1) {
            if (visit(from, __builtin_ctz(slots) ^ 2)) {
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

// What the other side can do after a plain move of the side at a node. Its pieces stay where they
// are, so its movers, the squares they would step onto and their count before the move serve every
// move; a move only empties the square it leaves and fills the one it takes.
template <int Side>
struct Replies {
    CellSet targets[4]; // the squares its movers would step onto in each slot, empty or not
    CellSet crownings;  // the squares of its far row its men would step onto

    Replies(CellSet movers, CellSet kings) {
        using namespace move_sets_detail;
        const MoversByDirection by = moversByDirection(Side, movers, kings);
        targets[0] = cellsFacing<3, 1>(by.up); // slot 3 looks the opposite way of slot 0
        targets[1] = cellsFacing<2, 1>(by.up);
        targets[2] = cellsFacing<1, 1>(by.down);
        targets[3] = cellsFacing<0, 1>(by.down);
        const CellSet men = movers & ~kings;
        crownings = (Side == Red ? cellsFacing<3, 1>(men) | cellsFacing<2, 1>(men)
                                 : cellsFacing<1, 1>(men) | cellsFacing<0, 1>(men)) &
                    farRow(Side);
    }

    // Its plain moves onto the empty squares.
    int steps(CellSet empty) const {
        return moveCount(
            {{targets[0] & empty, targets[1] & empty, targets[2] & empty, targets[3] & empty}});
    }

    // How many of its movers would step onto the square.
    int into(int cell) const {
        return static_cast<int>((targets[0] >> cell & 1) + (targets[1] >> cell & 1) +
                                (targets[2] >> cell & 1) + (targets[3] >> cell & 1));
    }

    // Whether it has a capture over `enemies` into `empty`: a target holding an enemy with an
    // empty square behind it in the same slot.
    bool canCapture(CellSet enemies, CellSet empty) const {
        return ((targets[0] & enemies & cellsFacing<0, 1>(empty)) |
                (targets[1] & enemies & cellsFacing<1, 1>(empty)) |
                (targets[2] & enemies & cellsFacing<2, 1>(empty)) |
                (targets[3] & enemies & cellsFacing<3, 1>(empty))) != 0;
    }
};

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
    template <int Side, typename CountLeaves>
    int valueOfEqualLeaves(int balance, int surely, CountLeaves countLeaves, Bounds<Side> bounds);
    template <int Side>
    int valueThreeAboveLeaves(const SearchPosition& position, const SlotSets& open,
                              Bounds<Side> bounds);
    template <int Side>
    int leavesOfFirstReply(const SearchPosition& next) const;
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

// Just above the leaves, plain moves that crown nobody all leave the material as it is, so each
// leaf is worth one of two values, told apart by its jitter alone. Whether and where a cut-off
// comes then depends only on the jitters to come: they are read ahead from the generator, at most
// 32 at a time, and drawn in one go. The outcome is chosen without branches, which the random
// jitters would make unpredictable.
// The number of leaves matters only when they are drawn to the end. When the first leaf cuts off,
// or the first good one does and comes before `surely` (a number of leaves there surely are), as
// many are drawn whatever the number, so `countLeaves` is asked only otherwise.
template <int Side, typename CountLeaves>
int TreeSearch::valueOfEqualLeaves(int balance, int surely, CountLeaves countLeaves,
                                   Bounds<Side> bounds) {
    const int goodJitter = goodJitterFor(Side);
    const int good = balance + jitterSign * goodJitter;
    const int poor = balance + jitterSign * (1 - goodJitter);
    const bool poorCutsOff = bounds.cutsOffAt(poor); // then the first leaf cuts off
    const bool goodCutsOff = bounds.cutsOffAt(good);
    if (poorCutsOff && surely > 0) { // the first leaf cuts off
        return balance + jitterSign * drawParity();
    }
    if (goodCutsOff) {
        const std::uint32_t jitters = upcomingParities(32);
        const std::uint32_t goodLeaves = goodJitter == 1 ? jitters : ~jitters;
        const int firstGood = goodLeaves == 0 ? 32 : __builtin_ctz(goodLeaves); // 32: none seen
        if (firstGood < std::min(surely, 32)) {
            skipRandom(firstGood + 1);
            return good;
        }
    }
    const int leafCount = countLeaves();
    if (leafCount == 0) {
        return lossValue(Side); // no move at all
    }
    bool anyGood = false;
    for (int left = leafCount;;) {
        const int ahead = std::min(left, 32);
        const std::uint32_t jitters = upcomingParities(ahead);
        const std::uint32_t goodLeaves = (goodJitter == 1 ? jitters : ~jitters) &
                                         static_cast<std::uint32_t>((1ULL << ahead) - 1);
        const bool cut = poorCutsOff || (goodCutsOff && goodLeaves != 0);
        const int firstGood = __builtin_ctz(goodLeaves | 0x80000000U);
        const int drawn = poorCutsOff ? 1 : cut ? firstGood + 1 : ahead;
        skipRandom(drawn);
        anyGood = anyGood || goodLeaves != 0;
        left -= ahead;
        if (cut || left == 0) {
            const int firstLeaf = balance + jitterSign * static_cast<int>(jitters & 1);
            return poorCutsOff ? firstLeaf : anyGood ? good : poor;
        }
    }
}

// Two above the leaves, the replies to each plain move are mostly leaves of equal material, and
// then only their number counts: the replies before the move, plus those onto the square it
// leaves, minus those onto the square it takes. The reply node is visited only when it captures
// or may crown.
template <int Side>
int TreeSearch::valueOfRepliesToSteps(const SearchPosition& position, const SlotSets& open,
                                      Bounds<Side> bounds) {
    constexpr int Other = 1 - Side;
    const CellSet pieces = position.pieces(Other);
    const CellSet movers = countMayLimit[Other] ? firstCells(pieces, listed[Other]) : pieces;
    const Replies<Other> replies(movers, movers & position.kings[Other]);
    const int steps = replies.steps(position.empty); // before the move
    const int goodJitter = goodJitterFor(Other);
    forEachMoveBySlot(open, [&](int from, auto slotTag) {
        constexpr int slot = decltype(slotTag)::value;
        const int to = cellIndexTowards(from, slot, 1);
        const CellSet moved = CellSet{1} << from | CellSet{1} << to;
        const CellSet empty = position.empty ^ moved;
        const int balance = position.balance + stepCrowningGain(position, Side, from, slot);
        const bool captures = replies.canCapture(position.pieces(Side) ^ moved, empty);
        // Captures gain the replies at least two points, more than a jitter can take away. So when
        // a good leaf of theirs cuts off, the first leaf after captures does, and it is the only
        // one drawn: the move leaves the bounds as they are. (With a shorter piece list, a
        // capturing piece may leave the list and its chain end in a loss.)
        if (captures && !countMayLimit[Other] &&
            Bounds<Other>(bounds.alpha, bounds.beta).cutsOffAt(balance + jitterSign * goodJitter)) {
            skipRandom(1);
            return false;
        }
        int moveValue;
        if (captures || (replies.crownings & empty) != 0) {
            moveValue =
                valueAfterMove<Side>(position, 2, bounds.alpha, bounds.beta, from, slot, false);
        } else {
            // A move takes away at most the four replies onto the square it takes.
            moveValue = valueOfEqualLeaves(
                balance, steps - 4, [&] { return steps + replies.into(from) - replies.into(to); },
                Bounds<Other>(bounds.alpha, bounds.beta));
        }
        bounds.take(moveValue);
        return bounds.cutOff();
    });
    return bounds.own();
}

// Three above the leaves, once the side's bound is as good as a good leaf of its own, most plain
// moves end after the reply's first move. When the reply has no capture, and its first move leaves
// the side neither a capture nor a crowning, the side's answers are leaves of equal material. All
// of them are drawn, since the reply has no bound of its own yet, and whatever they come to is no
// better for the side than its bound: the reply cuts off there, and the side's bound stays as it
// is. So only their number counts, and the reply's node is not built. Any other move is visited.
template <int Side>
int TreeSearch::valueThreeAboveLeaves(const SearchPosition& position, const SlotSets& open,
                                      Bounds<Side> bounds) {
    constexpr int Other = 1 - Side;
    const int goodJitter = goodJitterFor(Side);
    // With a shorter piece list, the moves counted would not all be the listed pieces' moves.
    const bool listsAll = !countMayLimit[Blue] && !countMayLimit[Red];
    forEachMove(open, [&](int from, int slot) {
        const SearchPosition next = positionAfterMove(position, Side, from, slot, 1);
        // A first reply that crowns only makes the leaves worse for the side.
        if (listsAll && bounds.holds(next.balance + jitterSign * goodJitter)) {
            const int drawn = leavesOfFirstReply<Side>(next);
            if (drawn > 0) {
                skipRandom(drawn);
                return false;
            }
        }
        bounds.take(value<Other>(next, 2, bounds.alpha, bounds.beta));
        return bounds.cutOff();
    });
    return bounds.own();
}

// For valueThreeAboveLeaves: the number of the side's answers to the reply's first move, in the
// position after the side's step, or 0 when the move must be visited.
template <int Side>
int TreeSearch::leavesOfFirstReply(const SearchPosition& next) const {
    constexpr int Other = 1 - Side;
    const CellSet replying = next.pieces(Other);
    if (jumpSets(Other, replying, next.kings[Other], next.pieces(Side), next.empty).any() != 0) {
        return 0;
    }
    const SlotSets steps = stepSets(Other, replying, next.kings[Other], next.empty);
    const CellSet movers = steps.any();
    if (movers == 0) {
        return 0;
    }
    const int replyFrom = lowestCellIndex(movers);
    const int replySlot = __builtin_ctz(openSlotsInOrder(steps, replyFrom)) ^ 2;
    const CellSet moved =
        CellSet{1} << replyFrom | CellSet{1} << cellIndexTowards(replyFrom, replySlot, 1);
    const CellSet empty = next.empty ^ moved;
    const CellSet own = next.pieces(Side);
    const Replies<Side> answers(own, next.kings[Side]);
    if (answers.canCapture(replying ^ moved, empty) || (answers.crownings & empty) != 0) {
        return 0;
    }
    return answers.steps(empty); // 0 when the side has no move: a loss, visited
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
