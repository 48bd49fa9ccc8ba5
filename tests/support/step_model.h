// What a person can do to the game, one step at a time, and the game's invariants checked after
// every step. The random walk test and the fuzzer drive the real controller, the keyboard's cursor
// and the engine through it, with the recording window layer in place of the window; what the
// window layer is told must agree with what it is asked to draw.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

struct Step {
    enum Kind : std::uint8_t {
        LeftPress,      // on (x, y), any of 0..11 both ways
        RightPress,     //
        NewGame,        // the menu's new-game command
        SettingsOk,     // the dialog confirmed with `settings`
        SettingsCancel, // the dialog opened and cancelled
        Key,            // BoardKey number x on the board, y 1 for a held key's repeat
    };
    Kind kind;
    int x = 0;
    int y = 0;
    // Strength 0..3, men 4/8/12, then red first, red kings, blue kings, vs human as bits 0..3.
    int strength = 0;
    int men = 12;
    int flags = 0;
};

std::string describe(const Step& step);
std::string describe(const std::vector<Step>& steps);

// A step drawn at random. Half the presses go where play can go on (a piece of the side to move,
// or a square a selected piece can reach), so that games get played through, not only refused.
Step randomStep(std::mt19937& random);

// Reads one step from fuzzer bytes, consuming one to three of them; false when none are left.
bool stepFromBytes(const std::uint8_t*& data, std::size_t& size, Step& step);

// The program as it starts: default settings, a new game, nothing selected, the generator seeded.
void startProgram(unsigned seed);

// Carries out the step, then checks every invariant against the state before it. Returns what
// broke, or an empty string.
std::string takeStepAndCheck(const Step& step);

// Starts the program, takes the steps and returns the first broken invariant with its step number.
std::string replay(unsigned seed, const std::vector<Step>& steps);

// A shorter list that still breaks an invariant: steps are removed a chunk at a time, halving the
// chunks, while the failure stays, within the given number of replays.
std::vector<Step> shortestFailing(unsigned seed, std::vector<Step> steps, int replays = 2000);
