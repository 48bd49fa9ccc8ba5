#include "ui/qt/board_widget.h"

#include "ui/turn_controller.h"
#include "ui/window_layer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {

// The board the turn controller's repaints and pictures go to; there is one, in the main window.
BoardWidget* boardForController = nullptr;

// Painting into the board area's image: lines as runs of black pixels, pictures copied unchanged.
class ImageSurface : public DrawingSurface {
public:
    ImageSurface(QPainter& painter, const std::array<QImage, SquarePictureCount>& pictures)
        : painter(painter), pictures(pictures) {}

    // The painting draws only lines across or down; the end point is not drawn.
    void drawLine(PixelPoint from, PixelPoint to) override {
        const int stepX = to.x > from.x ? 1 : to.x < from.x ? -1 : 0;
        const int stepY = to.y > from.y ? 1 : to.y < from.y ? -1 : 0;
        const int lastX = to.x - stepX;
        const int lastY = to.y - stepY;
        painter.fillRect(QRect(QPoint(std::min(from.x, lastX), std::min(from.y, lastY)),
                               QPoint(std::max(from.x, lastX), std::max(from.y, lastY))),
                         Qt::black);
    }

    void copyPicture(int squareCode, PixelPoint at) override {
        painter.drawImage(QPoint(at.x, at.y), pictures[static_cast<std::size_t>(squareCode)]);
    }

private:
    QPainter& painter;
    const std::array<QImage, SquarePictureCount>& pictures;
};

} // namespace

QImage embeddedPicture(int pictureId) {
    return QImage(QStringLiteral(":/bitmap/%1").arg(pictureId))
        .convertToFormat(QImage::Format_RGB32);
}

BoardWidget::BoardWidget(QWidget* parent)
    : QWidget(parent), screen(BoardPixels, BoardPixels, QImage::Format_RGB32),
      stale(0, 0, BoardPixels, BoardPixels) {
    setFixedSize(BoardPixels, BoardPixels);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int code = 0; code < SquarePictureCount; ++code) {
        squarePictures[static_cast<std::size_t>(code)] =
            embeddedPicture(squarePictureFiles[code].id);
    }
    boardForController = this;
}

BoardWidget::~BoardWidget() {
    if (boardForController == this) {
        boardForController = nullptr;
    }
}

void BoardWidget::repaintCell(const PixelRect& cell) {
    const QRect area(cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top);
    stale += area;
    update(area);
}

void BoardWidget::repaintWhole() {
    stale += rect();
    update();
}

// Drawn over what the board area shows now, after the repaints already asked for.
void BoardWidget::showResultPicture(int pictureId) {
    paintStaleBoard();
    QPainter(&screen).drawImage(QPoint(0, 0), embeddedPicture(pictureId));
    repaint();
}

// What needs painting is erased to white and painted whole from the board, as on Windows.
void BoardWidget::paintStaleBoard() {
    if (stale.isEmpty()) {
        return;
    }
    QPainter painter(&screen);
    painter.setClipRegion(stale);
    painter.fillRect(screen.rect(), Qt::white);
    ImageSurface surface(painter, squarePictures);
    paintBoard(surface);
    stale = QRegion();
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    paintStaleBoard();
    QPainter(this).drawImage(event->rect(), screen, event->rect());
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // Whole pixels, as the press is inside the board area: never negative.
        const BoardSquare square = squareAtPixel(static_cast<unsigned>(event->position().x()),
                                                 static_cast<unsigned>(event->position().y()));
        handleLeftPress(square.x, square.y);
    } else if (event->button() == Qt::RightButton) {
        handleRightPress();
    }
}

void soundBeep() {
    QApplication::beep();
}

void repaintSquare(int x, int y) {
    if (boardForController != nullptr) {
        boardForController->repaintCell(cellOfSquare(x, y));
    }
}

void drawWinPicture() {
    if (boardForController != nullptr) {
        boardForController->showResultPicture(winPictureFile.id);
    }
}

void drawLosePicture() {
    if (boardForController != nullptr) {
        boardForController->showResultPicture(losePictureFile.id);
    }
}
