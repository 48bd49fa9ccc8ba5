// The settings dialog's procedure: shows the settings when it opens, stores them on OK.
#include "ui/resource.h"
#include "ui/settings_form.h"
#include "ui/win32/main_window.h"

namespace {

class WindowButtons : public DialogButtons {
public:
    explicit WindowButtons(HWND dialog) : dialog(dialog) {}

    void check(int id) override { SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, 1, 0); }
    bool isChecked(int id) const override { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

private:
    HWND dialog;
};

void onCommand(HWND dialog, int command) {
    if (command == IDOK) {
        storeSettings(WindowButtons(dialog));
        EndDialog(dialog, 1);
    } else if (command == IDCANCEL) { // also Escape and the close box
        EndDialog(dialog, 2);
    }
}

} // namespace

// Answers 0 to every message; the auto buttons keep their own state.
INT_PTR CALLBACK settingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        WindowButtons buttons(dialog);
        showSettings(buttons);
    } else if (message == WM_COMMAND) {
        onCommand(dialog, LOWORD(wParam));
    }
    return 0;
}
