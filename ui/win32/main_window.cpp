// The main window's procedure, one small handler per message, and the window layer the turn
// controller draws through. The board is painted into pixels in memory by the neutral painting
// (ui/pixel_screen.h), as the other programs paint it, and copied onto the window from there.
#include "ui/win32/main_window.h"

#include "engine/types.h"
#include "ui/board_session.h"
#include "ui/menu_commands.h"
#include "ui/resource.h"
#include "ui/turn_controller.h"
#include "ui/win32/screen_scale.h"
#include "ui/window_layer.h"

#include <optional>
#include <vector>

HINSTANCE appInstance = nullptr;

const char mainClassName[] = "checker";
const char titleShiftJis[] = "\x83\x88\x83\x8b\x83\x69\x83\x7e";

namespace {

// The window the controller's repaints and result pictures go to, the board it shows and the scale
// it shows the board at. There is one window, made at start-up; its board's pictures are loaded
// when it is created and released when it is destroyed.
HWND mainWindow = nullptr;
std::optional<BoardSession> board;
int scale = 1;

// A part of the board as the device pixels of the client area that show it, and back.
RECT onScreen(const PixelRect& area) {
    return {area.left * scale, area.top * scale, area.right * scale, area.bottom * scale};
}

PixelRect onBoard(const RECT& area) {
    return {area.left / scale, area.top / scale, (area.right + scale - 1) / scale,
            (area.bottom + scale - 1) / scale};
}

// A bitmap resource of the program as pixels; none when it is missing.
PixelPicture bitmapResource(int id) {
    const HRSRC found = FindResourceA(appInstance, MAKEINTRESOURCEA(id), RT_BITMAP);
    const HGLOBAL loaded = found != nullptr ? LoadResource(appInstance, found) : nullptr;
    if (loaded == nullptr) {
        return {};
    }
    return decodeBitmapResource(static_cast<const unsigned char*>(LockResource(loaded)),
                                SizeofResource(appInstance, found));
}

// The board's pixels, brought up to date and copied onto a window surface, each as a block of
// scale x scale pixels. A 32-bit bitmap holds blue, green and red in that order.
void copyBoard(HDC surface) {
    const std::uint32_t* const pixels = board->paint();
    std::vector<std::uint32_t> bgr(pixels, pixels + BoardPixels * BoardPixels);
    for (std::uint32_t& pixel : bgr) {
        pixel = (pixel & 0xff00ff00U) | (pixel & 0xffU) << 16 | (pixel >> 16 & 0xffU);
    }
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = BoardPixels;
    format.bmiHeader.biHeight = -BoardPixels; // rows top first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    SetStretchBltMode(surface, COLORONCOLOR);
    StretchDIBits(surface, 0, 0, BoardPixels * scale, BoardPixels * scale, 0, 0, BoardPixels,
                  BoardPixels, bgr.data(), &format, DIB_RGB_COLORS, SRCCOPY);
}

// The window sized for the board at the scale of the screen it is on.
void fitToScreen(HWND window, UINT dpi) {
    scale = boardScaleAt(dpi);
    const SIZE outer = mainWindowSize(dpi);
    SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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

// The board first: sizing and placing the window may already bring messages that paint it.
LRESULT onCreate(HWND window) {
    mainWindow = window;
    board.emplace(bitmapResource);
    currentMove = {0, 0, 0, 0};
    fitToScreen(window, windowDpi(window));
    centerWindow(window);
    setUnicodeTitle(window);
    return 0;
}

LRESULT onDestroy() {
    board.reset();
    PostQuitMessage(0);
    return 0;
}

// What the system asks to be painted is painted from the board: a repaint request, or a part of
// the window uncovered.
LRESULT onPaint(HWND window) {
    PAINTSTRUCT paint;
    const HDC surface = BeginPaint(window, &paint);
    board->markStale(onBoard(paint.rcPaint));
    copyBoard(surface);
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
    board->leftPress(LOWORD(lParam), HIWORD(lParam), scale);
    return 0;
}

LRESULT onRightPress() {
    board->rightPress();
    return 0;
}

std::optional<BoardKey> boardKey(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_LEFT: return BoardKey::Left;
    case VK_RIGHT: return BoardKey::Right;
    case VK_UP: return BoardKey::Up;
    case VK_DOWN: return BoardKey::Down;
    case VK_RETURN:
    case VK_SPACE: return BoardKey::Press;
    case VK_ESCAPE:
    case VK_BACK: return BoardKey::Cancel;
    default: return std::nullopt;
    }
}

// A key on the board; bit 30 of lParam tells a held key's repeat. F10 and the menus' keys come as
// system keys and keep their own meaning.
LRESULT onKey(HWND window, WPARAM wParam, LPARAM lParam) {
    const std::optional<BoardKey> key = boardKey(wParam);
    if (!key) {
        return DefWindowProcA(window, WM_KEYDOWN, wParam, lParam);
    }
    board->key(*key, (lParam & (1L << 30)) != 0);
    return 0;
}

// Moved to a monitor of another scale: the window asks for the size of the board at the new
// scale, not the system's size scaled exactly (from 100% to 150% about 396 pixels, where the board
// at 2 needs 528).
LRESULT onScaledSize(WPARAM wParam, LPARAM lParam) {
    *reinterpret_cast<SIZE*>(lParam) = mainWindowSize(static_cast<UINT>(wParam));
    return TRUE;
}

// Then it takes the rectangle suggested, which is that size, and shows the board anew.
LRESULT onScaleChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    scale = boardScaleAt(HIWORD(wParam));
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
    return 0;
}

// Drawn at once over the window, outside painting; the next paint of any part brings the board
// back there.
void drawResultPicture(int pictureId) {
    board->showPicture(pictureId);
    const HDC windowSurface = GetDC(mainWindow);
    copyBoard(windowSurface);
    ReleaseDC(mainWindow, windowSurface);
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
    case WM_KEYDOWN: return onKey(window, wParam, lParam);
    case WM_GETDPISCALEDSIZE: return onScaledSize(wParam, lParam);
    case WM_DPICHANGED: return onScaleChanged(window, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// On the work area of the monitor the window is on (the screen less its taskbar), so that centring
// never moves it to another monitor, of another scale.
int centerWindow(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    RECT own;
    GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(window, HWND_TOP, centredPosition(work.left, work.right - work.left, width),
                 centredPosition(work.top, work.bottom - work.top, height), width, height,
                 SWP_SHOWWINDOW);
    return 0;
}

// Beep(0, 0) played the default sound where the arguments were ignored; on current Windows it is
// silent, so the default system sound follows it.
void soundBeep() {
    Beep(0, 0);
    MessageBeep(MB_OK);
}

void repaintSquare(int x, int y) {
    const RECT area = onScreen(cellOfSquare(x, y));
    InvalidateRect(mainWindow, &area, TRUE);
}

void drawWinPicture() {
    drawResultPicture(winPictureFile.id);
}

void drawLosePicture() {
    drawResultPicture(losePictureFile.id);
}

// The Windows program offers keys, not words: nothing reads what it would tell.
void boardEvent(const BoardEvent&) {}
