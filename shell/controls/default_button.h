// The default button of a screen: Enter presses it wherever the focus is,
// unless another button has the focus, which Enter then presses instead.
// The space bar presses whichever button has the focus, as usual.
#pragma once

#include <QObject>

class QPushButton;
class QWidget;

class DefaultButton : public QObject {
    Q_OBJECT
public:
    // Makes button the default button of form (its window); owned by form.
    DefaultButton(QPushButton* button, QWidget* form);

    QPushButton* Button() const { return button_; }

private:
    void enterPressed();

    QPushButton* button_;
    QWidget* form_;
};
