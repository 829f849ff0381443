// Keyboard use of the screens: the order Tab moves in, and the keys a form
// answers when the focused control leaves them.
#pragma once

#include <QList>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace Keyboard {

// The controls of window that Tab reaches now (shown, enabled, taking focus
// by Tab), in reading order: the controls of a frame or grid stay together,
// and siblings go row by row from the top, each row from left to right.
QList<QWidget*> ReadingOrder(QWidget* window);

// From the first call on, Tab and Shift+Tab in a screen (a Form) move the
// focus in its reading order. Only the keys: when a focused control is hidden
// or disabled, the focus moves on as the toolkit moves it.
void TabInReadingOrder();

// Watches the user's input from now on (once per program; a control that
// shows a keyboard focus frame calls it when made).
void WatchInput();
// Whether the user's last press was a key rather than a mouse button (text
// typed into a box left out): a focus that moves on by itself (its control
// disabled or hidden) shows the focus frame only to a keyboard user.
bool LastInputWasKey();

// The control Tab (next) or Shift+Tab moves to from current, round the end of
// the order; nullptr when the window has none.
QWidget* NextInReadingOrder(QWidget* window, QWidget* current, bool next);

// For an arrow key: moves the focus from control to the nearest sibling that
// Tab reaches in the arrow's direction, preferring one in the same row or
// column (a grid's cells, a frame's answers); no sibling there, no move.
// False for any other key.
bool MoveFocusByArrow(QWidget* control, int key);

// Presses button as a click would, when it is shown and enabled; false otherwise.
bool Press(QAbstractButton* button);

// Whether Enter presses this control: push buttons and grid cells, not the
// check boxes and option buttons that Space toggles.
bool EnterPresses(const QWidget* focused);

// 1 to 4 for the digit keys 1 to 4 without Ctrl or Alt (keypad too), else 0.
int AnswerNumber(const QKeyEvent& event);

} // namespace Keyboard
