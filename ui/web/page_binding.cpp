// The game bound to the web page: the functions the game's worker calls (the start, a press, a key,
// the focus, a menu command, the settings dialog's answer, the page's description and the
// dialog's layout) and the window layer the turn controller draws through, onto the board's pixels
// that the page shows. The only C++ that knows of the browser. After each call the worker reads the
// pixels, painted, and what changed in words, for a screen reader.
#include "engine/game.h"
#include "ui/board_session.h"
#include "ui/menu_commands.h"
#include "ui/settings_form.h"
#include "ui/settings_layout.h"
#include "ui/turn_controller.h"
#include "ui/web/embedded_pictures.h"
#include "ui/web/page_description.h"
#include "ui/window_layer.h"

#include <algorithm>
#include <emscripten.h>
#include <set>
#include <vector>

// What the page does for the game, through its worker: its parts of the platform.
EM_JS(void, pageBeep, (), { Module["onBeep"](); });
EM_JS(void, pageQuit, (), { Module["onQuit"](); });
EM_JS(void, pageOpenSettings, (const int* checked, int count), {
    Module["onOpenSettings"](Array.from(HEAP32.subarray(checked >> 2, (checked >> 2) + count)));
});

namespace {

PixelPicture embeddedPicture(int id) {
    for (std::size_t i = 0; i < embeddedPictureCount; ++i) {
        if (embeddedPictures[i].id == id) {
            return decodeBitmap(embeddedPictures[i].bytes, embeddedPictures[i].size);
        }
    }
    return {};
}

// The board the page shows; there is one, made when the page starts.
BoardSession& board() {
    static BoardSession shown(embeddedPicture);
    return shown;
}

// What the page measured of the dialog's font at growing sizes, for its layout.
std::vector<FontMeasure>& fontMeasures() {
    static std::vector<FontMeasure> measures;
    return measures;
}

class PageButtons : public DialogButtons {
public:
    std::set<int> checked;
    void check(int id) override { checked.insert(id); }
    bool isChecked(int id) const override { return checked.count(id) != 0; }
};

class PageMenuActions : public MenuActions {
public:
    void closeWindow() override { pageQuit(); }
    // The dialog is modal on the page too, but the page cannot wait for it: the board is repainted
    // when it is answered instead of when this returns.
    void runSettingsDialog() override {
        PageButtons buttons;
        showSettings(buttons);
        const std::vector<int> checked(buttons.checked.begin(), buttons.checked.end());
        pageOpenSettings(checked.data(), static_cast<int>(checked.size()));
        dialogOpened = true;
    }

    bool dialogOpened = false;
};

} // namespace

extern "C" {

// The board's pixels, brought up to date: BoardPixels rows of BoardPixels, each red, green, blue
// and alpha bytes.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* pagePixels() {
    return board().paint();
}

// As the window's creation: the whole board painted, no move under way.
EMSCRIPTEN_KEEPALIVE void pageStart() {
    currentMove = {0, 0, 0, 0};
    board().showWholeBoard();
}

// A press at board pixel (x, y), each within the board.
EMSCRIPTEN_KEEPALIVE void pageLeftPress(int x, int y) {
    board().leftPress(static_cast<unsigned>(x), static_cast<unsigned>(y), 1);
}

EMSCRIPTEN_KEEPALIVE void pageRightPress() {
    board().rightPress();
}

// A key on the board: `key` is a BoardKey's number, as the page's description gives them.
EMSCRIPTEN_KEEPALIVE void pageKey(int key, int repeated) {
    if (key >= static_cast<int>(BoardKey::Left) && key <= static_cast<int>(BoardKey::Cancel)) {
        board().key(static_cast<BoardKey>(key), repeated != 0);
    }
}

// The keyboard brought the focus to the board.
EMSCRIPTEN_KEEPALIVE void pageBoardFocused() {
    board().focusedByKeyboard();
}

// What changed since the last call, in words; empty when nothing was told.
EMSCRIPTEN_KEEPALIVE const char* pageSentences() {
    static std::string sentences;
    sentences = board().takeTold();
    return sentences.c_str();
}

// Every command repaints the whole board, after the settings dialog once it is answered.
EMSCRIPTEN_KEEPALIVE void pageMenuCommand(int commandId) {
    PageMenuActions actions;
    menuCommand(commandId, actions);
    if (!actions.dialogOpened) {
        board().showWholeBoard();
    }
}

// Where the page writes the ids of the dialog's checked buttons before it answers: room for all.
EMSCRIPTEN_KEEPALIVE int* pageCheckedButtons() {
    static int checked[SettingsControlCount];
    return checked;
}

// The settings dialog's end: OK with the first `count` buttons of pageCheckedButtons checked, or
// not.
EMSCRIPTEN_KEEPALIVE void pageSettingsAnswered(int confirmed, int count) {
    if (confirmed != 0) {
        PageButtons buttons;
        const int* const checked = pageCheckedButtons();
        buttons.checked.insert(checked, checked + std::clamp<int>(count, 0, SettingsControlCount));
        storeSettings(buttons);
    }
    board().showWholeBoard();
}

// The title, the board, its keys, the menu and the dialog, as JSON.
EMSCRIPTEN_KEEPALIVE const char* pageDescription() {
    static const std::string description = describePage();
    return description.c_str();
}

// Where the page writes what it measured of the dialog's font at growing sizes before it asks for
// the dialog's layout: for each, the width of the 52 Latin letters and the height of a line.
EMSCRIPTEN_KEEPALIVE FontMeasure* pageFontMeasures(int count) {
    fontMeasures().assign(static_cast<std::size_t>(std::max(count, 1)), FontMeasure{});
    return fontMeasures().data();
}

// The dialog fitted to a screen `room` pixels wide, in the fonts of pageFontMeasures, each of its
// Tab stops at least `leastTarget` pixels both ways: the index of the font chosen, the dialog's
// client size, then x, y, width and height of each control in order, in pixels.
EMSCRIPTEN_KEEPALIVE const int* pageDialogLayout(int room, int leastTarget) {
    static std::vector<int> layout;
    const FittedDialog fitted = fitDialog(fontMeasures(), room, leastTarget);
    layout = dialogLayout(fitted.base);
    layout.insert(layout.begin(), static_cast<int>(fitted.font));
    return layout.data();
}

} // extern "C"

void soundBeep() {
    pageBeep();
}

void repaintSquare(int x, int y) {
    board().repaintSquare(x, y);
}

void drawWinPicture() {
    board().showPicture(winPictureFile.id);
}

void drawLosePicture() {
    board().showPicture(losePictureFile.id);
}

void boardEvent(const BoardEvent& event) {
    board().tell(event);
}
