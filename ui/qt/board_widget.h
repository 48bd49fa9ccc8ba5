// The board area of the Linux desktop program: 264x264 pixels, painted by the neutral painting,
// pressed like the Windows program's client area. It is also the window layer the turn controller
// draws through.
#pragma once

#include "ui/board_view.h"

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <array>

class BoardWidget : public QWidget {
public:
    explicit BoardWidget(QWidget* parent = nullptr);
    ~BoardWidget() override;

    // Paint these from the board at the next paint, as an invalidated area is on Windows.
    void repaintCell(const PixelRect& cell);
    void repaintWhole();
    // A 264x264 picture over the board at once; it stays until that part is next repainted.
    void showResultPicture(int pictureId);

protected:
    void paintEvent(QPaintEvent* event) override;
    // A quick second press comes as a double click, which Qt hands on here as a press.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintStaleBoard();

    // What the board area shows: the board as painted, or a result picture drawn over it.
    QImage screen;
    QRegion stale;
    std::array<QImage, SquarePictureCount> squarePictures;
};

// A picture embedded in the program, by its resource id.
QImage embeddedPicture(int pictureId);
