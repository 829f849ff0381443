// The values of an options screen's controls by control name, read and set
// without the user, so that a screen's settings can be kept and put back
// later (a therapy program's steps). The screen's own rules judge them.
#pragma once

#include <QList>
#include <QString>
#include <optional>

class QWidget;

struct OptionValue {
    QString control; // the control's name, e.g. "cboPracTime"
    QString value;   // a combo box's text; "True"/"False" for option buttons
                     // and check boxes; a scroll bar's position
    bool operator==(const OptionValue&) const = default;
};
using OptionValues = QList<OptionValue>;

// Every setting control of the screen (combo boxes, option buttons, check
// boxes, scroll bars), shown or hidden, in the order the screen made them;
// controls marked with LeaveOutOfReport are previews, not settings.
OptionValues ReadOptionValues(const QWidget& optionsScreen);

// Sets the values on the screen and checks them as the screen's own rules
// would: every setting named once and nothing else, an option button or check
// box either "True" or "False", a list-only box one of its items, a scroll
// bar within its range, each combo box's text one its rule accepts (with the
// bounds that the other values set). The first value refused, as
// `control "value": the screen's message`; nothing when every one is accepted.
std::optional<QString> SetAndCheckOptionValues(QWidget& optionsScreen, const OptionValues& values);

// Marks a setting that values kept before it existed may leave out: it then
// keeps what it shows (the adaptive choices added to an exercise later).
void MarkAsOptionalSetting(QWidget* control);

// The value of one control in values; empty when it has none.
QString ValueOf(const OptionValues& values, const QString& control);
