#include "shell/framework/adaptive_rows.h"

#include "shell/controls/combo_box.h"
#include "shell/framework/layout.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/practice_report.h"
#include "shell/mod_dodi.h"
#include "shell/vb_runtime.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace {

constexpr double RowHeight = 375;
constexpr double RowStep = 480;
constexpr double RowsHeight = RowStep + RowHeight;
constexpr double RoomBelowRows = 120;
constexpr double ComboWidth = 780;
constexpr double Gap = 120;

const char* const ModeToolTip =
    "Answers are taken five at a time. Between sets, five right make the exercise one level "
    "harder, three or fewer right one level easier.";

// A whole number from the box's text, within 1 to last.
int LevelIn(const ValidatingComboBox* box, int last) {
    return std::clamp(int(Int(Val(box->Text()))), 1, last);
}

ComboRule LevelRule(const QString& caption, std::function<int()> low, std::function<int()> high) {
    ComboRule rule;
    rule.accepts = [low, high](const QString& text) {
        return IsNumeric(text) && Val(text) >= low() && Val(text) <= high();
    };
    rule.formMessage = [caption, low, high] {
        return QString("%1 must be between %2 and %3.").arg(caption).arg(low()).arg(high());
    };
    rule.normalise = WholePartText;
    return rule;
}

// The top of the highest control of the screen at or below top, in twips.
double NextControlTop(const QWidget& screen, double top) {
    double next = PixelsToTwips(screen.height());
    for (const QWidget* child : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->y() >= Twips(top)) {
            next = std::min(next, PixelsToTwips(child->y()));
        }
    }
    return next;
}

} // namespace

AdaptiveOptionRows::AdaptiveOptionRows(OptionsScreen& screen, AdaptiveLadder ladder)
    : QObject(&screen), screen_(screen), ladder_(std::move(ladder)) {
    setObjectName("adaptiveOptionRows");
}

AdaptiveOptionRows* AdaptiveOptionRows::AttachTo(OptionsScreen& screen,
                                                 const AdaptiveLadderDeclaration& declaration) {
    auto* rows = new AdaptiveOptionRows(screen, declaration.ladder);
    const double top = declaration.places.optionRowsTop;
    const double room = NextControlTop(screen, top) - top;
    if (room < RowsHeight + RoomBelowRows) {
        screen.MakeRoomAt(top, RowsHeight + RoomBelowRows - room);
    }
    rows->build(declaration.places.optionRowsLeft, top);
    rows->watchLadderControls();
    rows->readStoredLevel();
    rows->showModeChoices();
    return rows;
}

AdaptiveOptionRows* AdaptiveOptionRows::Of(const QWidget* screen) {
    return screen == nullptr ? nullptr
                             : screen->findChild<AdaptiveOptionRows*>("adaptiveOptionRows",
                                                                      Qt::FindDirectChildrenOnly);
}

void AdaptiveOptionRows::build(double left, double top) {
    mode_ = MakeCheck(AdaptiveNames::ModeCheck, "Adaptive Level", &screen_);
    mode_->setToolTip(ModeToolTip);
    MarkAsOptionalSetting(mode_);
    SetFontSize(mode_, 10, true);
    Place(mode_, left, top, PixelsToTwips(mode_->sizeHint().width()), RowHeight);
    connect(mode_, &QCheckBox::clicked, this, &AdaptiveOptionRows::modeClicked);
    connect(mode_, &QCheckBox::toggled, this, &AdaptiveOptionRows::showModeChoices);

    const int last = ladder_.LevelCount();
    start_ = addLevelBox(AdaptiveNames::StartLevel, "1",
                         LevelRule(
                             "Start Level", [] { return 1; }, [last] { return last; }));
    lowest_ = addLevelBox(AdaptiveNames::LowestLevel, "1",
                          LevelRule(
                              "Lowest", [] { return 1; },
                              [this] { return LevelIn(highest_, ladder_.LevelCount()); }));
    highest_ = addLevelBox(AdaptiveNames::HighestLevel, QString::number(last),
                           LevelRule(
                               "Highest", [this] { return LevelIn(lowest_, ladder_.LevelCount()); },
                               [last] { return last; }));
    // The start follows the patient's history, not the program step.
    LeaveOutOfReport(start_);
    MarkAsOptionalSetting(lowest_);
    MarkAsOptionalSetting(highest_);

    double x = left;
    const double rowTop = top + RowStep;
    for (auto [box, caption] : {std::pair{start_, "Start Level"}, std::pair{lowest_, "Lowest"},
                                std::pair{highest_, "Highest"}}) {
        auto* label = new VbLabel(box->objectName() + "Caption", caption, &screen_);
        label->setWordWrap(false);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        SetFontSize(label, 10, true);
        const double width =
            PixelsToTwips(QFontMetrics(label->font()).horizontalAdvance(caption) + 6);
        Place(label, x, rowTop, width, RowHeight);
        label->setBuddy(box);
        box->setToolTip(mode_->toolTip());
        Place(box, x + width + 60, rowTop, ComboWidth, RowHeight);
        x += width + 60 + ComboWidth + Gap * 2;
    }
}

ValidatingComboBox* AdaptiveOptionRows::addLevelBox(const QString& name, const QString& initial,
                                                    ComboRule rule) {
    auto* box = new ValidatingComboBox(name, &screen_);
    box->SetItems(NumberList(1, ladder_.LevelCount(), 1), initial);
    box->SetRule(std::move(rule));
    return box;
}

void AdaptiveOptionRows::watchLadderControls() {
    for (const QString& name : ladder_.controls) {
        QWidget* control = screen_.findChild<QWidget*>(name);
        if (auto* box = qobject_cast<ValidatingComboBox*>(control)) {
            connect(box, &QComboBox::activated, this, &AdaptiveOptionRows::changedByHand);
            if (QLineEdit* edit = box->lineEdit()) {
                connect(edit, &QLineEdit::textEdited, this, &AdaptiveOptionRows::changedByHand);
            }
        } else if (qobject_cast<QRadioButton*>(control) != nullptr) {
            // Any choice of its group changes what the ladder set.
            for (QRadioButton* option : control->parentWidget()->findChildren<QRadioButton*>(
                     QString(), Qt::FindDirectChildrenOnly)) {
                connect(option, &QAbstractButton::clicked, this, &AdaptiveOptionRows::changedByHand,
                        Qt::UniqueConnection);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            connect(button, &QAbstractButton::clicked, this, &AdaptiveOptionRows::changedByHand);
        } else if (auto* bar = qobject_cast<QScrollBar*>(control)) {
            // A step, a page or a drag by the user; never a value set by code.
            connect(bar, &QAbstractSlider::actionTriggered, this,
                    &AdaptiveOptionRows::changedByHand);
        }
    }
}

bool AdaptiveOptionRows::ModeOn() const {
    return mode_->isChecked();
}

int AdaptiveOptionRows::StartLevel() const {
    return LevelIn(start_, ladder_.LevelCount());
}

int AdaptiveOptionRows::Lowest() const {
    return std::min(LevelIn(lowest_, ladder_.LevelCount()),
                    LevelIn(highest_, ladder_.LevelCount()));
}

int AdaptiveOptionRows::Highest() const {
    return std::max(LevelIn(lowest_, ladder_.LevelCount()),
                    LevelIn(highest_, ladder_.LevelCount()));
}

void AdaptiveOptionRows::ApplyLevel(int level) {
    const QStringList& values = ladder_.levels[std::clamp(level, 1, ladder_.LevelCount()) - 1];
    applying_ = true;
    for (int i = 0; i < ladder_.controls.size() && i < values.size(); ++i) {
        QWidget* control = screen_.findChild<QWidget*>(ladder_.controls[i]);
        if (auto* box = qobject_cast<ValidatingComboBox*>(control)) {
            box->SetText(values[i]);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            // An option button is chosen, never unchosen: its group does that.
            if (values[i] == "True" || qobject_cast<QRadioButton*>(button) == nullptr) {
                button->setChecked(values[i] == "True");
            }
        } else if (auto* bar = qobject_cast<QScrollBar*>(control)) {
            bar->setValue(values[i].toInt());
        }
    }
    applying_ = false;
}

void AdaptiveOptionRows::SetStartLevel(int level) {
    start_->SetText(QString::number(std::clamp(level, 1, ladder_.LevelCount())));
}

bool AdaptiveOptionRows::TakeHandChangeNotice() {
    return std::exchange(handChangeNotice_, false);
}

void AdaptiveOptionRows::modeClicked() {
    handChangeNotice_ = false;
    if (mode_->isChecked()) {
        readStoredLevel();
    }
}

void AdaptiveOptionRows::changedByHand() {
    // Only the therapist's own change on the screen shown counts: a program
    // step's values are set unseen, and a step's screen keeps the choice.
    if (applying_ || !mode_->isChecked() || !screen_.isVisible() || screen_.ForProgramStep()) {
        return;
    }
    mode_->setChecked(false);
    handChangeNotice_ = true;
}

void AdaptiveOptionRows::showModeChoices() {
    for (QWidget* box : {static_cast<QWidget*>(start_), static_cast<QWidget*>(lowest_),
                         static_cast<QWidget*>(highest_)}) {
        box->setEnabled(mode_->isChecked());
    }
}

void AdaptiveOptionRows::readStoredLevel() {
    if (const std::optional<int> stored = StoredLevel(screen_.objectName())) {
        SetStartLevel(*stored);
    }
}
