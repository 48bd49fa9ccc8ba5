#include "ui/settings_layout.h"

#include "ui/resource.h"

namespace {

constexpr ControlKind Check = ControlKind::CheckBox;
constexpr ControlKind Radio = ControlKind::RadioButton;

} // namespace

// Template order is also the Tab order and fixes the two radio groups.
const DialogControl settingsControls[SettingsControlCount] = {
    {IDC_RED_MOVES_FIRST, Check, "先攻", {20, 13, 30, 10}, false, true},
    {IDC_RED_ALL_KINGS, Check, "ALLKING(赤)", {72, 13, 54, 10}, false, true},
    {IDC_VS_HUMAN, Check, "VS人", {20, 23, 31, 10}, false, true},
    {IDC_BLUE_ALL_KINGS, Check, "ALLKING(青)", {72, 26, 54, 10}, false, true},
    {IDC_MEN_4, Radio, "4", {19, 51, 20, 8}, true, false},
    {IDC_MEN_8, Radio, "8", {41, 51, 20, 8}, false, false},
    {IDC_MEN_12, Radio, "12", {63, 51, 20, 8}, false, false},
    {IDC_STRENGTH_0, Radio, "0", {15, 79, 16, 10}, true, true},
    {IDC_STRENGTH_1, Radio, "1", {34, 79, 16, 10}, false, true},
    {IDC_STRENGTH_2, Radio, "2", {53, 79, 16, 10}, false, true},
    {IDC_STRENGTH_3, Radio, "3", {72, 79, 16, 10}, false, true},
    {IDC_STRENGTH_4, Radio, "4", {91, 79, 16, 10}, false, true},
    {IDC_STRENGTH_5, Radio, "5", {110, 79, 16, 10}, false, true},
    {IDC_STRENGTH_6, Radio, "6", {15, 93, 16, 10}, false, true},
    {IDC_STRENGTH_7, Radio, "7", {34, 93, 16, 10}, false, true},
    {IDC_STRENGTH_8, Radio, "8", {53, 93, 16, 10}, false, true},
    {IDC_STRENGTH_9, Radio, "9", {72, 93, 16, 10}, false, true},
    {IDC_STRENGTH_10, Radio, "10", {91, 93, 19, 10}, false, true},
    {IDC_STRENGTH_11, Radio, "11", {110, 93, 19, 10}, false, true},
    {OkButtonId, ControlKind::DefaultButton, "OK", {15, 114, 50, 14}, false, true},
    {CancelButtonId, ControlKind::Button, "ｷｬﾝｾﾙ", {78, 114, 50, 14}, false, true},
    {NoControlId, ControlKind::GroupBox, "強さ", {12, 69, 118, 36}, false, false},
    {NoControlId, ControlKind::GroupBox, "駒の数", {12, 41, 77, 24}, false, false},
};

const DialogControl* frameAround(const DialogControl& control) {
    const DialogRect inner = control.place;
    for (const DialogControl& frame : settingsControls) {
        const DialogRect outer = frame.place;
        if (frame.kind == ControlKind::GroupBox && &frame != &control && inner.x >= outer.x &&
            inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
            inner.y + inner.height <= outer.y + outer.height) {
            return &frame;
        }
    }
    return nullptr;
}

DialogBaseUnits baseUnitsFor(int widthOfLatinAlphabet, int lineHeight) {
    return {(widthOfLatinAlphabet / 26 + 1) / 2, lineHeight};
}

namespace {

// value * numerator / denominator, rounded half away from zero, for non-negative values.
int scaledRounded(int value, int numerator, int denominator) {
    return (2 * value * numerator + denominator) / (2 * denominator);
}

} // namespace

DialogRect dialogPixels(DialogRect units, DialogBaseUnits base) {
    return {scaledRounded(units.x, base.width, 4), scaledRounded(units.y, base.height, 8),
            scaledRounded(units.width, base.width, 4), scaledRounded(units.height, base.height, 8)};
}
