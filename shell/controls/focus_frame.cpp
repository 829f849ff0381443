#include "shell/controls/focus_frame.h"

#include "shell/keyboard.h"

#include <QColor>
#include <QFocusEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

KeyboardFocus::KeyboardFocus() {
    Keyboard::WatchInput();
}

void KeyboardFocus::FocusIn(const QFocusEvent& event) {
    // The toolkit also moves the focus "by Tab" when the focused control is
    // disabled or hidden, after a mouse click too.
    const bool byTab =
        event.reason() == Qt::TabFocusReason || event.reason() == Qt::BacktabFocusReason;
    shown_ = byTab && Keyboard::LastInputWasKey();
}

bool KeyboardFocus::Shown(const QWidget& control) const {
    return shown_ && control.hasFocus();
}

namespace {

// A band of the given width along the inside of rect.
void FillBand(QPainter& painter, const QRect& rect, int width, const QColor& color) {
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), color);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), color);
    painter.fillRect(QRect(rect.left(), rect.top(), width, rect.height()), color);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), color);
}

} // namespace

void DrawFocusFrame(QPainter& painter, const QRect& rect) {
    // A twelfth of a button or cell; a large drawing gets no more than a
    // band that leaves what is drawn near its edges in view.
    constexpr int WidestBand = 8;
    const int band = std::clamp(std::min(rect.width(), rect.height()) / 12, 3, WidestBand);
    const int line = std::max(1, band / 3);
    FillBand(painter, rect, band, Qt::black);
    FillBand(painter, rect.adjusted(band, band, -band, -band), line, Qt::white);
}
