// The focus frame that a keyboard user follows over buttons, grids and
// boards. It shows only while the control has a focus that a key gave it or
// used (Tab, an arrow key, a key pressed on it), so that a mouse user sees
// each screen as designed.
#pragma once

#include <QRect>

class QFocusEvent;
class QPainter;
class QWidget;

class KeyboardFocus {
public:
    KeyboardFocus();
    void FocusIn(const QFocusEvent& event);
    void KeyPressed() { shown_ = true; }
    // Focus lost or a mouse press.
    void Hide() { shown_ = false; }
    bool Shown(const QWidget& control) const;

private:
    bool shown_ = false;
};

// A black band with a white line inside it, along the inside of rect, so that
// it shows on every colour; its width grows with the control's size.
void DrawFocusFrame(QPainter& painter, const QRect& rect);
