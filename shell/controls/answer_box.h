// A one-line answer box that hands every typed key to its handler as a
// character code (Backspace 8 and Enter 13 included). No text reaches the box
// any other way: pasting (keys, middle button, context menu), dropping and
// input-method text are refused.
#pragma once

#include <QLineEdit>

class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    enum class Keys {
        // Every key goes to KeyPress; the box shows only what the handler sets.
        Any,
        // Digits and Backspace edit the box, then go to KeyPress with Enter;
        // Delete edits the box too; any other key beeps and is dropped.
        DigitsOnly,
    };
    AnswerBox(const QString& name, QWidget* parent, Keys keys = Keys::Any);

    Keys KeysTaken() const { return keys_; }

Q_SIGNALS:
    // One typed key, as its character code.
    void KeyPress(int keyAscii);
    // A left click in the box.
    void clicked();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void takeDigitKey(int code);

    Keys keys_;
};

// The character code of a key press; 0 for keys without one (arrows,
// function keys, Delete).
int CharacterCode(const QKeyEvent& event);
