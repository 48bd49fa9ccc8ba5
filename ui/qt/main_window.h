// The Linux desktop program's main window: the title, the menu bar and the board area below it,
// nothing else, at a fixed size, centred on the screen when it opens.
#pragma once

#include <QMainWindow>

class BoardWidget;

class MainWindow : public QMainWindow {
public:
    MainWindow();

    BoardWidget& board() const { return *boardArea; }
    // Carries out a menu command, then repaints the whole board, whatever the command did.
    void runCommand(int commandId);
    // Modal: returns when the dialog has ended.
    void runSettingsDialog();
    void centreOnScreen();

private:
    void addMenus();

    BoardWidget* boardArea;
};
