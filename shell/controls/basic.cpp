#include "shell/controls/basic.h"

#include "shell/controls/colors.h"
#include "shell/controls/text_fit.h"
#include "shell/keyboard.h"
#include "shell/resizer.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// Keeps a caption off the bevel or frame it sits in.
constexpr int CaptionPadding = 2;

// How the text shown and every other text the control may show fit.
TextFit::Fitting FitAll(const QFont& font, const QString& shown, const QStringList& variants,
                        QRect room, int flags) {
    return TextFit::Fit(font, QStringList{shown} + variants, room.size(), flags);
}

} // namespace

VbButton::VbButton(const QString& name, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setAutoDefault(false);
}

void VbButton::SetBackColor(const QColor& color) {
    SetAnswerColor(color, AnswerMark::None);
}

void VbButton::SetAnswerColor(const QColor& color, AnswerMark mark) {
    mark_ = mark;
    update();
    QPalette p = palette();
    p.setColor(QPalette::Button, color);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, ReadableTextOn(color));
    setPalette(p);
}

QRect VbButton::TextRoom() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
        .adjusted(CaptionPadding, 0, -CaptionPadding, 0);
}

TextFit::Fitting VbButton::DrawnText() const {
    return FitAll(font(), text(), variants_, TextRoom(), Qt::TextShowMnemonic | Qt::TextWordWrap);
}

void VbButton::paintEvent(QPaintEvent* event) {
    paintFace(event);
    const bool framed = keyFocus_.Shown(*this);
    if (framed || mark_ != AnswerMark::None) {
        QPainter painter(this);
        if (framed) {
            DrawFocusFrame(painter, rect());
        }
        AnswerMarks::Draw(painter, rect(), mark_);
    }
}

void VbButton::keyPressEvent(QKeyEvent* event) {
    keyFocus_.KeyPressed();
    update();
    if (!Keyboard::MoveFocusByArrow(this, event->key())) {
        QPushButton::keyPressEvent(event);
    }
}

void VbButton::mousePressEvent(QMouseEvent* event) {
    keyFocus_.Hide();
    QPushButton::mousePressEvent(event);
}

void VbButton::focusInEvent(QFocusEvent* event) {
    keyFocus_.FocusIn(*event);
    QPushButton::focusInEvent(event);
}

void VbButton::focusOutEvent(QFocusEvent* event) {
    keyFocus_.Hide();
    QPushButton::focusOutEvent(event);
}

void VbButton::paintFace(QPaintEvent* event) {
    const QRect room = TextRoom();
    const TextFit::Fitting drawn = DrawnText();
    if (drawn.font == font() && TextFit::Fits(font(), text(), room.size(), Qt::TextShowMnemonic)) {
        QPushButton::paintEvent(event); // one line at the button's own font
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setFont(drawn.font);
    style()->drawItemText(&painter, room, Qt::AlignCenter | drawn.flags, option.palette,
                          isEnabled(), text(), QPalette::ButtonText);
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
    SetAnswerColor(color, AnswerMark::None);
}

void VbLabel::SetMark(AnswerMark mark) {
    mark_ = mark;
    update();
}

void VbLabel::SetAnswerColor(const QColor& color, AnswerMark mark) {
    SetMark(mark);
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
    SetDesignFontSize(this, points);
}

void VbLabel::SetBorder(bool single) {
    setFrameStyle(single ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

QRect VbLabel::TextRoom() const {
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int indentation = indent();
    if (indentation < 0 && frameWidth() > 0) {
        indentation = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    }
    if (indentation > 0) {
        const Qt::Alignment align = alignment();
        if (align & Qt::AlignLeft) {
            room.setLeft(room.left() + indentation);
        }
        if (align & Qt::AlignRight) {
            room.setRight(room.right() - indentation);
        }
        if (align & Qt::AlignTop) {
            room.setTop(room.top() + indentation);
        }
        if (align & Qt::AlignBottom) {
            room.setBottom(room.bottom() - indentation);
        }
    }
    if (frameWidth() > 0) { // nor touching the border
        room.adjust(1, 0, -1, 0);
    }
    return room;
}

TextFit::Fitting VbLabel::DrawnText() const {
    return FitAll(font(), text(), variants_, TextRoom(), wordWrap() ? int(Qt::TextWordWrap) : 0);
}

void VbLabel::paintEvent(QPaintEvent* event) {
    paintText(event);
    if (mark_ != AnswerMark::None) {
        QPainter painter(this);
        AnswerMarks::Draw(painter, rect(), mark_);
    }
}

void VbLabel::paintText(QPaintEvent* event) {
    const TextFit::Fitting drawn = DrawnText();
    if (drawn.font == font() &&
        (drawn.flags & Qt::TextWordWrap) == (wordWrap() ? Qt::TextWordWrap : 0)) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(drawn.font);
    style()->drawItemText(&painter, TextRoom(), int(alignment()) | drawn.flags, palette(),
                          isEnabled(), text(), foregroundRole());
}

void VbLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        Q_EMIT clicked();
    }
}

void CaptionFollowsValue(QAbstractButton* button, const QString& whenChecked,
                         const QString& whenUnchecked) {
    // Kept on the button, so a report can tell the setting from its state.
    button->setProperty(CaptionWhenChecked, whenChecked);
    button->setProperty(CaptionWhenUnchecked, whenUnchecked);
    const auto follow = [button, whenChecked, whenUnchecked](bool checked) {
        button->setText(checked ? whenChecked : whenUnchecked);
    };
    follow(button->isChecked());
    QObject::connect(button, &QAbstractButton::toggled, button, follow);
}
