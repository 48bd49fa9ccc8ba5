// Moves of many pieces at once: for each diagonal slot, the set of squares whose piece can step or
// capture that way. The game's side-wide rules and the search both ask these, so a rule of movement
// is written once for every square.
#pragma once

#include "engine/cell_sets.h"
#include "engine/types.h"

// One set of squares per slot.
struct SlotSets {
    CellSet slot[4];

    CellSet any() const { return slot[0] | slot[1] | slot[2] | slot[3]; }
};

namespace move_sets_detail {

// Slots 0 and 1 lead up, 2 and 3 down: red men use the first two, blue men the last two, kings all.
struct MoversByDirection {
    CellSet up;
    CellSet down;
};

inline MoversByDirection moversByDirection(int side, CellSet movers, CellSet kings) {
    return side == Red ? MoversByDirection{movers, kings} : MoversByDirection{kings, movers};
}

template <int Slot>
CellSet stepsInSlot(CellSet movers, CellSet empty) {
    return movers & cellsFacing<Slot, 1>(empty);
}

template <int Slot>
CellSet jumpsInSlot(CellSet movers, CellSet enemies, CellSet empty) {
    return movers & cellsFacing<Slot, 1>(enemies) & cellsFacing<Slot, 2>(empty);
}

} // namespace move_sets_detail

// Of `movers`, those that can step to an empty neighbour; `kings` are the movers that are kings.
inline SlotSets stepSets(int side, CellSet movers, CellSet kings, CellSet empty) {
    using namespace move_sets_detail;
    const MoversByDirection by = moversByDirection(side, movers, kings);
    return {{stepsInSlot<0>(by.up, empty), stepsInSlot<1>(by.up, empty),
             stepsInSlot<2>(by.down, empty), stepsInSlot<3>(by.down, empty)}};
}

// Of `movers`, those with an enemy piece next to them and an empty square behind it.
inline SlotSets jumpSets(int side, CellSet movers, CellSet kings, CellSet enemies, CellSet empty) {
    using namespace move_sets_detail;
    const MoversByDirection by = moversByDirection(side, movers, kings);
    return {{jumpsInSlot<0>(by.up, enemies, empty), jumpsInSlot<1>(by.up, enemies, empty),
             jumpsInSlot<2>(by.down, enemies, empty), jumpsInSlot<3>(by.down, enemies, empty)}};
}
