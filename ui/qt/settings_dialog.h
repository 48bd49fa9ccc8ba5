// The settings dialog of the Linux desktop program, built from the neutral description of the
// Windows dialog: the same 23 controls, texts, groups, places and Tab order.
#pragma once

#include <QDialog>
#include <map>

class QAbstractButton;
struct DialogBaseUnits;

class SettingsDialog : public QDialog {
public:
    // Opens showing the game's settings; OK stores them and starts a new game.
    explicit SettingsDialog(QWidget* owner);

    // The control of an id; nullptr for an id the dialog does not have.
    QAbstractButton* control(int id) const;

private:
    void addControls(const DialogBaseUnits& base);
    void confirm();

    std::map<int, QAbstractButton*> controls;
};
