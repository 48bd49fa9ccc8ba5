// The driver's commands. Each takes the arguments after its name and returns the exit code:
// 0 done, 1 a fault in play, 2 bad usage or input (reported on stderr).
#pragma once

#include <string>
#include <vector>

using Args = std::vector<std::string>;

int runSearch(const Args& args);
int runPlay(const Args& args);
int runPerft(const Args& args);
int runBench(const Args& args);

extern const char* const searchHelp;
extern const char* const playHelp;
extern const char* const perftHelp;
extern const char* const benchHelp;
