#include "shell/controls/answer_box.h"

#include "shell/platform.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {

constexpr int Backspace = 8;
constexpr int Enter = 13;

bool IsDigit(int code) {
    return code >= '0' && code <= '9';
}

// Delete with no modifier (Shift+Delete cuts, Ctrl+Delete takes a word).
bool IsPlainDelete(const QKeyEvent& event) {
    return event.key() == Qt::Key_Delete &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Keys that only move the cursor or the selection.
bool MovesCursor(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    default:
        return false;
    }
}

} // namespace

int CharacterCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Delete:
        return 0;
    default:
        break;
    }
    if (event.modifiers() & Qt::ControlModifier) {
        // Control with a letter gives the control character (Ctrl+V is 22).
        const int key = event.key();
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : 0;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).unicode() == 127) {
        return 0;
    }
    return text.at(0).unicode();
}

AnswerBox::AnswerBox(const QString& name, QWidget* parent, Keys keys)
    : QLineEdit(parent), keys_(keys) {
    setObjectName(name);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    if (keys == Keys::DigitsOnly) {
        // A second guard: whatever inserts text, only digits are taken.
        setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
    }
}

bool AnswerBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Enter belongs to the box, not to a default button of the screen.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void AnswerBox::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::AltModifier) {
        event->ignore(); // menu and button accelerators
        return;
    }
    const int code = CharacterCode(*event);
    if (code == 0) {
        if (MovesCursor(*event)) {
            QLineEdit::keyPressEvent(event);
        } else if (keys_ == Keys::DigitsOnly && IsPlainDelete(*event)) {
            del(); // the box edits itself, as with Backspace; no character to hand on
        }
        return; // anything else that would edit the text (paste keys) does nothing
    }
    if (keys_ == Keys::DigitsOnly) {
        takeDigitKey(code);
        return;
    }
    Q_EMIT KeyPress(code);
}

void AnswerBox::takeDigitKey(int code) {
    if (IsDigit(code)) {
        insert(QString(QChar(code)));
    } else if (code == Backspace) {
        backspace();
    } else if (code != Enter) {
        platform().Beep();
        return;
    }
    Q_EMIT KeyPress(code);
}

void AnswerBox::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}

void AnswerBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        return; // the middle button would paste the selection
    }
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}
