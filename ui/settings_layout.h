// The settings dialog as it is laid out: its caption, font, size and 23 controls in template
// order, in dialog units. The build writes the Windows resource script's dialog from this; a front
// end without dialog resources builds its dialog from it, placing each control by the dialog's
// font.
#pragma once

#include <cstddef>

enum class ControlKind { CheckBox, RadioButton, DefaultButton, Button, GroupBox };

struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

struct DialogControl {
    int id; // NoControlId for the two frames
    ControlKind kind;
    const char* text; // UTF-8
    DialogRect place;
    bool startsGroup; // the first control of a radio group
    bool tabStop;
};

constexpr int NoControlId = 65535;
constexpr int OkButtonId = 1; // the platform's numbers for a dialog's OK and Cancel
constexpr int CancelButtonId = 2;

constexpr const char* SettingsCaption = "設定";
constexpr const char* SettingsFontFace = "ＭＳ Ｐゴシック";
constexpr int SettingsFontPoints = 9;
// Where the face is missing: its metric-compatible stand-ins, then the usual Japanese interface
// fonts of Windows, macOS and iOS, and Android, for a front end that picks its own.
constexpr const char* SettingsFontFallbacks[] = {
    "MS PGothic",       "IPAPGothic",   "IPA PGothic",        "IPA Pゴシック",
    "Meiryo UI",        "Yu Gothic UI", "Hiragino Sans",      "Hiragino Kaku Gothic ProN",
    "Noto Sans CJK JP", "Noto Sans JP", "Droid Sans Japanese"};
// The text whose width gives the dialog's base width: the 52 Latin letters.
constexpr const char* BaseUnitSample = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr DialogRect SettingsPlace{0, 0, 143, 135};

constexpr std::size_t SettingsControlCount = 23;
extern const DialogControl settingsControls[SettingsControlCount];

// The dialog's base units, from its font: the average width of the 52 Latin letters, rounded as
// the platform rounds it, and the height of a line.
struct DialogBaseUnits {
    int width;
    int height;
};

DialogBaseUnits baseUnitsFor(int widthOfLatinAlphabet, int lineHeight);

// The group box a control stands in, by their places; none for a control in no frame. A radio
// group is named by its frame.
const DialogControl* frameAround(const DialogControl& control);

// A rectangle in dialog units as pixels: x and width in quarters of the base width, y and height
// in eighths of the base height, rounded to the nearest pixel.
DialogRect dialogPixels(DialogRect units, DialogBaseUnits base);
