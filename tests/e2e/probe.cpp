// probe.exe: reports what the running game's windows hold, through the public window functions,
// for the end-to-end tests. Runs beside the game in the same Wine prefix and display.
//   probe window   the main window: title, window and client rectangles, the middle of its close
//                  box, whether it is enabled; and the system's code page
//   probe dialog   the settings dialog: caption, window and client rectangles, its close box, and
//                  every control with its id, rectangle, check state and text
// Rectangles are in screen pixels; text is UTF-8. Exit code 1 when the window is not there.
#include <cstdio>
#include <string>
#include <windows.h>

namespace {

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);
    return bytes;
}

std::string windowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return utf8(text);
}

void printClient(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
}

void printRect(const char* name, const RECT& rect) {
    std::printf("%s %ld %ld %ld %ld\n", name, rect.left, rect.top, rect.right, rect.bottom);
}

HWND mainWindow() {
    return FindWindowA("checker", nullptr);
}

struct DialogSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK findOwnedDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<DialogSearch*>(data);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (GetWindow(window, GW_OWNER) == search->owner && std::string(className) == "#32770" &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The window's rectangle, its client area, and the middle of its close box: the last caption
// button, inside the fixed frame.
void printFrame(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    printRect("window", outer);
    printClient(window);
    const int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
    std::printf("closebox %ld %ld\n", outer.right - frame - GetSystemMetrics(SM_CXSIZE) / 2,
                outer.top + frame + GetSystemMetrics(SM_CYSIZE) / 2);
}

int reportWindow() {
    const HWND window = mainWindow();
    if (window == nullptr) {
        return 1;
    }
    std::printf("title %s\n", windowText(window).c_str());
    std::printf("codepage %u\n", GetACP());
    printFrame(window);
    std::printf("enabled %d\n", IsWindowEnabled(window) ? 1 : 0);
    return 0;
}

BOOL CALLBACK printControl(HWND control, LPARAM) {
    RECT rect;
    GetWindowRect(control, &rect);
    const LRESULT state = SendMessageW(control, BM_GETCHECK, 0, 0);
    std::printf("control %d %ld %ld %ld %ld %d %s\n", GetDlgCtrlID(control), rect.left, rect.top,
                rect.right, rect.bottom, static_cast<int>(state), windowText(control).c_str());
    return TRUE;
}

int reportDialog() {
    DialogSearch search{mainWindow(), nullptr};
    if (search.owner == nullptr) {
        return 1;
    }
    EnumWindows(findOwnedDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        return 1;
    }
    std::printf("caption %s\n", windowText(search.found).c_str());
    printFrame(search.found);
    EnumChildWindows(search.found, printControl, 0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    const int result = what == "window" ? reportWindow() : what == "dialog" ? reportDialog() : 2;
    std::fflush(stdout);
    return result;
}
