#include "shell/controls/basic.h"

#include <QAbstractButton>
#include <QMouseEvent>

VbButton::VbButton(const QString& name, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setAutoDefault(false);
}

void VbButton::SetBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Button, color);
    setPalette(p);
}

QColor VbButton::BackColor() const {
    return palette().color(QPalette::Button);
}

VbLabel::VbLabel(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    setObjectName(name);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void VbLabel::SetBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(color.isValid());
}

QColor VbLabel::BackColor() const {
    return autoFillBackground() ? palette().color(QPalette::Window) : QColor();
}

void VbLabel::SetForeColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void VbLabel::SetFontSize(double points) {
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void VbLabel::SetBorder(bool single) {
    setFrameStyle(single ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void VbLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        Q_EMIT clicked();
    }
}

void CaptionFollowsValue(QAbstractButton* button, const QString& whenChecked,
                         const QString& whenUnchecked) {
    const auto follow = [button, whenChecked, whenUnchecked](bool checked) {
        button->setText(checked ? whenChecked : whenUnchecked);
    };
    follow(button->isChecked());
    QObject::connect(button, &QAbstractButton::toggled, button, follow);
}
