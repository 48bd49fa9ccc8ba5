#include "ui/web/page_description.h"

#include "ui/board_keys.h"
#include "ui/board_view.h"
#include "ui/menu_commands.h"

#include <algorithm>

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

// The board's keys as the browser names them: the arrows move the cursor, Enter or Space press
// where it stands, Escape or Backspace are a right press.
struct PageKey {
    const char* name;
    BoardKey key;
};

constexpr PageKey pageKeys[] = {
    {"ArrowLeft", BoardKey::Left}, {"ArrowRight", BoardKey::Right}, {"ArrowUp", BoardKey::Up},
    {"ArrowDown", BoardKey::Down}, {"Enter", BoardKey::Press},      {" ", BoardKey::Press},
    {"Escape", BoardKey::Cancel},  {"Backspace", BoardKey::Cancel},
};

std::string describeKeys() {
    std::string keys = "{";
    for (const PageKey& key : pageKeys) {
        keys += std::string(&key == pageKeys ? "" : ",") + quoted(key.name) + ":" +
                std::to_string(static_cast<int>(key.key));
    }
    return keys + "}";
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
           ",\"boardPixels\":" + std::to_string(BoardPixels) + ",\"keys\":" + describeKeys() +
           ",\"menu\":" + describeMenu() + ",\"dialog\":" + describeDialog() + "}";
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

namespace {

bool tabStopsAreTargets(DialogBaseUnits base, int leastTarget) {
    return std::all_of(std::begin(settingsControls), std::end(settingsControls),
                       [&](const DialogControl& control) {
                           const DialogRect place = dialogPixels(control.place, base);
                           return !control.tabStop ||
                                  std::min(place.width, place.height) >= leastTarget;
                       });
}

} // namespace

FittedDialog fitDialog(const std::vector<FontMeasure>& fonts, int room, int leastTarget) {
    FittedDialog chosen{0, baseUnitsFor(0, 0)};
    for (std::size_t font = 0; font < fonts.size(); ++font) {
        const int line = fonts[font].lineHeight;
        DialogBaseUnits base = baseUnitsFor(fonts[font].alphabetWidth, line);
        while (!tabStopsAreTargets(base, leastTarget) && base.height < 3 * leastTarget) {
            base.height += 1;
        }
        if (font > 0 && dialogPixels(SettingsPlace, base).width > room) {
            return chosen;
        }
        chosen = {font, base};
        if (base.height == line) {
            return chosen;
        }
    }
    return chosen;
}
