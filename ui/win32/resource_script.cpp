// Writes the resource script's menu and settings dialog from their neutral descriptions, so that
// the Windows program's resources say what the other front ends build from. The build compiles it
// for the build machine and runs it into menu_and_dialog.rc, which yorunami.rc includes.
#include "ui/menu_commands.h"
#include "ui/settings_layout.h"

#include <cstdio>
#include <string>

namespace {

// A text in the script's double quotes, where a quote is written twice.
std::string quoted(const char* text) {
    std::string result = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        result += *c == '"' ? "\"\"" : std::string(1, *c);
    }
    return result + "\"";
}

const char* buttonStyle(ControlKind kind) {
    switch (kind) {
    case ControlKind::CheckBox: return "BS_AUTOCHECKBOX";
    case ControlKind::RadioButton: return "BS_AUTORADIOBUTTON";
    case ControlKind::DefaultButton: return "BS_DEFPUSHBUTTON";
    case ControlKind::Button: return "BS_PUSHBUTTON";
    case ControlKind::GroupBox: return "BS_GROUPBOX";
    }
    return "";
}

void writeMenu() {
    std::printf("IDR_MAIN_MENU MENU\nBEGIN\n");
    for (std::size_t i = 0; i < MenuEntryCount; ++i) {
        const MenuEntry& entry = menuEntries[i];
        if (opensMenu(i)) {
            std::printf("%s    POPUP %s\n    BEGIN\n", i == 0 ? "" : "    END\n",
                        quoted(entry.menuTitle).c_str());
        }
        std::printf("        MENUITEM %s, %d\n", quoted(entry.itemText).c_str(), entry.commandId);
    }
    std::printf("    END\nEND\n\n");
}

void writeDialog() {
    std::printf("IDD_SETTINGS DIALOG %d, %d, %d, %d\n", SettingsPlace.x, SettingsPlace.y,
                SettingsPlace.width, SettingsPlace.height);
    std::printf("STYLE DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU\n");
    std::printf("CAPTION %s\n", quoted(SettingsCaption).c_str());
    std::printf("FONT %d, %s\nBEGIN\n", SettingsFontPoints, quoted(SettingsFontFace).c_str());
    for (const DialogControl& control : settingsControls) {
        const std::string style = std::string(buttonStyle(control.kind)) +
                                  (control.startsGroup ? " | WS_GROUP" : "") +
                                  (control.tabStop ? " | WS_TABSTOP" : "");
        std::printf("    CONTROL %s, %d, \"Button\", %s, %d, %d, %d, %d\n",
                    quoted(control.text).c_str(), control.id, style.c_str(), control.place.x,
                    control.place.y, control.place.width, control.place.height);
    }
    std::printf("END\n");
}

} // namespace

int main() {
    std::printf(
        "// Written by the build from menuEntries and settingsControls: change them there.\n");
    writeMenu();
    writeDialog();
    return std::fflush(stdout) == 0 ? 0 : 1;
}
