// A combo box that checks its text when the user leaves it and keeps the
// focus while the text is refused.
#pragma once

#include "shell/platform.h"

#include <QComboBox>
#include <functional>
#include <optional>

struct ComboRule {
    // Read at every check, so a bound may follow other settings.
    std::function<bool(const QString& text)> accepts;
    QString message;
    // When set, forms the message at the check instead (a bound that changes).
    std::function<QString()> formMessage;
    int icon = vbExclamation;
    QString title = "Information";
    // The text the box holds afterwards, valid or not.
    std::function<QString(const QString& text)> normalise;
};

// The whole part of the text's numeric value ("12.7" -> "12", "word" -> "0").
QString WholePartText(const QString& text);

// Numeric and within [low, high]; afterwards the whole part.
ComboRule RangeRule(double low, double high, const QString& message);
// The same with an upper bound read at every check; the message is formed
// from the bound in force.
ComboRule RangeRule(double low, std::function<double()> high,
                    std::function<QString(double high)> message);

class ValidatingComboBox : public QComboBox {
    Q_OBJECT
public:
    // An editable box; listOnly makes a box whose text can only be picked.
    ValidatingComboBox(const QString& name, QWidget* parent, bool listOnly = false);

    void SetItems(const QStringList& items, const QString& text);
    void SetText(const QString& text);
    QString Text() const { return currentText(); }
    double Value() const;

    void SetRule(ComboRule rule) { rule_ = std::move(rule); }
    // The message a refusal of the text shows now (empty without a rule).
    QString RefusalMessage() const;
    // Checks and normalises the text; when refused, shows the message and
    // keeps the focus here. Returns whether the text was accepted.
    bool Validate();
    // The message the box would show for its text now, without showing it;
    // nothing when the text is accepted.
    std::optional<QString> Refusal() const;

Q_SIGNALS:
    // After every check, accepted or not, once the text is normalised.
    void Checked(bool accepted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool pressLeavesBox(QEvent* event) const;

    ComboRule rule_;
    bool validating_ = false;
    QObject* watchedWindow_ = nullptr;
};
