// Start-up: registers the window class, creates the main window and runs the message loop.
#include "ui/resource.h"
#include "ui/win32/main_window.h"
#include "ui/win32/screen_scale.h"

namespace {

bool registerMainClass() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = appInstance;
    windowClass.hIcon = LoadIconA(appInstance, MAKEINTRESOURCEA(iconFile.id));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    windowClass.lpszClassName = mainClassName;
    return RegisterClassA(&windowClass) != 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int showCommand) {
    appInstance = instance;
    if (previousInstance == nullptr && !registerMainClass()) {
        return 0;
    }
    // The outer size that leaves the board's client area under the title and the menu bar: 264x264
    // at 96 dots per inch, a whole multiple of it on a screen of larger scale.
    const SIZE outer = mainWindowSize(systemDpi());
    const HWND window =
        CreateWindowExA(0, mainClassName, titleShiftJis, MainWindowStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
