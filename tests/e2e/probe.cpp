// probe.exe: reports what the running game's windows hold, through the public window functions,
// for the end-to-end tests. Runs beside the game in the same Wine prefix and display.
//   probe window   the main window: title, window and client rectangles, the middle of its close
//                  box, whether it is enabled; the system's code page and the face its menu
//                  font realises
//   probe dialog   the settings dialog: caption, window and client rectangles, its close box,
//                  every control with its id, rectangle, check state and text; and, in the font
//                  the dialog asks for, the face that font realises, its dialog base units, and
//                  each control's text width beside the width the control leaves for its text
// Rectangles are in screen pixels; text is UTF-8. Exit code 1 when the window is not there.
#include <cstdint>
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

// The face of the font file the font mapper chose: through a replacement, GetTextFace and the
// family name answer with the name asked for, the face name with the font's own. A bitmap font
// has no outline metrics.
std::string realisedFace(HDC dc) {
    const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
    if (size == 0) {
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, face);
        return "bitmap " + utf8(face);
    }
    std::string buffer(size, '\0');
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(&buffer[0]);
    GetOutlineTextMetricsW(dc, size, metrics);
    return utf8(reinterpret_cast<const wchar_t*>(
        &buffer[reinterpret_cast<std::uintptr_t>(metrics->otmpFaceName)]));
}

// The face the system's menu font realises: the menu bar and its menus are drawn in it.
void printMenuFont(HWND window) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HDC dc = GetDC(window);
    const HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    const HGDIOBJ before = SelectObject(dc, font);
    std::printf("menufont %s\n", realisedFace(dc).c_str());
    SelectObject(dc, before);
    DeleteObject(font);
    ReleaseDC(window, dc);
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
    printMenuFont(window);
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

// The font the dialog's template asks for, made as the dialog manager makes it. The same request
// realises the same font; the dialog's size in base units shows that it did.
HFONT dialogFont(HDC dc) {
    return CreateFontW(-MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                       FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
}

// The width a button leaves for its text: beside the check mark (13 pixels at 96 dots per inch)
// and a gap of half a digit, as the system lays out a check box or a radio button; inside the
// frame of a push button or a group box.
int labelSpace(HWND control, HDC dc) {
    RECT client;
    GetClientRect(control, &client);
    const LONG kind = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (kind == BS_AUTOCHECKBOX || kind == BS_AUTORADIOBUTTON) {
        INT digit = 0;
        GetCharWidth32W(dc, L'0', L'0', &digit);
        return client.right - (12 * GetDeviceCaps(dc, LOGPIXELSX) / 96 + 1) - digit / 2;
    }
    return client.right - 2 * 4;
}

BOOL CALLBACK printLabel(HWND control, LPARAM dc) {
    wchar_t text[64] = {};
    const int length = GetWindowTextW(control, text, 64);
    SIZE extent{};
    GetTextExtentPoint32W(reinterpret_cast<HDC>(dc), text, length, &extent);
    std::printf("label %d %ld %d %s\n", GetDlgCtrlID(control), extent.cx,
                labelSpace(control, reinterpret_cast<HDC>(dc)), utf8(text).c_str());
    return TRUE;
}

void printFontAndLabels(HWND dialog) {
    const HDC dc = GetDC(dialog);
    const HFONT font = dialogFont(dc);
    const HGDIOBJ before = SelectObject(dc, font);
    std::printf("font %s\n", realisedFace(dc).c_str());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE letters{};
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &letters);
    std::printf("baseunits %ld %ld\n", (letters.cx / 26 + 1) / 2, metrics.tmHeight);
    EnumChildWindows(dialog, printLabel, reinterpret_cast<LPARAM>(dc));
    SelectObject(dc, before);
    DeleteObject(font);
    ReleaseDC(dialog, dc);
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
    printFontAndLabels(search.found);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    const int result = what == "window" ? reportWindow() : what == "dialog" ? reportDialog() : 2;
    std::fflush(stdout);
    return result;
}
