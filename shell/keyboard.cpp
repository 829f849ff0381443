#include "shell/keyboard.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace Keyboard {

namespace {

bool TakesTab(const QWidget* widget) {
    return widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
           widget->focusProxy() == nullptr;
}

// The shown child widgets of parent (windows of their own left out), in
// reading order: sorted from the top, gathered into rows (a widget whose top
// lies above the middle of the row's first widget joins that row), each row
// sorted from the left.
QList<QWidget*> ChildrenInReadingOrder(const QWidget* parent) {
    QList<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child != nullptr && !child->isWindow() && !child->isHidden()) {
            children.append(child);
        }
    }
    std::stable_sort(children.begin(), children.end(), [](const QWidget* a, const QWidget* b) {
        return a->geometry().top() < b->geometry().top();
    });
    QList<QWidget*> ordered;
    auto rowStart = children.begin();
    while (rowStart != children.end()) {
        const QRect first = (*rowStart)->geometry();
        const int rowMiddle = first.top() + first.height() / 2;
        auto rowEnd = std::find_if(rowStart, children.end(), [rowMiddle](const QWidget* w) {
            return w->geometry().top() >= rowMiddle;
        });
        if (rowEnd == rowStart) {
            ++rowEnd; // an empty widget makes a row of its own
        }
        std::stable_sort(rowStart, rowEnd, [](const QWidget* a, const QWidget* b) {
            return a->geometry().left() < b->geometry().left();
        });
        ordered.append(QList<QWidget*>(rowStart, rowEnd));
        rowStart = rowEnd;
    }
    return ordered;
}

void Collect(const QWidget* parent, QList<QWidget*>& reached) {
    for (QWidget* child : ChildrenInReadingOrder(parent)) {
        if (TakesTab(child)) {
            reached.append(child);
        }
        Collect(child, reached);
    }
}

} // namespace

QList<QWidget*> ReadingOrder(QWidget* window) {
    QList<QWidget*> reached;
    Collect(window, reached);
    return reached;
}

QWidget* NextInReadingOrder(QWidget* window, QWidget* current, bool next) {
    const QList<QWidget*> order = ReadingOrder(window);
    if (order.isEmpty()) {
        return nullptr;
    }
    const auto at = order.indexOf(current);
    if (at < 0) {
        return next ? order.first() : order.last();
    }
    const auto count = order.size();
    return order.at((at + (next ? 1 : count - 1)) % count);
}

bool MoveFocusByArrow(QWidget* control, int key) {
    QPoint toward;
    switch (key) {
    case Qt::Key_Left:
        toward = {-1, 0};
        break;
    case Qt::Key_Right:
        toward = {1, 0};
        break;
    case Qt::Key_Up:
        toward = {0, -1};
        break;
    case Qt::Key_Down:
        toward = {0, 1};
        break;
    default:
        return false;
    }
    const QWidget* parent = control->parentWidget();
    if (parent == nullptr) {
        return true;
    }
    const QPoint from = control->geometry().center();
    // A sibling lies that way when its centre is past this control's edge.
    const int halfExtent = (toward.x() != 0 ? control->width() : control->height()) / 2;
    QWidget* nearest = nullptr;
    int nearestCost = 0;
    for (QWidget* sibling : ChildrenInReadingOrder(parent)) {
        if (sibling == control || !TakesTab(sibling)) {
            continue;
        }
        const QPoint offset = sibling->geometry().center() - from;
        const int along = offset.x() * toward.x() + offset.y() * toward.y();
        const int across = std::abs(offset.x() * toward.y() + offset.y() * toward.x());
        if (along <= halfExtent) {
            continue;
        }
        // Off the row or column costs twice its distance.
        const int cost = along + 2 * across;
        if (nearest == nullptr || cost < nearestCost) {
            nearest = sibling;
            nearestCost = cost;
        }
    }
    if (nearest != nullptr) {
        nearest->setFocus(Qt::TabFocusReason);
    }
    return true;
}

namespace {

// Takes Tab and Shift+Tab from every control of a Form before the control
// handles them itself.
class ReadingOrderTab : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
            return false;
        }
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
            return false;
        }
        const bool back = key.key() == Qt::Key_Backtab ||
                          (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier));
        if (!back && key.key() != Qt::Key_Tab) {
            return false;
        }
        auto* control = static_cast<QWidget*>(watched);
        QWidget* window = control->window();
        if (!window->inherits("Form") || qobject_cast<QPlainTextEdit*>(control) != nullptr ||
            qobject_cast<QTextEdit*>(control) != nullptr) {
            return false; // text boxes take Tab as a character
        }
        QWidget* target = NextInReadingOrder(window, window->focusWidget(), !back);
        if (target == nullptr) {
            return false;
        }
        target->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
};

// Whether a key is typed as text into a box: typing an answer is not moving
// over the screen by keys.
bool TypedIntoABox(QObject* receiver, const QKeyEvent& key) {
    const bool textBox = qobject_cast<QLineEdit*>(receiver) != nullptr ||
                         qobject_cast<QAbstractSpinBox*>(receiver) != nullptr ||
                         qobject_cast<QPlainTextEdit*>(receiver) != nullptr ||
                         qobject_cast<QTextEdit*>(receiver) != nullptr;
    return textBox && key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab;
}

// Notes whether the last press was a key that moves over the screen or a
// mouse button.
class InputWatch : public QObject {
public:
    bool lastWasKey = false;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!TypedIntoABox(receiver, static_cast<const QKeyEvent&>(*event))) {
                lastWasKey = true;
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
            lastWasKey = false;
            break;
        default:
            break;
        }
        return false;
    }
};

InputWatch* Watch() {
    static InputWatch* watch = nullptr;
    if (watch == nullptr && QCoreApplication::instance() != nullptr) {
        watch = new InputWatch;
        watch->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watch);
    }
    return watch;
}

} // namespace

void WatchInput() {
    Watch();
}

bool LastInputWasKey() {
    const InputWatch* watch = Watch();
    return watch != nullptr && watch->lastWasKey;
}

void TabInReadingOrder() {
    static ReadingOrderTab* filter = nullptr;
    if (filter == nullptr && QCoreApplication::instance() != nullptr) {
        filter = new ReadingOrderTab;
        filter->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

bool Press(QAbstractButton* button) {
    if (button == nullptr || !button->isVisible() || !button->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

bool EnterPresses(const QWidget* focused) {
    return qobject_cast<const QAbstractButton*>(focused) != nullptr &&
           qobject_cast<const QCheckBox*>(focused) == nullptr &&
           qobject_cast<const QRadioButton*>(focused) == nullptr;
}

int AnswerNumber(const QKeyEvent& event) {
    if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
        return 0;
    }
    const int key = event.key();
    return key >= Qt::Key_1 && key <= Qt::Key_4 ? key - Qt::Key_0 : 0;
}

} // namespace Keyboard
