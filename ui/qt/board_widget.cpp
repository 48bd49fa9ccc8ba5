#include "ui/qt/board_widget.h"

#include "ui/turn_controller.h"
#include "ui/window_layer.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <optional>

namespace {

// The board the turn controller's repaints and pictures go to; there is one, in the main window.
BoardWidget* boardForController = nullptr;

std::array<PixelPicture, SquarePictureCount> squarePictures() {
    std::array<PixelPicture, SquarePictureCount> pictures;
    for (int code = 0; code < SquarePictureCount; ++code) {
        pictures[static_cast<std::size_t>(code)] = embeddedPicture(squarePictureFiles[code].id);
    }
    return pictures;
}

std::optional<BoardKey> boardKey(int key) {
    switch (key) {
    case Qt::Key_Left: return BoardKey::Left;
    case Qt::Key_Right: return BoardKey::Right;
    case Qt::Key_Up: return BoardKey::Up;
    case Qt::Key_Down: return BoardKey::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return BoardKey::Press;
    case Qt::Key_Escape:
    case Qt::Key_Backspace: return BoardKey::Cancel;
    default: return std::nullopt;
    }
}

} // namespace

PixelPicture embeddedPicture(int pictureId) {
    QFile file(QStringLiteral(":/bitmap/%1").arg(pictureId));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    return decodeBitmap(reinterpret_cast<const unsigned char*>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()));
}

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent), screen(squarePictures()) {
    setFixedSize(BoardPixels, BoardPixels);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QString::fromUtf8(BoardName));
    screen.markAllStale();
    boardForController = this;
}

BoardWidget::~BoardWidget() {
    if (boardForController == this) {
        boardForController = nullptr;
    }
}

void BoardWidget::repaintCell(const PixelRect& cell) {
    screen.markStale(cell);
    update(QRect(cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top));
}

void BoardWidget::repaintWhole() {
    screen.markAllStale();
    update();
}

// Drawn over what the board area shows now, after the repaints already asked for.
void BoardWidget::showResultPicture(int pictureId) {
    screen.drawOver(embeddedPicture(pictureId));
    repaint();
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    screen.paintStale(cursor.frame());
    const QImage pixels(reinterpret_cast<const uchar*>(screen.pixels()), BoardPixels, BoardPixels,
                        QImage::Format_RGBA8888);
    QPainter(this).drawImage(event->rect(), pixels, event->rect());
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    cursor.pointerPressed();
    if (event->button() == Qt::LeftButton) {
        // Whole pixels, as the press is inside the board area: never negative.
        const BoardSquare square = squareAtPixel(static_cast<unsigned>(event->position().x()),
                                                 static_cast<unsigned>(event->position().y()));
        handleLeftPress(square.x, square.y);
    } else if (event->button() == Qt::RightButton) {
        handleRightPress();
    }
    describeWhatWasTold();
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<BoardKey> key = boardKey(event->key());
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    cursor.key(*key, event->isAutoRepeat());
    describeWhatWasTold();
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        cursor.focusedByKeyboard();
        describeWhatWasTold();
    }
}

void BoardWidget::tellTurn() {
    telling.add(currentTurn());
    describeWhatWasTold();
}

void BoardWidget::describeWhatWasTold() {
    const std::string told = telling.take();
    if (!told.empty()) {
        setAccessibleDescription(QString::fromStdString(told));
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

void boardEvent(const BoardEvent& event) {
    if (boardForController != nullptr) {
        boardForController->tell(event);
    }
}
