#include "engine/turn_flags.h"

int gameActive = 1;
int selectionState = 0;
int crowned = 0;
