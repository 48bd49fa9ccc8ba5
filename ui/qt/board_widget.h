// The board area of the Linux desktop program: the neutral painting's pixels in memory, each shown
// as a block of whole device pixels at the screen's scale, pressed like the Windows program's
// client area and played from the keyboard. It is also the window layer the turn controller
// draws through, and it tells a screen reader what changed: its accessible name is the board's,
// its description the latest sentences.
#pragma once

#include "ui/board_session.h"

#include <QWidget>

class BoardWidget : public QWidget {
public:
    explicit BoardWidget(QWidget* parent = nullptr);
    ~BoardWidget() override;

    BoardSession& session() { return board; }
    // Paint this square from the board at the next paint, as an invalidated area is on Windows.
    void repaintSquare(int x, int y);
    // A 264x264 picture over the board at once; it stays until that part is next repainted.
    void showResultPicture(int pictureId);
    // After a new game or a command: the whole board repainted, and whose turn it is becomes the
    // board's description.
    void showWholeBoard();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A quick second press comes as a double click, which Qt hands on here as a press.
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // After a press or a key: what it changed becomes the board's description.
    void describeWhatWasTold();
    // The board's scale for the screen the widget is on, and its size: the least whole number of
    // logical pixels that holds the board's device pixels; any left over are a margin.
    void fitToScreen();
    int scale = 1;

    BoardSession board;
};

// A picture embedded in the program, by its resource id.
PixelPicture embeddedPicture(int pictureId);
