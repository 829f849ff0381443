#include "shell/framework/scores_screen.h"

#include "shell/framework/layout.h"
#include "shell/framework/scores_offers.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/resizer.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int CaptionLeft = 360;
constexpr int NarrowestCaptionColumn = 2700;
constexpr int ColumnGap = 105;
constexpr int ValueWidth = 1575;
constexpr int CaptionMarginPixels = 6;
constexpr int FirstLineTop = 1080;
constexpr int LineStep = 480;
constexpr int LineHeight = 375;
constexpr int NarrowestForm = 5100;
constexpr int ButtonWidth = 1815;
constexpr int ButtonGap = 270;
constexpr int ButtonHeight = 495;
constexpr int ExtraButtonWidth = 1455;
constexpr int ExtraButtonGap = 180;
constexpr int ExtraRowGap = 150;

ScoresScreenExtras& extras() {
    static ScoresScreenExtras installed;
    return installed;
}

QList<OfferedScoresButton>& offeredButtons() {
    static QList<OfferedScoresButton> installed;
    return installed;
}

// The offered buttons are known on the screen by this property.
const char* const OfferedProperty = "kovaOfferedButton";

void addOfferedButtons(ScoresScreen& screen) {
    for (const OfferedScoresButton& offer : offeredButtons()) {
        auto* button = new VbButton(offer.name, offer.caption, &screen);
        button->setToolTip(offer.toolTip);
        button->setProperty(OfferedProperty, true);
        QObject::connect(button, &QPushButton::clicked, &screen,
                         [&screen, clicked = offer.clicked] { clicked(screen); });
    }
}

// Shows the offered buttons that the screen offers now, hides the others.
void showOfferedButtons(ScoresScreen& screen) {
    for (const OfferedScoresButton& offer : offeredButtons()) {
        if (auto* button = screen.findChild<VbButton*>(offer.name)) {
            button->setVisible(offer.offered && offer.offered(screen));
        }
    }
}

// Main Menu, Options and the offered buttons shown, left to right.
QList<QWidget*> ownButtonRow(const ScoresScreen& screen) {
    QList<QWidget*> row = {screen.findChild<QWidget*>("cmdMainMenu"),
                           screen.findChild<QWidget*>("cmdOptions")};
    for (QWidget* button : screen.findChildren<QWidget*>()) {
        if (button->property(OfferedProperty).toBool() && !button->isHidden()) {
            row << button;
        }
    }
    return row;
}

// A right-aligned caption with trailing blanks ("Practice Time   ") would
// stand apart from the others; the blanks carry no meaning on screen.
QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(' ')) {
        text.chop(1);
    }
    return text;
}
} // namespace

void SetScoresScreenExtras(ScoresScreenExtras extrasToAdd) {
    extras() = std::move(extrasToAdd);
}

void SetOfferedScoresButtons(QList<OfferedScoresButton> buttons) {
    offeredButtons() = std::move(buttons);
}

ScoresScreen::ScoresScreen(const QString& name, Triad triad, const QString& title,
                           const QList<ScoreLine>& lines, const QString& titleName)
    : Form(name), triad_(std::move(triad)), lines_(lines) {
    setWindowTitle("KOVA");
    title_ = new VbLabel(titleName, title, this);
    title_->setAlignment(Qt::AlignCenter);
    SetFontSize(title_, 16, true);

    for (const ScoreLine& line : lines) {
        makeLineLabels(line);
    }

    auto* menu = new VbButton("cmdMainMenu", "Main Menu", this);
    menu->setToolTip("Returns to Norvane Main Menu.");
    auto* options = new VbButton("cmdOptions", "Options", this);
    options->setToolTip("Returns to Options Menu for this procedure.");
    connect(menu, &QPushButton::clicked, this, &ScoresScreen::cmdMainMenu_Click);
    connect(options, &QPushButton::clicked, this, &ScoresScreen::cmdOptions_Click);
    for (const ScoresScreenExtras::Button& extra : extras().buttons) {
        addExtraButton(extra);
    }
    addOfferedButtons(*this);
    showOfferedButtons(*this);
    StackVisibleLines();
}

void ScoresScreen::makeLineLabels(const ScoreLine& line) {
    auto* caption = new VbLabel(line.captionName, line.caption, this);
    SetFontSize(caption, 11);
    caption->setWordWrap(false);
    if (line.valueName.isEmpty()) {
        caption->setAlignment(Qt::AlignCenter);
        return;
    }
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* value = new VbLabel(line.valueName, "", this);
    SetFontSize(value, 10);
    value->setWordWrap(false);
    value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    value->SetBorder(true);
    value->SetBackColor(Qt::white);
    value->setIndent(4);
}

void ScoresScreen::AddLine(const ScoreLine& line, std::function<QString()> value) {
    lines_ << line;
    makeLineLabels(line);
    addedValues_.append({line.valueName, std::move(value)});
    SetLineVisible(line.valueName, false);
    StackVisibleLines();
}

void ScoresScreen::fillAddedLines() {
    for (const auto& [valueName, value] : addedValues_) {
        const QString text = value();
        SetValue(valueName, text);
        SetLineVisible(valueName, !text.isEmpty());
    }
}

int ScoresScreen::captionColumnWidth() const {
    int widest = 0;
    for (const ScoreLine& line : lines_) {
        if (!line.valueName.isEmpty()) {
            const VbLabel* caption = Caption(line.captionName);
            // Measured in the design's font: the column is part of the design.
            const QFontMetrics metrics(DesignFontOf(caption));
            widest = std::max(widest, metrics.horizontalAdvance(caption->text()));
        }
    }
    return std::max(NarrowestCaptionColumn, int(PixelsToTwips(widest + CaptionMarginPixels)));
}

void ScoresScreen::addExtraButton(const ScoresScreenExtras::Button& extra) {
    auto* button = new VbButton(extra.name, extra.caption, this);
    button->setToolTip(extra.toolTip);
    connect(button, &QPushButton::clicked, this,
            [this, clicked = extra.clicked] { clicked(*this); });
    extraButtons_ << button;
}

int ScoresScreen::extraRowWidth() const {
    const auto count = static_cast<int>(extraButtons_.size());
    return count == 0 ? 0 : count * ExtraButtonWidth + (count - 1) * ExtraButtonGap;
}

void ScoresScreen::placeExtraRow(int top, int formWidth) {
    int left = (formWidth - extraRowWidth()) / 2;
    for (VbButton* button : extraButtons_) {
        Place(button, left, top, ExtraButtonWidth, ButtonHeight);
        left += ExtraButtonWidth + ExtraButtonGap;
    }
}

void ScoresScreen::placeButtonsBelow(int linesBottom, int formWidth) {
    const int buttonTop = linesBottom + 240;
    const QList<QWidget*> ownRow = ownButtonRow(*this);
    const auto count = static_cast<int>(ownRow.size());
    int left = (formWidth - count * ButtonWidth - (count - 1) * ButtonGap) / 2;
    for (QWidget* button : ownRow) {
        Place(button, left, buttonTop, ButtonWidth, ButtonHeight);
        left += ButtonWidth + ButtonGap;
    }
    int bottom = buttonTop + ButtonHeight;
    if (!extraButtons_.isEmpty()) {
        const int extraTop = bottom + ExtraRowGap;
        placeExtraRow(extraTop, formWidth);
        bottom = extraTop + ButtonHeight;
    }
    SetDesignSize(formWidth, bottom + 360);
}

VbLabel* ScoresScreen::Caption(const QString& captionName) const {
    return findChild<VbLabel*>(captionName);
}

VbLabel* ScoresScreen::Value(const QString& valueName) const {
    return valueName.isEmpty() ? nullptr : findChild<VbLabel*>(valueName);
}

void ScoresScreen::SetValue(const QString& valueName, const QString& text) {
    if (VbLabel* value = Value(valueName)) {
        value->setText(text);
    }
}

void ScoresScreen::SetValue(const QString& valueName, int number) {
    SetValue(valueName, QString::number(number));
}

void ScoresScreen::SetLineVisible(const QString& lineName, bool visible) {
    for (const ScoreLine& line : lines_) {
        if (line.valueName.isEmpty() ? line.captionName == lineName : line.valueName == lineName) {
            Caption(line.captionName)->setVisible(visible);
            if (VbLabel* value = Value(line.valueName)) {
                value->setVisible(visible);
            }
        }
    }
}

void ScoresScreen::StackVisibleLines() {
    for (const ScoreLine& line : lines_) {
        if (!line.valueName.isEmpty()) {
            VbLabel* caption = Caption(line.captionName);
            caption->setText(withoutTrailingBlanks(caption->text()));
        }
    }
    const int captionWidth = captionColumnWidth();
    const int valueLeft = CaptionLeft + captionWidth + ColumnGap;
    const auto ownButtons = static_cast<int>(ownButtonRow(*this).size());
    const int ownRowWidth = ownButtons * ButtonWidth + (ownButtons - 1) * ButtonGap;
    const int formWidth =
        std::max({NarrowestForm, valueLeft + ValueWidth + CaptionLeft,
                  extraRowWidth() + 2 * CaptionLeft, ownRowWidth + 2 * CaptionLeft});
    Place(title_, 240, 240, formWidth - 480, 615);
    int top = FirstLineTop;
    for (const ScoreLine& line : lines_) {
        VbLabel* caption = Caption(line.captionName);
        if (caption->isHidden()) {
            continue;
        }
        if (line.valueName.isEmpty()) {
            Place(caption, CaptionLeft, top, formWidth - 2 * CaptionLeft, LineHeight);
        } else {
            Place(caption, CaptionLeft, top, captionWidth, LineHeight);
            Place(Value(line.valueName), valueLeft, top, ValueWidth, LineHeight);
        }
        top += LineStep;
    }
    placeButtonsBelow(top, formWidth);
}

void ScoresScreen::notePracticePeriod() {
    if (shownAt_.isValid()) {
        return; // shown again (a box closed over it): still the same practice
    }
    shownAt_ = platform().CurrentDateTime();
    const double sinceStart = ModDODI::PracticeClock() - ModDODI::PracticeStart;
    practiceStartedAt_ = shownAt_.addMSecs(-std::llround(sinceStart * 1000.0));
}

void ScoresScreen::Form_Activate() {
    notePracticePeriod();
    SetValue("lblPracTime", PracticeTimeText());
    FillLines();
    fillAddedLines();
    showOfferedButtons(*this);
    StackVisibleLines(); // the captions and the buttons offered may have changed
    Forms::Hide(triad_.therapy);
    Forms::Hide(triad_.options);
    practiceShown();
}

void ScoresScreen::practiceShown() {
    if (practiceTold_) {
        return; // shown again (a box or a window closed over it)
    }
    practiceTold_ = true;
    if (extras().practiceShown) {
        extras().practiceShown(*this);
    }
}

QAbstractButton* ScoresScreen::EscapeButton() const {
    return findChild<QAbstractButton*>("cmdOptions", Qt::FindDirectChildrenOnly);
}

void ScoresScreen::cmdOptions_Click() {
    leaving_ = true;
    ModDODI::ResetScores();
    const Triad names = triad_;
    Forms::Unload(names.therapy);
    Forms::Unload(*this);
    Forms::Show(names.options);
}

void ScoresScreen::cmdMainMenu_Click() {
    leaving_ = true;
    ModDODI::ResetScores();
    ShowMainMenuFrame();
    const Triad names = triad_;
    Forms::Unload(*this);
    Forms::Unload(names.options);
    Forms::Unload(names.therapy);
}

void ScoresScreen::Form_Unload() {
    if (extras().closing) {
        extras().closing(*this);
    }
    ModDODI::ResetScores();
    if (leaving_) {
        return;
    }
    // Closed with the title-bar button: the therapy and options screens are
    // still hidden under it, so go back to the options as Options does
    // instead of leaving them loaded out of sight.
    const Triad names = triad_;
    Forms::Unload(names.therapy);
    if (Form* options = Forms::Find(names.options)) {
        Forms::Show(*options);
    }
}

int WholePercent(int part, int whole) {
    const long long scaled = static_cast<long long>(part) * 100;
    long long quotient = scaled / whole;
    if ((scaled % whole != 0) && ((scaled < 0) != (whole < 0))) {
        --quotient; // rounded down, also for a negative value
    }
    return static_cast<int>(quotient);
}

QString ScoresScreen::PercentText(int correct, int tried) {
    if (tried <= 0) {
        return {};
    }
    return QString::number(WholePercent(correct, tried)) + "%";
}

QString ScoresScreen::AverageText(Single sum, int tried) {
    if (tried <= 0) {
        return {};
    }
    return Format1(sum / tried) + " Secs";
}
