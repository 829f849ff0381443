#include "shell/controls/scroll_bar.h"

#include <QScrollBar>

QScrollBar* MakeScrollBar(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setAccessibleName(accessibleName);
    // A scroll bar turns its keys round by default (Right steps back), as if
    // it scrolled a page; here Right and Up step the value up.
    bar->setInvertedControls(false);
    bar->setFocusPolicy(Qt::TabFocus); // reached by Tab; a click leaves the focus where it was
    return bar;
}
