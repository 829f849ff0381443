#include "shell/controls/combo_box.h"

#include "shell/held_events.h"
#include "shell/vb_runtime.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

QString WholePartText(const QString& text) {
    return WholeText(Int(Val(text)));
}

ComboRule RangeRule(double low, double high, const QString& message) {
    ComboRule rule;
    rule.accepts = [low, high](const QString& text) {
        return IsNumeric(text) && Val(text) >= low && Val(text) <= high;
    };
    rule.message = message;
    rule.normalise = WholePartText;
    return rule;
}

ComboRule RangeRule(double low, std::function<double()> high,
                    std::function<QString(double high)> message) {
    ComboRule rule;
    rule.accepts = [low, high](const QString& text) {
        return IsNumeric(text) && Val(text) >= low && Val(text) <= high();
    };
    rule.formMessage = [high, message = std::move(message)] { return message(high()); };
    rule.normalise = WholePartText;
    return rule;
}

ValidatingComboBox::ValidatingComboBox(const QString& name, QWidget* parent, bool listOnly)
    : QComboBox(parent) {
    setObjectName(name);
    setEditable(!listOnly);
    setInsertPolicy(QComboBox::NoInsert);
    if (isEditable()) {
        // No inline completion: typing "1" must not become "10" from the list.
        setCompleter(nullptr);
    }
    installEventFilter(this);
}

void ValidatingComboBox::SetItems(const QStringList& items, const QString& text) {
    clear();
    addItems(items);
    SetText(text);
}

void ValidatingComboBox::SetText(const QString& text) {
    const int index = findText(text);
    if (index >= 0) {
        setCurrentIndex(index);
    }
    if (isEditable()) {
        setEditText(text);
    }
}

double ValidatingComboBox::Value() const {
    return Val(currentText());
}

QString ValidatingComboBox::RefusalMessage() const {
    return rule_.formMessage ? rule_.formMessage() : rule_.message;
}

std::optional<QString> ValidatingComboBox::Refusal() const {
    if (!rule_.accepts || rule_.accepts(currentText())) {
        return std::nullopt;
    }
    return RefusalMessage();
}

bool ValidatingComboBox::Validate() {
    if (!rule_.accepts || validating_) {
        return true;
    }
    validating_ = true;
    const QString text = currentText();
    const bool accepted = rule_.accepts(text);
    const QString message = RefusalMessage();
    if (rule_.normalise) {
        SetText(rule_.normalise(text));
    }
    if (!accepted) {
        setFocus(Qt::OtherFocusReason);
        // The box is shown after the current event, so the focus change that
        // triggered the check has finished first (and never inside a wait).
        QPointer<ValidatingComboBox> self(this);
        HeldEvents::AfterCurrentEvent(this, [self, message] {
            if (self == nullptr) {
                return;
            }
            platform().MsgBox(message, self->rule_.icon, self->rule_.title);
            if (self != nullptr) {
                self->window()->activateWindow();
                self->setFocus(Qt::OtherFocusReason);
                self->validating_ = false;
            }
        });
    } else {
        validating_ = false;
    }
    Q_EMIT Checked(accepted);
    return accepted;
}

void ValidatingComboBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    // Watch presses anywhere in the window, so a click on another control can
    // be refused before that control acts on it.
    QWindow* handle = window()->windowHandle();
    if (handle != nullptr && watchedWindow_ != handle) {
        handle->installEventFilter(this);
        watchedWindow_ = handle;
    }
}

bool ValidatingComboBox::pressLeavesBox(QEvent* event) const {
    if (event->type() != QEvent::MouseButtonPress || !hasFocus() || !isVisible()) {
        return false;
    }
    const auto* press = static_cast<QMouseEvent*>(event);
    const QPoint inBox = mapFromGlobal(press->globalPosition().toPoint());
    return !rect().contains(inBox);
}

bool ValidatingComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_) {
        if (validating_ && (event->type() == QEvent::MouseButtonPress ||
                            event->type() == QEvent::MouseButtonRelease)) {
            return true; // the refused text's message is still to come
        }
        if (pressLeavesBox(event) && !Validate()) {
            return true;
        }
        return false;
    }
    if (watched == this && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool leftByUser = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                                reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
        if (leftByUser && !validating_) {
            Validate();
        }
    }
    return QComboBox::eventFilter(watched, event);
}
