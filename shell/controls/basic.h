// Buttons and labels with a back colour; a label that reports clicks.
// Their captions always fit: a caption that needs more room than the
// control has is wrapped (buttons, and labels that wrap) and drawn in a
// smaller font until it fits (TextFit).
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "shell/controls/answer_marks.h"
#include "shell/controls/focus_frame.h"
#include "shell/controls/text_fit.h"

class QAbstractButton;

class VbButton : public QPushButton {
    Q_OBJECT
public:
    explicit VbButton(const QString& name, const QString& caption, QWidget* parent);
    // Also keeps the caption dark and readable while the button is disabled,
    // so that an answer coloured green or red stays legible. An answer mark
    // shown before is taken away.
    void SetBackColor(const QColor& color);
    QColor BackColor() const;
    // The colour that judges an answer, with its answer mark.
    void SetAnswerColor(const QColor& color, AnswerMark mark);
    // The answer mark alone, for a label whose text colour judges an answer.
    void SetMark(AnswerMark mark);
    AnswerMark Mark() const { return mark_; }
    // Whether the keyboard's focus frame is drawn now.
    bool FocusFrameShown() const { return keyFocus_.Shown(*this); }

    // Other captions the button may show: it draws them all in one font size.
    void SetTextVariants(const QStringList& texts) {
        variants_ = texts;
        update();
    }
    const QStringList& TextVariants() const { return variants_; }
    // The room the caption is laid out in, and how it is drawn there (the
    // button's font, or a smaller one when a caption needs it).
    QRect TextRoom() const;
    TextFit::Fitting DrawnText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The arrow keys move the focus to the nearest button beside this one.
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintFace(QPaintEvent* event);

    QStringList variants_;
    AnswerMark mark_ = AnswerMark::None;
    KeyboardFocus keyFocus_;
};

class VbLabel : public QLabel {
    Q_OBJECT
public:
    explicit VbLabel(const QString& name, const QString& caption, QWidget* parent);
    // An invalid colour makes it transparent; an answer mark shown before is
    // taken away.
    void SetBackColor(const QColor& color);
    QColor BackColor() const;
    // The colour that judges an answer, with its answer mark.
    void SetAnswerColor(const QColor& color, AnswerMark mark);
    // The answer mark alone, for a label whose text colour judges an answer.
    void SetMark(AnswerMark mark);
    AnswerMark Mark() const { return mark_; }
    void SetForeColor(const QColor& color);
    void SetFontSize(double points);
    void SetBorder(bool single);

    // Other texts the label may show: it draws them all in one font size.
    void SetTextVariants(const QStringList& texts) {
        variants_ = texts;
        update();
    }
    const QStringList& TextVariants() const { return variants_; }
    // The room the text is laid out in, and how it is drawn there (the
    // label's font, or a smaller one when a text needs it).
    QRect TextRoom() const;
    TextFit::Fitting DrawnText() const;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void paintText(QPaintEvent* event);

    QStringList variants_;
    AnswerMark mark_ = AnswerMark::None;
};

// Keeps the caption of a check box or option button in step with its value:
// whenChecked while ticked, whenUnchecked otherwise, however the value changes
// (a click, the space bar, a screen reader's toggle action or code).
void CaptionFollowsValue(QAbstractButton* button, const QString& whenChecked,
                         const QString& whenUnchecked);
// The two captions of such a button, kept as properties of that name.
inline constexpr const char* CaptionWhenChecked = "captionWhenChecked";
inline constexpr const char* CaptionWhenUnchecked = "captionWhenUnchecked";
