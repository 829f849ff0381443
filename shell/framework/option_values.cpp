#include "shell/framework/option_values.h"

#include "shell/controls/combo_box.h"
#include "shell/framework/practice_report.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>

namespace {

const QString True = "True";
const char* const OptionalProperty = "kovaOptionalSetting";
const QString False = "False";

// The setting controls of the screen, in the order the screen made them.
QList<QWidget*> SettingControls(const QWidget& screen) {
    QList<QWidget*> controls;
    for (QWidget* child : screen.findChildren<QWidget*>()) {
        const bool setting = qobject_cast<ValidatingComboBox*>(child) != nullptr ||
                             qobject_cast<QRadioButton*>(child) != nullptr ||
                             qobject_cast<QCheckBox*>(child) != nullptr ||
                             qobject_cast<QScrollBar*>(child) != nullptr;
        if (setting && !child->objectName().isEmpty() && !IsLeftOutOfReport(*child, screen)) {
            controls << child;
        }
    }
    return controls;
}

QString ValueIn(const QWidget& control) {
    if (const auto* combo = qobject_cast<const ValidatingComboBox*>(&control)) {
        return combo->Text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return button->isChecked() ? True : False;
    }
    return QString::number(qobject_cast<const QScrollBar*>(&control)->value());
}

// Why the control cannot take the value at all; empty when it can.
QString Unfit(const QWidget& control, const QString& value) {
    if (const auto* combo = qobject_cast<const ValidatingComboBox*>(&control)) {
        return !combo->isEditable() && combo->findText(value) < 0 ? "not one of its choices"
                                                                  : QString();
    }
    if (qobject_cast<const QAbstractButton*>(&control) != nullptr) {
        return value == True || value == False ? QString() : "neither True nor False";
    }
    const auto* bar = qobject_cast<const QScrollBar*>(&control);
    bool whole = false;
    const int position = value.toInt(&whole);
    if (!whole || position < bar->minimum() || position > bar->maximum()) {
        return QString("not a whole number from %1 to %2").arg(bar->minimum()).arg(bar->maximum());
    }
    return {};
}

void SetValue(QWidget& control, const QString& value) {
    if (auto* combo = qobject_cast<ValidatingComboBox*>(&control)) {
        combo->SetText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        // Clicking the chosen button runs the screen's own handler, as a user's click does.
        if (value == True && !button->isChecked()) {
            button->click();
        } else if (value == False && button->isChecked() &&
                   qobject_cast<QCheckBox*>(button) != nullptr) {
            button->click();
        }
    } else {
        qobject_cast<QScrollBar*>(&control)->setValue(value.toInt());
    }
}

QString Refused(const OptionValue& value, const QString& why) {
    return QString("%1 \"%2\": %3").arg(value.control, value.value, why);
}

} // namespace

OptionValues ReadOptionValues(const QWidget& optionsScreen) {
    OptionValues values;
    for (const QWidget* control : SettingControls(optionsScreen)) {
        values.append(OptionValue{control->objectName(), ValueIn(*control)});
    }
    return values;
}

std::optional<QString> SetAndCheckOptionValues(QWidget& optionsScreen, const OptionValues& values) {
    QHash<QString, QWidget*> byName;
    for (QWidget* control : SettingControls(optionsScreen)) {
        byName.insert(control->objectName(), control);
    }
    QSet<QString> named;
    for (const OptionValue& value : values) {
        QWidget* control = byName.value(value.control);
        if (control == nullptr) {
            return Refused(value, "this exercise has no such option");
        }
        if (named.contains(value.control)) {
            return Refused(value, "named twice");
        }
        named.insert(value.control);
        if (const QString why = Unfit(*control, value.value); !why.isEmpty()) {
            return Refused(value, why);
        }
    }
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        if (!named.contains(it.key()) && !it.value()->property(OptionalProperty).toBool()) {
            return Refused({it.key(), ""}, "missing");
        }
    }
    for (const OptionValue& value : values) {
        SetValue(*byName.value(value.control), value.value);
    }
    // Checked once all are set: a bound may follow another option, and a
    // choice may have been undone by a later one of the same group.
    for (const OptionValue& value : values) {
        QWidget* control = byName.value(value.control);
        if (ValueIn(*control) != value.value) {
            return Refused(value, "conflicts with the other choices of its group");
        }
        if (auto* combo = qobject_cast<ValidatingComboBox*>(control)) {
            if (const std::optional<QString> message = combo->Refusal()) {
                return Refused(value, *message);
            }
        }
    }
    return std::nullopt;
}

void MarkAsOptionalSetting(QWidget* control) {
    control->setProperty(OptionalProperty, true);
}

QString ValueOf(const OptionValues& values, const QString& control) {
    for (const OptionValue& value : values) {
        if (value.control == control) {
            return value.value;
        }
    }
    return {};
}
