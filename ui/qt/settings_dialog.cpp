#include "ui/qt/settings_dialog.h"

#include "ui/settings_form.h"
#include "ui/settings_layout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>

namespace {

class QtDialogButtons : public DialogButtons {
public:
    explicit QtDialogButtons(const SettingsDialog& dialog) : dialog(dialog) {}

    void check(int id) override { dialog.control(id)->setChecked(true); }
    bool isChecked(int id) const override { return dialog.control(id)->isChecked(); }

private:
    const SettingsDialog& dialog;
};

// The dialog's font: the face the Windows dialog asks for, else its stand-ins.
QFont dialogFont() {
    QStringList families{QString::fromUtf8(SettingsFontFace)};
    for (const char* fallback : SettingsFontFallbacks) {
        families.append(QString::fromUtf8(fallback));
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSize(SettingsFontPoints);
    return font;
}

// The check mark and its gap as the Windows dialog draws them (13 pixels, then 4), so that a
// label fits beside its mark in the same dialog units there and here.
class WindowsButtonMetrics : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: return 13;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing: return 4;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

// An auto radio button as the Windows dialog has it: a click checks it and clears the others of
// its group, a click on a checked one keeps it, and each one with a Tab stop is a Tab stop. (In a
// Qt button group, or exclusive by itself, a group would be a single Tab stop.)
class GroupedRadioButton : public QRadioButton {
public:
    GroupedRadioButton(const QString& text, QWidget* parent, int group)
        : QRadioButton(text, parent), group(group) {
        setAutoExclusive(false);
    }

protected:
    void nextCheckState() override {
        for (QRadioButton* button : parentWidget()->findChildren<QRadioButton*>()) {
            const auto* other = dynamic_cast<const GroupedRadioButton*>(button);
            if (other != nullptr && other->group == group) {
                button->setChecked(button == this);
            }
        }
    }

private:
    int group;
};

DialogBaseUnits baseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return baseUnitsFor(metrics.horizontalAdvance(QString::fromUtf8(BaseUnitSample)),
                        metrics.height());
}

QRect pixelRect(DialogRect units, DialogBaseUnits base) {
    const DialogRect pixels = dialogPixels(units, base);
    return QRect(pixels.x, pixels.y, pixels.width, pixels.height);
}

} // namespace

// A caption with a close box and nothing else, as the Windows dialog's frame.
SettingsDialog::SettingsDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setWindowTitle(QString::fromUtf8(SettingsCaption));
    setFont(dialogFont());
    const DialogBaseUnits base = baseUnitsOf(font());
    setFixedSize(pixelRect(SettingsPlace, base).size());
    addControls(base);
    QtDialogButtons buttons(*this);
    showSettings(buttons);
}

// In template order, which is also the Tab order. A radio button that starts a group starts a
// new group; the frames stand behind the buttons they enclose.
void SettingsDialog::addControls(const DialogBaseUnits& base) {
    auto* buttonStyle = new WindowsButtonMetrics;
    buttonStyle->setParent(this);
    int radioGroup = 0;
    for (const DialogControl& description : settingsControls) {
        const QString text = QString::fromUtf8(description.text);
        QWidget* widget = nullptr;
        QAbstractButton* button = nullptr;
        switch (description.kind) {
        case ControlKind::CheckBox: button = new QCheckBox(text, this); break;
        case ControlKind::RadioButton:
            radioGroup += description.startsGroup ? 1 : 0;
            button = new GroupedRadioButton(text, this, radioGroup);
            break;
        case ControlKind::DefaultButton:
        case ControlKind::Button: {
            auto* push = new QPushButton(text, this);
            push->setDefault(description.kind == ControlKind::DefaultButton);
            button = push;
            break;
        }
        case ControlKind::GroupBox:
            widget = new QGroupBox(text, this);
            widget->lower();
            break;
        }
        if (button != nullptr) {
            widget = button;
            controls[description.id] = button;
            button->setFocusPolicy(description.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            button->setStyle(buttonStyle);
        }
        widget->setGeometry(pixelRect(description.place, base));
    }
    connect(control(OkButtonId), &QAbstractButton::clicked, this, &SettingsDialog::confirm);
    connect(control(CancelButtonId), &QAbstractButton::clicked, this, &QDialog::reject);
}

QAbstractButton* SettingsDialog::control(int id) const {
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : found->second;
}

void SettingsDialog::confirm() {
    storeSettings(QtDialogButtons(*this));
    accept();
}
