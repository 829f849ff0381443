#include "tests/robot/invariants.h"

#include "exercises/flipper/picture_sequence.h"
#include "shell/controls/combo_box.h"
#include "shell/forms.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/scores_screen.h"
#include "shell/framework/therapy_screen.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

const QString MainMenuName = "frmMain";

QString describe(const QWidget* window) {
    const QString name = window->objectName();
    return name.isEmpty() ? QString(window->metaObject()->className()) : name;
}

bool isMainMenu(const Form* form) {
    return form->objectName() == MainMenuName;
}

QList<Form*> loadedExerciseForms() {
    QList<Form*> forms = LoadedForms();
    forms.erase(std::remove_if(forms.begin(), forms.end(), isMainMenu), forms.end());
    return forms;
}

} // namespace

QList<Form*> LoadedForms() {
    QList<Form*> loaded;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form*>(window);
        if (form != nullptr && Forms::Find(form->objectName()) == form) {
            loaded.append(form);
        }
    }
    std::sort(loaded.begin(), loaded.end(),
              [](const Form* a, const Form* b) { return a->objectName() < b->objectName(); });
    return loaded;
}

QString ExerciseOf(const Form& form) {
    const auto* options = qobject_cast<const OptionsScreen*>(&form);
    if (options != nullptr && !options->ForProgramStep()) {
        return options->Names().options;
    }
    if (const auto* therapy = qobject_cast<const TherapyScreen*>(&form)) {
        return therapy->Names().options;
    }
    if (const auto* scores = qobject_cast<const ScoresScreen*>(&form)) {
        return scores->Names().options;
    }
    // A window opened over a screen of an exercise (the History window over
    // a scores screen) belongs to that exercise, and a program step's options
    // screen to the Programs window it was opened from.
    const QString above = form.StaysAbove();
    if (!above.isEmpty() && above != MainMenuName && above != form.objectName()) {
        if (const Form* owner = Forms::Find(above)) {
            return ExerciseOf(*owner);
        }
    }
    return isMainMenu(&form) ? QString() : form.objectName();
}

QList<QWidget*> VisibleWindows() {
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() != Qt::ToolTip) {
            windows.append(window);
        }
    }
    // topLevelWidgets() comes in no fixed order; a replay needs one.
    auto key = [](const QWidget* w) {
        return QString(w->metaObject()->className()) + "/" + w->objectName() + "/" +
               w->windowTitle();
    };
    std::stable_sort(windows.begin(), windows.end(),
                     [&key](const QWidget* a, const QWidget* b) { return key(a) < key(b); });
    return windows;
}

QString MoreThanOneExerciseOpen() {
    QSet<QString> open;
    for (const Form* form : loadedExerciseForms()) {
        open.insert(ExerciseOf(*form));
    }
    if (open.size() <= 1) {
        return {};
    }
    QStringList names = open.values();
    names.sort();
    return "more than one exercise open: " + names.join(", ");
}

QString MainMenuTakesClicksWrongly() {
    const Form* main = Forms::Find(MainMenuName);
    if (main == nullptr) {
        return {};
    }
    const QList<Form*> open = loadedExerciseForms();
    if (open.isEmpty() && !main->isEnabled()) {
        return "the main menu takes no clicks although no exercise is open";
    }
    if (!open.isEmpty() && main->isEnabled()) {
        return "the main menu takes clicks while " + open.first()->objectName() + " is open";
    }
    if (!main->isVisible()) {
        return "the main menu is not shown";
    }
    return {};
}

QString WindowNobodyCanReach() {
    const QList<Form*> open = loadedExerciseForms();
    if (open.isEmpty()) {
        return {};
    }
    for (const Form* form : open) {
        if (form->isVisible() && form->isEnabled()) {
            return {};
        }
    }
    QStringList names;
    for (const Form* form : open) {
        names << form->objectName() +
                     (form->isVisible() ? " (shown, takes no clicks)" : " (hidden)");
    }
    return "screens loaded that nobody can reach: " + names.join(", ");
}

QString WindowOffScreen() {
    for (const QWidget* window : VisibleWindows()) {
        const QScreen* screen = window->screen();
        if (screen == nullptr) {
            continue;
        }
        const QRect area = screen->geometry();
        const QRect frame = window->frameGeometry();
        const bool titleReachable = frame.top() >= area.top() && frame.left() >= area.left() &&
                                    frame.top() < area.bottom() - 10 &&
                                    frame.left() < area.right() - 40;
        if (!titleReachable) {
            return QString("window %1 lies off the screen at (%2, %3)")
                .arg(describe(window))
                .arg(frame.left())
                .arg(frame.top());
        }
    }
    return {};
}

QString WindowBehindOneThatTakesNoClicks() {
    const QList<Form*> order = Forms::ShownOrder();
    for (int upper = 1; upper < order.size(); ++upper) {
        const Form* above = order[upper];
        if (above->isEnabled()) {
            continue;
        }
        for (int lower = 0; lower < upper; ++lower) {
            const Form* below = order[lower];
            if (below->isEnabled() && below->frameGeometry().intersects(above->frameGeometry())) {
                return "window " + below->objectName() + " lies behind " + above->objectName() +
                       ", which takes no clicks";
            }
        }
    }
    return {};
}

namespace {
// The change between two figures may go either way ("change -39.0%").
bool IsSignedChange(const QString& text, qsizetype minusAt) {
    return text.left(minusAt).trimmed().toLower().endsWith("change");
}
} // namespace

QString InsaneFigure(const QString& shownText, bool overCountAllowed) {
    // What stands in double quotes echoes what the user typed (a program's
    // name, a date to export from); it is theirs, not a figure of KOVA's.
    const QString text = QString(shownText).remove(QRegularExpression("\"[^\"]*\""));
    const QString lower = text.toLower();
    for (const char* word : {"nan", "inf"}) {
        for (qsizetype at = lower.indexOf(word); at >= 0; at = lower.indexOf(word, at + 1)) {
            const bool startsWord = at == 0 || !lower[at - 1].isLetter();
            const bool endsWord = at + 3 >= lower.size() || !lower[at + 3].isLetter();
            if (startsWord && endsWord) {
                return "\"" + shownText + "\" shows " + word;
            }
        }
    }
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const bool minusBeforeDigit = text[i] == '-' && text[i + 1].isDigit();
        const bool partOfWord = i > 0 && (text[i - 1].isLetterOrNumber());
        if (minusBeforeDigit && !partOfWord && !IsSignedChange(text, i)) {
            return "\"" + shownText + "\" shows a negative number";
        }
    }
    for (qsizetype percent = text.indexOf('%'); percent >= 0;
         percent = text.indexOf('%', percent + 1)) {
        qsizetype start = percent;
        while (start > 0 && text[start - 1].isDigit()) {
            --start;
        }
        if (start == percent) {
            continue;
        }
        const double value = text.mid(start, percent - start).toDouble();
        if (value > 100 && !overCountAllowed) {
            return "\"" + shownText + "\" shows a percentage above 100";
        }
    }
    return {};
}

namespace {

// A value shown beside a ratio's caption ("Guesses/Correct") is one count
// over another: as a percentage it may well pass 100.
bool ShowsARatio(const QLabel* value, const QList<QLabel*>& labels) {
    const int middle = value->geometry().center().y();
    for (const QLabel* caption : labels) {
        const QRect place = caption->geometry();
        if (caption != value && caption->isVisible() && caption->parent() == value->parent() &&
            place.top() <= middle && middle <= place.bottom() && caption->text().contains('/')) {
            return true;
        }
    }
    return false;
}

} // namespace

QString InsaneNumberShown() {
    for (const Form* form : LoadedForms()) {
        if (!form->isVisible() || isMainMenu(form)) {
            continue;
        }
        const QList<QLabel*> labels = form->findChildren<QLabel*>();
        bool overCounted = false;
        for (const QLabel* label : labels) {
            overCounted = overCounted || label->text().contains("Over Counted");
        }
        if (QString broken = InsaneFigure(form->windowTitle(), false); !broken.isEmpty()) {
            return form->objectName() + " caption " + broken;
        }
        for (const QLabel* label : labels) {
            // The History window's heading names the patient shown, as typed.
            if (!label->isVisible() || label->objectName() == "lblPractices") {
                continue;
            }
            const bool aboveHundredAllowed = overCounted || ShowsARatio(label, labels);
            if (QString broken = InsaneFigure(label->text(), aboveHundredAllowed);
                !broken.isEmpty()) {
                return form->objectName() + "." + label->objectName() + " " + broken;
            }
        }
    }
    return {};
}

QString InsaneElapsedTime() {
    using namespace ModDODI;
    const bool sane = std::isfinite(ElapsedMinutes) && std::isfinite(ElapsedSeconds) &&
                      ElapsedMinutes >= 0 && ElapsedSeconds >= 0 && ElapsedTotalSeconds >= 0;
    if (sane) {
        return {};
    }
    return QString("elapsed time %1 min %2 s (%3 s in all)")
        .arg(ElapsedMinutes)
        .arg(ElapsedSeconds)
        .arg(ElapsedTotalSeconds);
}

bool IsDesignedMessage(const QString& prompt, int style) {
    constexpr int IconBits = 0x70;
    if ((style & IconBits) == vbQuestion || prompt == LastPictureNotice) {
        return true;
    }
    for (const Form* form : LoadedForms()) {
        for (const ValidatingComboBox* box : form->findChildren<ValidatingComboBox*>()) {
            if (!prompt.isEmpty() && box->RefusalMessage() == prompt) {
                return true;
            }
        }
    }
    return false;
}

QString UnexpectedMessageBox() {
    for (const QWidget* window : VisibleWindows()) {
        const auto* box = qobject_cast<const QMessageBox*>(window);
        const int style = box != nullptr && box->icon() == QMessageBox::Question ? vbQuestion : 0;
        if (box != nullptr && !IsDesignedMessage(box->text(), style)) {
            return "a box the design does not show: \"" + box->text() + "\"";
        }
    }
    return {};
}

QString BrokenInvariant() {
    for (QString (*check)() :
         {MoreThanOneExerciseOpen, MainMenuTakesClicksWrongly, WindowNobodyCanReach,
          WindowOffScreen, WindowBehindOneThatTakesNoClicks, InsaneNumberShown, InsaneElapsedTime,
          UnexpectedMessageBox}) {
        if (QString broken = check(); !broken.isEmpty()) {
            return broken;
        }
    }
    return {};
}
