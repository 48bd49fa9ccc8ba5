#include "ui/menu_commands.h"

#include "engine/game.h"

void menuCommand(int commandId, MenuActions& actions) {
    switch (commandId) {
    case IDM_QUIT: actions.closeWindow(); break;
    case IDM_NEW_GAME: game.newGame(); break;
    case IDM_SETTINGS: actions.runSettingsDialog(); break;
    default: break;
    }
}
