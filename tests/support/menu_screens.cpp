#include "tests/support/menu_screens.h"

#include "shell/app.h"
#include "shell/forms_apart.h"
#include "shell/framework/option_values.h"
#include "shell/framework/options_screen.h"
#include "shell/main_menu.h"
#include "shell/menu_exercises.h"
#include "tests/support/kova_test.h"

#include <QGroupBox>
#include <QPushButton>
#include <memory>
#include <stdexcept>

QStringList MenuExerciseButtons() {
    frmMain menu; // built, never loaded: only its buttons are read
    QStringList buttons;
    for (const QPushButton* button :
         menu.findChild<QGroupBox*>("frmMenu")->findChildren<QPushButton*>()) {
        if (button->isEnabled()) {
            buttons << button->objectName();
        }
    }
    return buttons;
}

OptionsScreen& OpenFromMenu(const QString& button) {
    frmMain& menu = StartMainMenu();
    Click(&menu, "cmdTRMenu");
    Click(&menu, button);
    auto* options = dynamic_cast<OptionsScreen*>(Forms::Active());
    if (options == nullptr) {
        throw std::runtime_error("no options screen for " + button.toStdString());
    }
    return *options;
}

QPushButton* ButtonCaptioned(const QWidget& screen, const QString& caption) {
    for (QPushButton* button : screen.findChildren<QPushButton*>()) {
        if (button->text() == caption && button->isVisible()) {
            return button;
        }
    }
    throw std::runtime_error("no button " + caption.toStdString() + " on " +
                             screen.objectName().toStdString());
}

ProgramStep StepOf(const QString& exercise, const QList<OptionValue>& changes) {
    ChooseMenuExerciseMode(exercise);
    const std::unique_ptr<Form> screen = Forms::MakeApart(MenuExerciseForm(exercise));
    ProgramStep step{exercise, ReadOptionValues(*screen)};
    for (const OptionValue& change : changes) {
        step = WithOption(step, change.control, change.value);
    }
    return step;
}

ProgramStep WithOption(ProgramStep step, const QString& control, const QString& value) {
    for (OptionValue& option : step.options) {
        if (option.control == control) {
            option.value = value;
        }
    }
    return step;
}
