// The main window's procedure, one small handler per message, and the window layer the turn
// controller draws through.
#include "ui/win32/main_window.h"

#include "engine/types.h"
#include "ui/menu_commands.h"
#include "ui/resource.h"
#include "ui/turn_controller.h"
#include "ui/window_layer.h"

HINSTANCE appInstance = nullptr;
HBITMAP squarePictures[SquarePictureCount] = {};
HDC squareSurfaces[SquarePictureCount] = {};

const char mainClassName[] = "checker";
const char titleShiftJis[] = "\x83\x88\x83\x8b\x83\x69\x83\x7e";

namespace {

// The window the controller's repaints and result pictures go to. There is one, made at start-up.
HWND mainWindow = nullptr;

// Painting onto a window's drawing surface: lines in its default pen, pictures copied from the
// memory surfaces made at window creation.
class GdiSurface : public DrawingSurface {
public:
    explicit GdiSurface(HDC dc) : dc(dc) {}

    void drawLine(PixelPoint from, PixelPoint to) override {
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
    }

    void copyPicture(int squareCode, PixelPoint at) override {
        BitBlt(dc, at.x, at.y, PicturePixels, PicturePixels, squareSurfaces[squareCode], 0, 0,
               SRCCOPY);
    }

private:
    HDC dc;
};

class WindowMenuActions : public MenuActions {
public:
    explicit WindowMenuActions(HWND window) : window(window) {}

    void closeWindow() override { SendMessageA(window, WM_CLOSE, 0, 0); }

    void runSettingsDialog() override {
        DialogBoxParamA(appInstance, MAKEINTRESOURCEA(IDD_SETTINGS), window, settingsDialogProc, 0);
    }

private:
    HWND window;
};

// The title is Shift-JIS text for the code-page functions, which shows only where the system code
// page is 932. Stored again as Unicode through the Unicode default procedure, it reads ヨルナミ
// whatever the code page.
void setUnicodeTitle(HWND window) {
    wchar_t title[16] = {};
    if (MultiByteToWideChar(932, 0, titleShiftJis, -1, title, 16) > 0) {
        DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title));
    }
}

LRESULT onCreate(HWND window) {
    mainWindow = window;
    centerWindow(window);
    setUnicodeTitle(window);
    for (int code = 0; code < SquarePictureCount; ++code) {
        squarePictures[code] =
            LoadBitmapA(appInstance, MAKEINTRESOURCEA(squarePictureFiles[code].id));
    }
    for (int code = 0; code < SquarePictureCount; ++code) {
        const HDC windowSurface = GetDC(window);
        squareSurfaces[code] = CreateCompatibleDC(windowSurface);
        ReleaseDC(window, windowSurface);
    }
    for (int code = 0; code < SquarePictureCount; ++code) {
        SelectObject(squareSurfaces[code], squarePictures[code]);
    }
    currentMove = {0, 0, 0, 0};
    return 0;
}

// Surfaces first: a picture is deleted only once no surface holds it.
LRESULT onDestroy() {
    for (HDC& surface : squareSurfaces) {
        DeleteDC(surface);
    }
    for (HBITMAP& picture : squarePictures) {
        DeleteObject(picture);
    }
    PostQuitMessage(0);
    return 0;
}

LRESULT onPaint(HWND window) {
    PAINTSTRUCT paint;
    GdiSurface surface(BeginPaint(window, &paint));
    paintBoard(surface);
    EndPaint(window, &paint);
    return 0;
}

// Every command repaints the whole board: after a new game, a dialog, or any other command.
LRESULT onCommand(HWND window, WPARAM wParam) {
    WindowMenuActions actions(window);
    menuCommand(LOWORD(wParam), actions);
    RECT client;
    GetClientRect(window, &client);
    InvalidateRect(window, &client, TRUE);
    return 0;
}

LRESULT onLeftPress(LPARAM lParam) {
    const BoardSquare square = squareAtPixel(LOWORD(lParam), HIWORD(lParam));
    handleLeftPress(square.x, square.y);
    return 0;
}

LRESULT onRightPress() {
    handleRightPress();
    return 0;
}

// Drawn at once over the window, outside painting; the next paint of any part brings the board
// back there.
void drawResultPicture(int pictureId) {
    const HDC windowSurface = GetDC(mainWindow);
    const HDC memory = CreateCompatibleDC(windowSurface);
    const HBITMAP picture = LoadBitmapA(appInstance, MAKEINTRESOURCEA(pictureId));
    SelectObject(memory, picture);
    BitBlt(windowSurface, 0, 0, BoardPixels, BoardPixels, memory, 0, 0, SRCCOPY);
    ReleaseDC(mainWindow, windowSurface);
    DeleteDC(memory);
    DeleteObject(picture);
}

} // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: return onDestroy();
    case WM_PAINT: return onPaint(window);
    case WM_COMMAND: return onCommand(window, wParam);
    case WM_LBUTTONDOWN: return onLeftPress(lParam);
    case WM_RBUTTONDOWN: return onRightPress();
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

int centerWindow(HWND window) {
    RECT desktop;
    RECT own;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    // The desktop window starts at the origin, so its right and bottom edges are its size.
    SetWindowPos(window, HWND_TOP, centredPosition(0, desktop.right, width),
                 centredPosition(0, desktop.bottom, height), width, height, SWP_SHOWWINDOW);
    return 0;
}

// Beep(0, 0) played the default sound where the arguments were ignored; on current Windows it is
// silent, so the default system sound follows it.
void soundBeep() {
    Beep(0, 0);
    MessageBeep(MB_OK);
}

void repaintSquare(int x, int y) {
    const PixelRect cell = cellOfSquare(x, y);
    const RECT area{cell.left, cell.top, cell.right, cell.bottom};
    InvalidateRect(mainWindow, &area, TRUE);
}

void drawWinPicture() {
    drawResultPicture(winPictureFile.id);
}

void drawLosePicture() {
    drawResultPicture(losePictureFile.id);
}
