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

namespace Tracking {

const AdaptiveLadder& Ladder() {
    // Each level shows every item for a shorter time (less time to tell it
    // from the target), prints it smaller (harder to make out), or takes
    // the border away from each position (the screen itself calls the
    // border the easier way), and never makes another of the three easier.
    // The sizes stop at 30, the largest the Sequences exercise offers.
    static const AdaptiveLadder ladder{{"cboSpeed", "cboFont", "Check1"},
                                       {
                                           {"1.0", "30", "True"},  // 1
                                           {"0.9", "26", "True"},  // 2
                                           {"0.8", "22", "True"},  // 3
                                           {"0.7", "18", "True"},  // 4
                                           {"0.7", "18", "False"}, // 5
                                           {"0.6", "16", "False"}, // 6
                                           {"0.5", "14", "False"}, // 7
                                           {"0.4", "14", "False"}, // 8
                                           {"0.3", "12", "False"}, // 9
                                           {"0.2", "12", "False"}, // 10
                                           {"0.1", "12", "False"}, // 11
                                       }};
    return ladder;
}

} // namespace Tracking
