#include "ui/settings_form.h"

#include "engine/game.h"
#include "ui/resource.h"

namespace {

// The strength radio buttons, by the strength each stands for.
constexpr int strengthButtons[] = {
    IDC_STRENGTH_0, IDC_STRENGTH_1, IDC_STRENGTH_2,  IDC_STRENGTH_3,
    IDC_STRENGTH_4, IDC_STRENGTH_5, IDC_STRENGTH_6,  IDC_STRENGTH_7,
    IDC_STRENGTH_8, IDC_STRENGTH_9, IDC_STRENGTH_10, IDC_STRENGTH_11,
};

struct MenButton {
    int id;
    int men;
};

constexpr MenButton menButtons[] = {{IDC_MEN_4, 4}, {IDC_MEN_8, 8}, {IDC_MEN_12, 12}};

// The check boxes, in the order their settings are stored.
struct CheckBox {
    int id;
    int (*read)(const Game&);
    void (*write)(Game&, int);
};

const CheckBox checkBoxes[] = {
    {IDC_RED_ALL_KINGS, [](const Game& g) { return g.getAllKings(Red); },
     [](Game& g, int on) { g.setRedAllKings(on); }},
    {IDC_BLUE_ALL_KINGS, [](const Game& g) { return g.getAllKings(Blue); },
     [](Game& g, int on) { g.setBlueAllKings(on); }},
    {IDC_RED_MOVES_FIRST, [](const Game& g) { return g.getRedMovesFirst(); },
     [](Game& g, int on) { g.setRedMovesFirst(on); }},
    {IDC_VS_HUMAN, [](const Game& g) { return g.getVsHuman(); },
     [](Game& g, int on) { g.setVsHuman(on); }},
};

} // namespace

void showSettings(DialogButtons& buttons) {
    const int strength = game.getStrength();
    if (strength >= 0 && strength <= 11) {
        buttons.check(strengthButtons[strength]);
    }
    for (const MenButton& button : menButtons) {
        if (game.getPieceSetting() == button.men) {
            buttons.check(button.id);
        }
    }
    for (const CheckBox& box : checkBoxes) {
        if (box.read(game) == 1) {
            buttons.check(box.id);
        }
    }
}

void storeSettings(const DialogButtons& buttons) {
    for (int strength = 0; strength <= 11; ++strength) {
        if (buttons.isChecked(strengthButtons[strength])) {
            game.setStrength(strength);
        }
    }
    for (const MenButton& button : menButtons) {
        if (buttons.isChecked(button.id)) {
            game.setPieceSetting(button.men);
        }
    }
    for (const CheckBox& box : checkBoxes) {
        box.write(game, buttons.isChecked(box.id) ? 1 : 0);
    }
    game.newGame();
}
