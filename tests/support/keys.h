// Keyboard input as a keyboard user gives it: each key goes to the active
// window, whose focused control takes it first.
#pragma once

#include <QString>
#include <Qt>

class QWidget;

// Presses and releases a key in the active window (the active form when the
// window system names none).
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Presses Tab until control has the focus; fails the test when a round of the
// window's controls never reaches it.
void TabTo(QWidget* control);
void TabTo(const QWidget* parent, const QString& name);
// Tabs to a button and presses it with Enter.
void EnterOn(QWidget* button);
void EnterOn(const QWidget* parent, const QString& name);
// Types text into the focused control, key by key.
void TypeKeys(const QString& text);
