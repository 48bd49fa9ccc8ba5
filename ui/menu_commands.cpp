#include "ui/menu_commands.h"

#include "engine/game.h"
#include "ui/resource.h"

const MenuEntry menuEntries[MenuEntryCount] = {
    {"ファイル", "始めから", IDM_NEW_GAME},
    {"ファイル", "終了", IDM_QUIT},
    {"設定", "設定", IDM_SETTINGS},
};

void menuCommand(int commandId, MenuActions& actions) {
    switch (commandId) {
    case IDM_QUIT: actions.closeWindow(); break;
    case IDM_NEW_GAME: game.newGame(); break;
    case IDM_SETTINGS: actions.runSettingsDialog(); break;
    default: break;
    }
}
