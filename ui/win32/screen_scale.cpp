#include "ui/win32/screen_scale.h"

#include "ui/board_view.h"
#include "ui/win32/main_window.h"

namespace {

// A function of user32 that this Windows may not have: null where it has not.
template <typename Function>
Function newerUser32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    const FARPROC found = user32 != nullptr ? GetProcAddress(user32, name) : nullptr;
    // Through the one function type that converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

} // namespace

UINT systemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

UINT windowDpi(HWND window) {
    static const auto getDpiForWindow = newerUser32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    return getDpiForWindow != nullptr ? getDpiForWindow(window) : systemDpi();
}

int boardScaleAt(UINT dpi) {
    return boardScale(dpi / 96.0);
}

SIZE mainWindowSize(UINT dpi) {
    const int scale = boardScaleAt(dpi);
    static const auto adjustForDpi =
        newerUser32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(
            "AdjustWindowRectExForDpi");
    RECT outer{0, 0, BoardPixels * scale, BoardPixels * scale};
    if (adjustForDpi != nullptr) {
        adjustForDpi(&outer, MainWindowStyle, TRUE, 0, dpi);
    } else {
        AdjustWindowRectEx(&outer, MainWindowStyle, TRUE, 0);
    }
    return {outer.right - outer.left, outer.bottom - outer.top};
}
