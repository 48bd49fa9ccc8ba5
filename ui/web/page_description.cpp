#include "ui/web/page_description.h"

#include "ui/board_view.h"
#include "ui/menu_commands.h"

namespace {

// A JSON string: quotes, backslashes and control characters escaped; UTF-8 passes as it is.
std::string quoted(const char* text) {
    std::string result = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '"' || *c == '\\') {
            result += '\\';
            result += *c;
        } else if (static_cast<unsigned char>(*c) < 0x20) {
            result += ' ';
        } else {
            result += *c;
        }
    }
    return result + "\"";
}

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::CheckBox: return "check";
    case ControlKind::RadioButton: return "radio";
    case ControlKind::DefaultButton: return "default";
    case ControlKind::Button: return "button";
    case ControlKind::GroupBox: return "frame";
    }
    return "";
}

std::string describeMenu() {
    std::string menu = "[";
    for (std::size_t i = 0; i < MenuEntryCount; ++i) {
        const MenuEntry& entry = menuEntries[i];
        if (opensMenu(i)) {
            menu += std::string(i == 0 ? "" : "]},") + "{\"title\":" + quoted(entry.menuTitle) +
                    ",\"items\":[";
        } else {
            menu += ",";
        }
        menu += "{\"text\":" + quoted(entry.itemText) +
                ",\"command\":" + std::to_string(entry.commandId) + "}";
    }
    return menu + "]}]";
}

std::string describeFonts() {
    std::string fonts = "[" + quoted(SettingsFontFace);
    for (const char* fallback : SettingsFontFallbacks) {
        fonts += "," + quoted(fallback);
    }
    return fonts + "]";
}

// The index in template order of the frame a control stands in, or -1.
int frameIndex(const DialogControl& control) {
    const DialogControl* frame = frameAround(control);
    return frame == nullptr ? -1 : static_cast<int>(frame - settingsControls);
}

std::string describeDialog() {
    std::string dialog = "{\"caption\":" + quoted(SettingsCaption) +
                         ",\"fonts\":" + describeFonts() + ",\"sample\":" + quoted(BaseUnitSample) +
                         ",\"points\":" + std::to_string(SettingsFontPoints) +
                         ",\"ok\":" + std::to_string(OkButtonId) +
                         ",\"cancel\":" + std::to_string(CancelButtonId) + ",\"controls\":[";
    for (const DialogControl& control : settingsControls) {
        dialog += std::string(&control == settingsControls ? "" : ",") +
                  "{\"id\":" + std::to_string(control.id) + ",\"kind\":\"" +
                  kindName(control.kind) + "\",\"text\":" + quoted(control.text) +
                  ",\"group\":" + (control.startsGroup ? "true" : "false") +
                  ",\"frame\":" + std::to_string(frameIndex(control)) +
                  ",\"tab\":" + (control.tabStop ? "true" : "false") + "}";
    }
    return dialog + "]}";
}

} // namespace

std::string describePage() {
    return "{\"title\":" + quoted(GameTitle) + ",\"board\":" + quoted(BoardName) +
           ",\"boardPixels\":" + std::to_string(BoardPixels) + ",\"menu\":" + describeMenu() +
           ",\"dialog\":" + describeDialog() + "}";
}

std::vector<int> dialogLayout(DialogBaseUnits base) {
    const DialogRect size = dialogPixels(SettingsPlace, base);
    std::vector<int> layout{size.width, size.height};
    for (const DialogControl& control : settingsControls) {
        const DialogRect place = dialogPixels(control.place, base);
        layout.insert(layout.end(), {place.x, place.y, place.width, place.height});
    }
    return layout;
}
