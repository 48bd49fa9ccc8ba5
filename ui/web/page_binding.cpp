// The game bound to the web page: the functions the page's script calls (the start, a press, a
// key, a menu command, the settings dialog's answer, the description of the menu and the dialog)
// and the window layer the turn controller draws through, onto the board's pixels that the page
// shows. The only C++ that knows of the browser; each function leaves the pixels painted, for the
// page to show, and what changed in words, for a screen reader.
#include "engine/game.h"
#include "ui/board_keys.h"
#include "ui/board_words.h"
#include "ui/menu_commands.h"
#include "ui/pixel_screen.h"
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

// What the page's script does for the game: its parts of the platform.
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
PixelScreen& screen() {
    static PixelScreen board = [] {
        std::array<PixelPicture, SquarePictureCount> squares;
        for (int code = 0; code < SquarePictureCount; ++code) {
            squares[static_cast<std::size_t>(code)] = embeddedPicture(squarePictureFiles[code].id);
        }
        return PixelScreen(squares);
    }();
    return board;
}

BoardCursor& cursor() {
    static BoardCursor keys;
    return keys;
}

BoardTelling& telling() {
    static BoardTelling told;
    return told;
}

// What the page shows, brought up to date.
void paintBoard() {
    screen().paintStale(cursor().frame());
}

// After the start and every command: the whole board painted anew, and whose turn it is told.
void showWholeBoard() {
    screen().markAllStale();
    paintBoard();
    telling().add(currentTurn());
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

// The board's pixels: BoardPixels rows of BoardPixels, each red, green, blue and alpha bytes.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* pagePixels() {
    return screen().pixels();
}

// As the window's creation: the whole board painted, no move under way.
EMSCRIPTEN_KEEPALIVE void pageStart() {
    currentMove = {0, 0, 0, 0};
    showWholeBoard();
}

// A press at board pixel (x, y), each within the board.
EMSCRIPTEN_KEEPALIVE void pageLeftPress(int x, int y) {
    cursor().pointerPressed();
    const BoardSquare square = squareAtPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
    handleLeftPress(square.x, square.y);
    paintBoard();
}

EMSCRIPTEN_KEEPALIVE void pageRightPress() {
    cursor().pointerPressed();
    handleRightPress();
    paintBoard();
}

// A key on the board: `key` is a BoardKey's number (left, right, up, down, press, cancel).
EMSCRIPTEN_KEEPALIVE void pageKey(int key, int repeated) {
    if (key >= static_cast<int>(BoardKey::Left) && key <= static_cast<int>(BoardKey::Cancel)) {
        cursor().key(static_cast<BoardKey>(key), repeated != 0);
    }
    paintBoard();
}

// The keyboard brought the focus to the board.
EMSCRIPTEN_KEEPALIVE void pageBoardFocused() {
    cursor().focusedByKeyboard();
    paintBoard();
}

// What changed since the last call, in words; empty when nothing was told.
EMSCRIPTEN_KEEPALIVE const char* pageSentences() {
    static std::string sentences;
    sentences = telling().take();
    return sentences.c_str();
}

// Every command repaints the whole board, after the settings dialog once it is answered.
EMSCRIPTEN_KEEPALIVE void pageMenuCommand(int commandId) {
    PageMenuActions actions;
    menuCommand(commandId, actions);
    if (!actions.dialogOpened) {
        showWholeBoard();
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
        buttons.checked.insert(checked, checked + std::min<int>(count, SettingsControlCount));
        storeSettings(buttons);
    }
    showWholeBoard();
}

// The title, the menu and the dialog, as JSON.
EMSCRIPTEN_KEEPALIVE const char* pageDescription() {
    static const std::string description = describePage();
    return description.c_str();
}

// The dialog's client size and each control's place in pixels, for a font whose 52 Latin letters
// are `alphabetWidth` pixels wide and whose lines are `lineHeight` high: width, height, then x, y,
// width and height of each control in order.
EMSCRIPTEN_KEEPALIVE const int* pageDialogLayout(int alphabetWidth, int lineHeight) {
    static std::vector<int> layout;
    layout = dialogLayout(baseUnitsFor(alphabetWidth, lineHeight));
    return layout.data();
}

} // extern "C"

void soundBeep() {
    pageBeep();
}

void repaintSquare(int x, int y) {
    screen().markStale(cellOfSquare(x, y));
}

void drawWinPicture() {
    screen().drawOver(embeddedPicture(winPictureFile.id));
}

void drawLosePicture() {
    screen().drawOver(embeddedPicture(losePictureFile.id));
}

void boardEvent(const BoardEvent& event) {
    telling().add(event);
}
