#include "shell/controls/default_button.h"

#include <QApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

DefaultButton::DefaultButton(QPushButton* button, QWidget* form)
    : QObject(form), button_(button), form_(form) {
    setObjectName("DefaultButton");
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(QKeySequence(key), form);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, &DefaultButton::enterPressed);
    }
}

void DefaultButton::enterPressed() {
    auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
    QPushButton* target = focused != nullptr && form_->isAncestorOf(focused) ? focused : button_;
    if (target->isVisible() && target->isEnabled()) {
        target->click();
    }
}
