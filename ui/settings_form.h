// The settings dialog's buttons and the game's settings: showing the settings when the dialog
// opens, and storing them when it is confirmed.
#pragma once

// What the dialog offers of its buttons.
class DialogButtons {
public:
    virtual ~DialogButtons() = default;
    virtual void check(int id) = 0;
    virtual bool isChecked(int id) const = 0;
};

// Checks the strength and men-count radio buttons and the check boxes that match the game's
// settings; the dialog opens with every button unchecked.
void showSettings(DialogButtons& buttons);

// Stores every setting from the buttons, in a fixed order, and starts a new game with them.
void storeSettings(const DialogButtons& buttons);
