#include "exercises/tracking/tracking_rules.h"

#include "shell/framework/options_screen.h"
#include "shell/vb_runtime.h"

namespace {
const QString NoLimit = "NoLimit";
}

QStringList PerLineList(bool sequences) {
    return sequences ? QStringList{"2", "4", "6"} : QStringList{"2", "5", "8"};
}

QStringList FontList(bool sequences) {
    return NumberList(12, sequences ? 30 : 36, 2);
}

QStringList SpeedList() {
    return NumberList(0.1, 1.0, 0.1, 1);
}

QStringList PagesList() {
    return QStringList{NoLimit} + NumberList(2, 10, 1);
}

ComboRule PerLineRule(bool sequences) {
    ComboRule rule;
    const QStringList allowed = PerLineList(sequences);
    rule.accepts = [allowed](const QString& text) {
        return IsNumeric(text) && allowed.contains(WholeText(Val(text))) &&
               Val(text) == Int(Val(text));
    };
    rule.message =
        sequences ? "Only 2, 4, or 6 Characters Per Line." : "Only 2, 5, or 8 Characters Per Line.";
    rule.icon = vbInformation;
    rule.title = "Error Message";
    rule.normalise = WholePartText;
    return rule;
}

ComboRule FontRule(bool sequences) {
    return sequences ? RangeRule(12, 30, "Font Size must be between 12 and 30.")
                     : RangeRule(12, 36, "Font Size must be between 12 and 36.");
}

ComboRule SpeedRule() {
    return DisplaySpeedRule(2, "Display Speed must be between 0.1 and 2 secs.");
}

ComboRule PagesRule() {
    ComboRule rule;
    rule.accepts = [](const QString& text) {
        return text == NoLimit || (IsNumeric(text) && Val(text) >= 2 && Val(text) <= 10);
    };
    rule.message = "Pages Per Session must between 2 and 10.";
    rule.normalise = [](const QString& text) {
        return IsNumeric(text) ? WholePartText(text) : text;
    };
    return rule;
}

ComboRule SequenceLengthRule() {
    return RangeRule(2, 4, "Sequence Length must between 2 and 4.");
}

int PagesLimitValue(const QString& pagesText) {
    return IsNumeric(pagesText) ? static_cast<int>(Int(Val(pagesText))) : 0;
}
