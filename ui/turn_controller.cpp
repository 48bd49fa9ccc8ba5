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

// A press that plays nothing: the beep, and the same said.
void reject() {
    soundBeep();
    boardEvent(BoardEvent::rejected());
}

int plainCode(int code) {
    for (const SelectionPair& pair : selectionPairs) {
        if (code == pair.selected) {
            return pair.plain;
        }
    }
    return code;
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
    game.setSquare(currentMove.fromX, currentMove.fromY, plainCode(code));
}

void trySelect() {
    const int side = game.getSideToMove();
    captureRequired = game.sideHasCapture(side);
    const int code = game.getSquare(currentMove.fromX, currentMove.fromY);
    if (!isPieceOf(code, side)) {
        reject();
        return;
    }
    // Captures are compulsory: while the side can capture, only a capturing piece is taken.
    if (captureRequired == 1 && game.canCapture(currentMove.fromX, currentMove.fromY, side) == 0) {
        reject();
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

// The move just made, as it is told: the piece that moved, what it took, its crowning, and whose
// turn it is now.
void tellMove(int piece, int takenX, int takenY, int taken, bool again) {
    boardEvent(BoardEvent::moved(currentMove, piece));
    if (taken != Empty) {
        boardEvent(BoardEvent::captured(takenX, takenY, taken));
    }
    if (crowned == 1) {
        boardEvent(BoardEvent::crowned(currentMove.toX, currentMove.toY));
    }
    boardEvent(currentTurn(again));
}

// Each returns whether the move was made.
bool playCapture() {
    const int side = game.getSideToMove();
    const int jumpedX = currentMove.fromX + (currentMove.toX - currentMove.fromX) / 2;
    const int jumpedY = currentMove.fromY + (currentMove.toY - currentMove.fromY) / 2;
    if (!isLegalCapture(side, jumpedX, jumpedY)) {
        reject();
        unmarkSelected();
        selectionState = 0;
        return false;
    }
    unmarkSelected();
    const int piece = game.getSquare(currentMove.fromX, currentMove.fromY);
    const int taken = game.getSquare(jumpedX, jumpedY);
    game.makeMove(currentMove);
    game.setSquare(jumpedX, jumpedY, Empty);
    selectionState = 0;
    game.decrementCount(1 - side);
    capturedX = jumpedX;
    capturedY = jumpedY;
    capturedSquareDirty = 1;
    // The side jumps again while the landed piece can capture, unless this capture crowned it.
    const bool again = game.canCapture(currentMove.toX, currentMove.toY, side) == 1 && crowned == 0;
    if (!again) {
        game.switchSide();
    }
    tellMove(piece, jumpedX, jumpedY, taken, again);
    return true;
}

bool playStep() {
    unmarkSelected();
    selectionState = 0;
    if (game.isLegalStep(currentMove) != 1) {
        reject();
        return false;
    }
    const int piece = game.getSquare(currentMove.fromX, currentMove.fromY);
    game.makeMove(currentMove);
    game.switchSide();
    tellMove(piece, 0, 0, Empty, false);
    return true;
}

bool playCurrentMove() {
    return captureRequired == 1 ? playCapture() : playStep();
}

void handleClick(int x, int y) {
    if (game.getVsHuman() != 0 || game.getSideToMove() == Red) {
        const int piece = plainCode(game.getSquare(currentMove.fromX, currentMove.fromY));
        if (selectionState == 0) {
            currentMove.fromX = x;
            currentMove.fromY = y;
            trySelect();
            if (selectionState == 1) {
                boardEvent(BoardEvent::selected(x, y, plainCode(game.getSquare(x, y))));
            }
        } else {
            currentMove.toX = x;
            currentMove.toY = y;
            if (!playCurrentMove()) {
                boardEvent(BoardEvent::letGo(currentMove.fromX, currentMove.fromY, piece));
            }
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

} // namespace

// The pictures speak for red in both modes: won when blue has lost, lost when red has. The four
// conditions in the order they are tested.
GameResult gameResult() {
    const int side = game.getSideToMove();
    if (game.getCount(Red) == 0) {
        return GameResult::Lost;
    }
    if (game.getCount(Blue) == 0) {
        return GameResult::Won;
    }
    if (side == Blue && selectionState == 0 && game.sideHasNoStep(Blue) == 1 &&
        game.sideHasCapture(Blue) == 0) {
        return GameResult::Won;
    }
    if (side == Red && selectionState == 0 && game.sideHasNoStep(Red) == 1 &&
        game.sideHasCapture(Red) == 0) {
        return GameResult::Lost;
    }
    return GameResult::Open;
}

BoardEvent currentTurn(bool again) {
    return BoardEvent::turn(game.getSideToMove(), again, gameResult() != GameResult::Open);
}

void checkGameOver() {
    const GameResult result = gameResult();
    if (result == GameResult::Open) {
        return;
    }
    gameActive = 0;
    (result == GameResult::Won ? drawWinPicture : drawLosePicture)();
    boardEvent(BoardEvent::result(result == GameResult::Won));
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
        boardEvent(BoardEvent::letGo(currentMove.fromX, currentMove.fromY,
                                     game.getSquare(currentMove.fromX, currentMove.fromY)));
    }
}
