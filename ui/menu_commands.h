// The menu's commands: a new game, the settings dialog, and quitting; and the menu that offers
// them.
#pragma once

#include "ui/resource.h"

#include <cstddef>
#include <iterator>
#include <string_view>

struct MenuEntry {
    const char* menuTitle; // UTF-8, the pop-up menu on the menu bar
    const char* itemText;
    int commandId;
};

// The menu bar, pop-up menus in order and their items top to bottom: ファイル with 始めから and
// 終了, then 設定 with 設定. Every front end builds its menu from this, the Windows resource
// script too.
inline constexpr MenuEntry menuEntries[] = {
    {"ファイル", "始めから", IDM_NEW_GAME},
    {"ファイル", "終了", IDM_QUIT},
    {"設定", "設定", IDM_SETTINGS},
};
constexpr std::size_t MenuEntryCount = std::size(menuEntries);

// Whether menuEntries[i] opens a pop-up menu: each run of entries with one title is one menu.
constexpr bool opensMenu(std::size_t i) {
    return i == 0 || std::string_view(menuEntries[i].menuTitle) != menuEntries[i - 1].menuTitle;
}

// What a command needs of the window it came from.
class MenuActions {
public:
    virtual ~MenuActions() = default;
    virtual void closeWindow() = 0;       // ask the main window to close, which ends the program
    virtual void runSettingsDialog() = 0; // modal: returns when the dialog has ended
};

// Carries out one command; any id but the three menu commands does nothing. The window repaints
// the whole board afterwards, whatever happened.
void menuCommand(int commandId, MenuActions& actions);
