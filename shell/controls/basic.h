// Buttons and labels with a back colour; a label that reports clicks.
#pragma once

#include <QLabel>
#include <QPushButton>

class QAbstractButton;

class VbButton : public QPushButton {
    Q_OBJECT
public:
    explicit VbButton(const QString& name, const QString& caption, QWidget* parent);
    void SetBackColor(const QColor& color);
    QColor BackColor() const;
};

class VbLabel : public QLabel {
    Q_OBJECT
public:
    explicit VbLabel(const QString& name, const QString& caption, QWidget* parent);
    void SetBackColor(const QColor& color); // an invalid colour makes it transparent
    QColor BackColor() const;
    void SetForeColor(const QColor& color);
    void SetFontSize(double points);
    void SetBorder(bool single);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Keeps the caption of a check box or option button in step with its value:
// whenChecked while ticked, whenUnchecked otherwise, however the value changes
// (a click, the space bar, a screen reader's toggle action or code).
void CaptionFollowsValue(QAbstractButton* button, const QString& whenChecked,
                         const QString& whenUnchecked);
