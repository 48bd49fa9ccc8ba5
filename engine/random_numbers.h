// The game's pseudo-random numbers: the additive-feedback generator behind the GNU C library's
// srand and rand, written out here. Every build (the Windows programs too) draws the same numbers
// from a seed, so games repeat anywhere from their seed, and a draw costs a few instructions with
// no lock, which matters at one draw per leaf of the search.
#pragma once

// Starts the sequence srand(seed) starts.
void seedRandom(unsigned seed);

// The next number of the sequence, 0 to 2147483647: what rand() would give.
int drawRandom();
