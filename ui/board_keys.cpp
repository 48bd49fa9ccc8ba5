#include "ui/board_keys.h"

#include "engine/game.h"
#include "ui/turn_controller.h"
#include "ui/window_layer.h"

#include <algorithm>

namespace {

bool isPieceOfSideToMove(int code) {
    return game.getSideToMove() == Red ? code == RedMan || code == RedKing
                                       : code == BlueMan || code == BlueKing;
}

bool canMove(int x, int y, bool mustCapture) {
    if (mustCapture) {
        return game.canCapture(x, y, game.getSideToMove()) == 1;
    }
    DirectionFlags steps{};
    game.stepOptions(x, y, steps);
    return std::any_of(steps.begin(), steps.end(), [](int flag) { return flag == 1; });
}

// Where the cursor appears: on the selected piece, else on the first piece of the side to move
// that can move (that can capture, when it must), row by row from the top.
std::optional<BoardSquare> startingSquare() {
    if (selectionState == 1) {
        return BoardSquare{currentMove.fromX, currentMove.fromY};
    }
    const bool mustCapture = game.sideHasCapture(game.getSideToMove()) == 1;
    for (int y = FirstPlayingLine; y <= LastPlayingLine; ++y) {
        for (int x = FirstPlayingLine; x <= LastPlayingLine; ++x) {
            if (isPieceOfSideToMove(game.getSquare(x, y)) && canMove(x, y, mustCapture)) {
                return BoardSquare{x, y};
            }
        }
    }
    return std::nullopt;
}

} // namespace

void BoardCursor::key(BoardKey key, bool repeated) {
    switch (key) {
    case BoardKey::Left: return moveBy(-1, 0);
    case BoardKey::Right: return moveBy(1, 0);
    case BoardKey::Up: return moveBy(0, -1);
    case BoardKey::Down: return moveBy(0, 1);
    case BoardKey::Press:
        if (repeated) {
            return;
        }
        if (!shown && gameActive == 1) {
            return show(); // a press where the player cannot see the cursor would surprise
        }
        return handleLeftPress(at.x, at.y);
    case BoardKey::Cancel:
        if (!repeated) {
            handleRightPress();
        }
        return;
    }
}

void BoardCursor::focusedByKeyboard() {
    if (!shown) {
        show();
    }
}

void BoardCursor::pointerPressed() {
    if (shown) {
        shown = false;
        repaint();
    }
}

std::optional<BoardSquare> BoardCursor::frame() const {
    if (!shown || gameActive == 0) {
        return std::nullopt;
    }
    return at;
}

void BoardCursor::show() {
    shown = true;
    at = startingSquare().value_or(at);
    repaint();
    tellCursor();
}

// Its square is repainted only while the board shows: over a result picture a repaint would
// punch a square into it.
void BoardCursor::repaint() const {
    if (gameActive == 1) {
        repaintSquare(at.x, at.y);
    }
}

void BoardCursor::tellCursor() const {
    if (gameActive == 1) {
        boardEvent(BoardEvent::cursor(at.x, at.y, game.getSquare(at.x, at.y)));
    }
}

// One square, stopping at the edges; the first key only shows the cursor where it starts.
void BoardCursor::moveBy(int dx, int dy) {
    if (gameActive == 0) {
        return;
    }
    if (!shown) {
        return show();
    }
    const BoardSquare to{std::clamp(at.x + dx, FirstPlayingLine, LastPlayingLine),
                         std::clamp(at.y + dy, FirstPlayingLine, LastPlayingLine)};
    if (to.x == at.x && to.y == at.y) {
        return;
    }
    repaint();
    at = to;
    repaint();
    tellCursor();
}
