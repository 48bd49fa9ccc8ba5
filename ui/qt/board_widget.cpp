#include "ui/qt/board_widget.h"

#include "ui/turn_controller.h"
#include "ui/window_layer.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <optional>

namespace {

// The board the turn controller's repaints and pictures go to; there is one, in the main window.
BoardWidget* boardForController = nullptr;

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

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent), board(embeddedPicture) {
    fitToScreen();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QString::fromUtf8(BoardName));
    boardForController = this;
}

BoardWidget::~BoardWidget() {
    if (boardForController == this) {
        boardForController = nullptr;
    }
}

void BoardWidget::fitToScreen() {
    scale = boardScale(devicePixelRatioF());
    const double logical = BoardPixels * scale / devicePixelRatioF();
    const int size = static_cast<int>(std::ceil(logical - 1e-9)); // 211.2 takes 212
    setFixedSize(size, size);
    update();
}

// Moved to a screen of another scale, the board takes that screen's scale.
bool BoardWidget::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        fitToScreen();
    }
    return QWidget::event(event);
}

void BoardWidget::repaintSquare(int x, int y) {
    board.repaintSquare(x, y);
    const PixelRect cell = cellOfSquare(x, y);
    const double toLogical = scale / devicePixelRatioF();
    update(QRectF(cell.left * toLogical, cell.top * toLogical, (cell.right - cell.left) * toLogical,
                  (cell.bottom - cell.top) * toLogical)
               .toAlignedRect());
}

void BoardWidget::showWholeBoard() {
    board.showWholeBoard();
    update();
    describeWhatWasTold();
}

// Drawn over what the board area shows now, after the repaints already asked for.
void BoardWidget::showResultPicture(int pictureId) {
    board.showPicture(pictureId);
    repaint();
}

// The board's pixels, each a block of scale x scale device pixels, never resampled; beside them,
// where the widget's logical size leaves spare device pixels, the window's background.
void BoardWidget::paintEvent(QPaintEvent*) {
    const QImage pixels(reinterpret_cast<const uchar*>(board.paint()), BoardPixels, BoardPixels,
                        QImage::Format_RGBA8888);
    QImage blocks = pixels.scaled(BoardPixels * scale, BoardPixels * scale, Qt::IgnoreAspectRatio,
                                  Qt::FastTransformation);
    blocks.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(QPointF(0, 0), blocks);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // Device pixels, as the press is inside the board area: never negative.
        const QPointF at = event->position() * devicePixelRatioF();
        board.leftPress(static_cast<unsigned>(at.x()), static_cast<unsigned>(at.y()), scale);
    } else if (event->button() == Qt::RightButton) {
        board.rightPress();
    }
    describeWhatWasTold();
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<BoardKey> key = boardKey(event->key());
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    board.key(*key, event->isAutoRepeat());
    describeWhatWasTold();
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        board.focusedByKeyboard();
        describeWhatWasTold();
    }
}

void BoardWidget::describeWhatWasTold() {
    const std::string told = board.takeTold();
    if (!told.empty()) {
        setAccessibleDescription(QString::fromStdString(told));
    }
}

void soundBeep() {
    QApplication::beep();
}

void repaintSquare(int x, int y) {
    if (boardForController != nullptr) {
        boardForController->repaintSquare(x, y);
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
        boardForController->session().tell(event);
    }
}
