#include "shell/framework/practice_report.h"

#include "shell/controls/basic.h"
#include "shell/forms.h"
#include "shell/framework/scores_screen.h"
#include "shell/framework/triad.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

constexpr const char* LeftOut = "leftOutOfReport";

bool Shown(const QWidget* widget, const QWidget& screen) {
    return widget->isVisibleTo(&screen) && !widget->property(LeftOut).toBool();
}

ReportLine Line(const QString& caption, const QString& text) {
    return {caption, text, NumberIn(text)};
}

// The label that captions a control: beside it in the same row, nearest to it.
QString CaptionBeside(const QWidget& control, const QWidget& screen) {
    const QRect box = control.geometry();
    const QLabel* nearest = nullptr;
    int nearestGap = 0;
    for (const QLabel* label :
         control.parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect at = label->geometry();
        const bool sameRow = at.center().y() >= box.top() && at.center().y() <= box.bottom();
        if (!sameRow || !Shown(label, screen) || label->text().trimmed().isEmpty()) {
            continue;
        }
        const int gap =
            at.left() >= box.right() ? at.left() - box.right() : box.left() - at.right();
        if (nearest == nullptr || gap < nearestGap) {
            nearest = label;
            nearestGap = gap;
        }
    }
    return nearest != nullptr ? nearest->text() : control.accessibleName();
}

QString FrameCaption(const QGroupBox& frame) {
    return frame.title().trimmed().isEmpty() ? frame.accessibleName() : frame.title();
}

QStringList Words(const QString& text) {
    return text.simplified().split(' ', Qt::SkipEmptyParts);
}

// A check box whose caption follows its value shows its state in its caption
// ("Beep On" / "Beep Off"): the words both captions share name the setting
// and the others are its value ("Beep": "Off", "Square Grid": "100").
ReportLine CaptionFollowingCheck(const QCheckBox& check) {
    const QStringList checked = Words(check.property(CaptionWhenChecked).toString());
    const QStringList unchecked = Words(check.property(CaptionWhenUnchecked).toString());
    const QStringList shown = check.isChecked() ? checked : unchecked;
    const qsizetype shortest = std::min(checked.size(), unchecked.size());
    qsizetype leading = 0;
    while (leading < shortest && checked[leading] == unchecked[leading]) {
        ++leading;
    }
    qsizetype trailing = 0;
    while (trailing < shortest - leading &&
           checked[checked.size() - 1 - trailing] == unchecked[unchecked.size() - 1 - trailing]) {
        ++trailing;
    }
    const QString state = shown.mid(leading, shown.size() - leading - trailing).join(' ');
    if (leading > 0 && !state.isEmpty()) {
        return Line(shown.first(leading).join(' '), state);
    }
    if (trailing > 0 && !state.isEmpty()) {
        return Line(shown.last(trailing).join(' '), state);
    }
    return Line(checked.join(' ') + " / " + unchecked.join(' '), shown.join(' '));
}

ReportLine CheckLine(const QCheckBox& check) {
    if (check.property(CaptionWhenChecked).isValid()) {
        return CaptionFollowingCheck(check);
    }
    return Line(check.text(), check.isChecked() ? "Yes" : "No");
}

QString ChosenOption(const QGroupBox& frame, const QWidget& screen) {
    for (const QRadioButton* option :
         frame.findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (option->isChecked() && Shown(option, screen)) {
            return option->text().trimmed();
        }
    }
    return {};
}

bool HasOptionButtons(const QGroupBox& frame, const QWidget& screen) {
    for (const QRadioButton* option :
         frame.findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (Shown(option, screen)) {
            return true;
        }
    }
    return false;
}

// A scroll bar in a captioned frame is captioned by the frame, as on screen.
QString SliderCaption(const QAbstractSlider& slider) {
    const auto* frame = qobject_cast<const QGroupBox*>(slider.parentWidget());
    if (frame != nullptr && !frame->title().trimmed().isEmpty()) {
        return frame->title();
    }
    return slider.accessibleName();
}

void CollectOptions(const QWidget& parent, const QWidget& screen, QList<ReportLine>& lines) {
    for (const QWidget* child :
         parent.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!Shown(child, screen)) {
            continue;
        }
        if (const auto* frame = qobject_cast<const QGroupBox*>(child)) {
            if (HasOptionButtons(*frame, screen)) {
                lines << Line(FrameCaption(*frame), ChosenOption(*frame, screen));
            }
            CollectOptions(*frame, screen, lines);
        } else if (const auto* check = qobject_cast<const QCheckBox*>(child)) {
            lines << CheckLine(*check);
        } else if (const auto* combo = qobject_cast<const QComboBox*>(child)) {
            lines << Line(CaptionBeside(*combo, screen), combo->currentText());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(child)) {
            lines << Line(CaptionBeside(*edit, screen), edit->text());
        } else if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(child)) {
            lines << Line(CaptionBeside(*spin, screen), spin->text());
        } else if (const auto* slider = qobject_cast<const QAbstractSlider*>(child)) {
            lines << Line(SliderCaption(*slider), QString::number(slider->value()));
        } else if (qobject_cast<const QRadioButton*>(child) == nullptr) {
            CollectOptions(*child, screen, lines);
        }
    }
}

QList<ReportLine> ScoreLinesOf(const ScoresScreen& screen) {
    QList<ReportLine> lines;
    for (const ScoreLine& line : screen.AllLines()) {
        const VbLabel* caption = screen.Caption(line.captionName);
        if (!caption->isVisibleTo(&screen)) {
            continue;
        }
        const VbLabel* value = screen.Value(line.valueName);
        ReportLine shown = Line(caption->text(), value != nullptr ? value->text() : QString());
        shown.setting = line.kind == LineKind::Setting;
        lines << shown;
    }
    return lines;
}

QString ExerciseName(const ScoresScreen& screen) {
    const QString caption = ExerciseMenuCaption(screen.Names().options);
    if (!caption.isEmpty()) {
        return caption;
    }
    QString title = screen.Title()->text();
    title.remove(QRegularExpression(" Scores$"));
    return title;
}

} // namespace

std::optional<double> NumberIn(const QString& text) {
    // A number, then at most a "%" or a unit in words ("Secs").
    static const QRegularExpression number(
        R"(^\s*([-+]?(?:\d+(?:\.\d*)?|\.\d+))\s*(?:%|[A-Za-z][A-Za-z .]*)?$)");
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return match.captured(1).toDouble();
}

void LeaveOutOfReport(QWidget* control) {
    control->setProperty(LeftOut, true);
}

bool IsLeftOutOfReport(const QWidget& control, const QWidget& screen) {
    for (const QWidget* at = &control; at != nullptr && at != &screen; at = at->parentWidget()) {
        if (at->property(LeftOut).toBool()) {
            return true;
        }
    }
    return false;
}

QList<ReportLine> OptionLinesOf(const QWidget& optionsScreen) {
    QList<ReportLine> lines;
    CollectOptions(optionsScreen, optionsScreen, lines);
    return lines;
}

PracticeReport ReportOf(const ScoresScreen& screen) {
    PracticeReport report;
    report.exercise = ExerciseName(screen);
    report.patientName = ModDODI::PatientName;
    report.started = screen.PracticeStartedAt();
    report.ended = screen.ShownAt();
    const VbLabel* practiceTime = screen.Value("lblPracTime");
    report.practiceTime = practiceTime != nullptr ? practiceTime->text() : PracticeTimeText();
    if (const Form* options = Forms::Find(screen.Names().options)) {
        report.options = OptionLinesOf(*options);
    }
    report.scores = ScoreLinesOf(screen);
    return report;
}
