#include "ui/qt/main_window.h"

#include "ui/board_view.h"
#include "ui/menu_commands.h"
#include "ui/qt/board_widget.h"
#include "ui/qt/settings_dialog.h"
#include "ui/turn_controller.h"

#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

namespace {

class WindowMenuActions : public MenuActions {
public:
    explicit WindowMenuActions(MainWindow& window) : window(window) {}

    void closeWindow() override { window.close(); }
    void runSettingsDialog() override { window.runSettingsDialog(); }

private:
    MainWindow& window;
};

} // namespace

MainWindow::MainWindow()
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      boardArea(new BoardWidget(this)) {
    setWindowTitle(QString::fromUtf8(GameTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icon/%1").arg(iconFile.id)));
    setCentralWidget(boardArea);
    addMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    currentMove = {0, 0, 0, 0};
    boardArea->setFocus();
}

// The menus in the order the neutral menu lists them; F10 opens the menu bar at its first menu,
// as it does on Windows.
void MainWindow::addMenus() {
    QMenu* menu = nullptr;
    for (std::size_t i = 0; i < MenuEntryCount; ++i) {
        const MenuEntry& entry = menuEntries[i];
        if (opensMenu(i)) {
            menu = menuBar()->addMenu(QString::fromUtf8(entry.menuTitle));
        }
        const int commandId = entry.commandId;
        menu->addAction(QString::fromUtf8(entry.itemText), this,
                        [this, commandId] { runCommand(commandId); });
    }
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().first()); });
}

void MainWindow::runCommand(int commandId) {
    WindowMenuActions actions(*this);
    menuCommand(commandId, actions);
    boardArea->showWholeBoard();
}

// Over the board's top-left corner, as the Windows dialog opens at (0, 0) of the client area.
void MainWindow::runSettingsDialog() {
    SettingsDialog dialog(this);
    dialog.move(boardArea->mapToGlobal(QPoint(0, 0)));
    dialog.exec();
}

void MainWindow::centreOnScreen() {
    adjustSize();
    const QRect desktop = screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(centredPosition(desktop.x(), desktop.width(), outer.width()),
         centredPosition(desktop.y(), desktop.height(), outer.height()));
}
