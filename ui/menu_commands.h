// The menu's commands: a new game, the settings dialog, and quitting.
#pragma once

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
