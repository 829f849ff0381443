// A frame shown over other controls (a message, an information text): it
// paints its whole background, so nothing behind it shows through, and when
// shown it grows to hide every control it would otherwise cover only in part.
#pragma once

#include <QGroupBox>

class CoveringFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit CoveringFrame(const QString& caption, QWidget* parent);

    // Shows the frame above the controls of its window.
    void ShowCovering();

    // The rectangle the frame takes to hide whole every visible sibling that
    // placed partly overlaps; a sibling that holds the whole frame (the
    // window's drawing surface) is a background, not a control to hide.
    static QRect CoveringRect(const QWidget& frame, QRect placed);

private:
    QRect placed_; // where the screen put the frame
    QRect grown_;  // where it grew to, the last time it was shown
};
