#include "ui/turn_controller.h"

#include "engine/game.h"
#include "ui/window_layer.h"

Move currentMove{0, 0, 0, 0};
int captureRequired = 0;
int capturedSquareDirty = 0;
int capturedX = 0;
int capturedY = 0;

namespace {

struct SelectionPair {
    int plain;
    int selected;
};

constexpr SelectionPair selectionPairs[] = {
    {RedMan, RedManSelected},
    {BlueMan, BlueManSelected},
    {RedKing, RedKingSelected},
    {BlueKing, BlueKingSelected},
};

bool isPieceOf(int code, int side) {
    return side == Red ? code == RedMan || code == RedKing : code == BlueMan || code == BlueKing;
}

// Whether the piece on a square, shown selected or not, captures in this row direction: a man only
// towards its far row, a king every way.
bool capturesTowards(int code, int dy) {
    switch (code) {
    case RedMan:
    case RedManSelected: return dy == -2;
    case BlueMan:
    case BlueManSelected: return dy == 2;
    case RedKing:
    case BlueKing:
    case RedKingSelected:
    case BlueKingSelected: return true;
    default: return false;
    }
}

void markSelected() {
    const int code = game.getSquare(currentMove.fromX, currentMove.fromY);
    for (const SelectionPair& pair : selectionPairs) {
        if (code == pair.plain) {
            game.setSquare(currentMove.fromX, currentMove.fromY, pair.selected);
        }
    }
}

void unmarkSelected() {
    const int code = game.getSquare(currentMove.fromX, currentMove.fromY);
    for (const SelectionPair& pair : selectionPairs) {
        if (code == pair.selected) {
            game.setSquare(currentMove.fromX, currentMove.fromY, pair.plain);
        }
    }
}

void trySelect() {
    const int side = game.getSideToMove();
    captureRequired = game.sideHasCapture(side);
    const int code = game.getSquare(currentMove.fromX, currentMove.fromY);
    if (!isPieceOf(code, side)) {
        soundBeep();
        return;
    }
    // Captures are compulsory: while the side can capture, only a capturing piece is taken.
    if (captureRequired == 1 && game.canCapture(currentMove.fromX, currentMove.fromY, side) == 0) {
        soundBeep();
        return;
    }
    markSelected();
    selectionState = 1;
}

bool isLegalCapture(int side, int jumpedX, int jumpedY) {
    const int dx = currentMove.toX - currentMove.fromX;
    const int dy = currentMove.toY - currentMove.fromY;
    if (game.getSquare(currentMove.toX, currentMove.toY) != Empty) {
        return false;
    }
    if ((dx != 2 && dx != -2) || (dy != 2 && dy != -2)) {
        return false;
    }
    if (!isPieceOf(game.getSquare(jumpedX, jumpedY), 1 - side)) {
        return false;
    }
    return capturesTowards(game.getSquare(currentMove.fromX, currentMove.fromY), dy);
}

void playCapture() {
    const int side = game.getSideToMove();
    const int jumpedX = currentMove.fromX + (currentMove.toX - currentMove.fromX) / 2;
    const int jumpedY = currentMove.fromY + (currentMove.toY - currentMove.fromY) / 2;
    if (!isLegalCapture(side, jumpedX, jumpedY)) {
        soundBeep();
        unmarkSelected();
        selectionState = 0;
        return;
    }
    unmarkSelected();
    game.makeMove(currentMove);
    game.setSquare(jumpedX, jumpedY, Empty);
    selectionState = 0;
    game.decrementCount(1 - side);
    capturedX = jumpedX;
    capturedY = jumpedY;
    capturedSquareDirty = 1;
    // The side jumps again while the landed piece can capture, unless this capture crowned it.
    if (game.canCapture(currentMove.toX, currentMove.toY, side) == 1 && crowned == 0) {
        return;
    }
    game.switchSide();
}

void playStep() {
    unmarkSelected();
    if (game.isLegalStep(currentMove) == 1) {
        game.makeMove(currentMove);
        game.switchSide();
    } else {
        soundBeep();
    }
    selectionState = 0;
}

void playCurrentMove() {
    if (captureRequired == 1) {
        playCapture();
    } else {
        playStep();
    }
}

void handleClick(int x, int y) {
    if (game.getVsHuman() != 0 || game.getSideToMove() == Red) {
        if (selectionState == 0) {
            currentMove.fromX = x;
            currentMove.fromY = y;
            trySelect();
        } else {
            currentMove.toX = x;
            currentMove.toY = y;
            playCurrentMove();
        }
        return;
    }
    // The computer's turn: its move passes the same checks as a person's, within one press.
    game.chooseComputerMove(currentMove);
    trySelect();
    playCurrentMove();
}

void requestRepaints() {
    repaintSquare(currentMove.fromX, currentMove.fromY);
    if (selectionState == 0) {
        repaintSquare(currentMove.toX, currentMove.toY);
    }
    if (capturedSquareDirty == 1) {
        repaintSquare(capturedX, capturedY);
        capturedSquareDirty = 0;
    }
}

void endGame(void (*drawPicture)()) {
    gameActive = 0;
    drawPicture();
}

} // namespace

// The pictures speak for red in both modes: win when blue has lost, lose when red has.
void checkGameOver() {
    const int side = game.getSideToMove();
    if (game.getCount(Red) == 0) {
        endGame(drawLosePicture);
    } else if (game.getCount(Blue) == 0) {
        endGame(drawWinPicture);
    } else if (side == Blue && selectionState == 0 && game.sideHasNoStep(Blue) == 1 &&
               game.sideHasCapture(Blue) == 0) {
        endGame(drawWinPicture);
    } else if (side == Red && selectionState == 0 && game.sideHasNoStep(Red) == 1 &&
               game.sideHasCapture(Red) == 0) {
        endGame(drawLosePicture);
    }
}

void handleLeftPress(int x, int y) {
    // A window maps every press to 2..9; anything else (a caller without a window) is ignored
    // rather than read off the board's edge.
    if (!isPlayingSquare(x, y)) {
        return;
    }
    checkGameOver();
    if (gameActive == 1) {
        handleClick(x, y);
        requestRepaints();
    }
}

void handleRightPress() {
    if (selectionState == 1) {
        unmarkSelected();
        repaintSquare(currentMove.fromX, currentMove.fromY);
        selectionState = 0;
    }
}
