#include "tests/support/keys.h"

#include "shell/forms.h"
#include "tests/support/kova_test.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

namespace {

QWidget* ActiveWindow() {
    if (QWidget* window = QApplication::activeWindow()) {
        return window;
    }
    return Forms::Active();
}

} // namespace

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* window = ActiveWindow();
    if (window == nullptr) {
        ADD_FAILURE() << "no active window for a key";
        return;
    }
    QTest::keyClick(window->windowHandle(), key, modifiers);
    QCoreApplication::processEvents();
}

void TabTo(QWidget* control) {
    constexpr int MostTabs = 80;
    for (int tabs = 0; tabs < MostTabs; ++tabs) {
        if (QApplication::focusWidget() == control) {
            return;
        }
        PressKey(Qt::Key_Tab);
    }
    QWidget* focused = QApplication::focusWidget();
    ADD_FAILURE() << "Tab never reached " << control->objectName().toStdString() << " ("
                  << (control->isVisible() ? "shown" : "hidden") << ", "
                  << (control->isEnabled() ? "enabled" : "disabled") << ") in "
                  << ActiveWindow()->objectName().toStdString() << "; the focus is on "
                  << (focused != nullptr ? focused->objectName().toStdString() : "nothing");
}

void TabTo(const QWidget* parent, const QString& name) {
    TabTo(Find<QWidget>(parent, name));
}

void EnterOn(QWidget* button) {
    TabTo(button);
    PressKey(Qt::Key_Return);
}

void EnterOn(const QWidget* parent, const QString& name) {
    EnterOn(Find<QWidget>(parent, name));
}

void TypeKeys(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) {
        ADD_FAILURE() << "no control to type into";
        return;
    }
    QTest::keyClicks(focused, text);
    QCoreApplication::processEvents();
}
