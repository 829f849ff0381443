#include "shell/framework/scores_screen.h"

#include "shell/framework/layout.h"
#include "shell/mod_dodi.h"

namespace {
constexpr int CaptionLeft = 360;
constexpr int CaptionWidth = 2700;
constexpr int ValueLeft = 3165;
constexpr int ValueWidth = 1575;
constexpr int FirstLineTop = 1080;
constexpr int LineStep = 480;
constexpr int LineHeight = 375;
constexpr int FormWidth = 5100;
} // namespace

ScoresScreen::ScoresScreen(const QString& name, Triad triad, const QString& title,
                           const QList<ScoreLine>& lines, const QString& titleName)
    : Form(name), triad_(std::move(triad)), lines_(lines) {
    setWindowTitle("KOVA");
    title_ = new VbLabel(titleName, title, this);
    title_->setAlignment(Qt::AlignCenter);
    SetFontSize(title_, 16, true);
    Place(title_, 240, 240, FormWidth - 480, 615);

    int top = FirstLineTop;
    for (const ScoreLine& line : lines) {
        auto* caption = new VbLabel(line.captionName, line.caption, this);
        auto* value = new VbLabel(line.valueName, "", this);
        SetFontSize(caption, 11);
        SetFontSize(value, 10);
        for (VbLabel* label : {caption, value}) {
            label->setWordWrap(false);
        }
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        value->SetBorder(true);
        value->SetBackColor(Qt::white);
        value->setIndent(4);
        Place(caption, CaptionLeft, top, CaptionWidth, LineHeight);
        Place(value, ValueLeft, top, ValueWidth, LineHeight);
        top += LineStep;
    }

    auto* menu = new VbButton("cmdMainMenu", "Main Menu", this);
    menu->setToolTip("Returns to Norvane Main Menu.");
    auto* options = new VbButton("cmdOptions", "Options", this);
    options->setToolTip("Returns to Options Menu for this procedure.");
    connect(menu, &QPushButton::clicked, this, &ScoresScreen::cmdMainMenu_Click);
    connect(options, &QPushButton::clicked, this, &ScoresScreen::cmdOptions_Click);
    placeButtonsBelow(top);
}

void ScoresScreen::placeButtonsBelow(int linesBottom) {
    const int buttonTop = linesBottom + 240;
    Place(findChild<QWidget*>("cmdMainMenu"), 600, buttonTop, 1815, 495);
    Place(findChild<QWidget*>("cmdOptions"), 2685, buttonTop, 1815, 495);
    SetDesignSize(FormWidth, buttonTop + 495 + 360);
}

VbLabel* ScoresScreen::Caption(const QString& captionName) const {
    return findChild<VbLabel*>(captionName);
}

VbLabel* ScoresScreen::Value(const QString& valueName) const {
    return findChild<VbLabel*>(valueName);
}

void ScoresScreen::SetValue(const QString& valueName, const QString& text) {
    if (VbLabel* value = Value(valueName)) {
        value->setText(text);
    }
}

void ScoresScreen::SetValue(const QString& valueName, int number) {
    SetValue(valueName, QString::number(number));
}

void ScoresScreen::SetLineVisible(const QString& valueName, bool visible) {
    for (const ScoreLine& line : lines_) {
        if (line.valueName == valueName) {
            Caption(line.captionName)->setVisible(visible);
            Value(line.valueName)->setVisible(visible);
        }
    }
}

void ScoresScreen::StackVisibleLines() {
    int top = FirstLineTop;
    for (const ScoreLine& line : lines_) {
        VbLabel* value = Value(line.valueName);
        if (value->isHidden()) {
            continue;
        }
        Place(Caption(line.captionName), CaptionLeft, top, CaptionWidth, LineHeight);
        Place(value, ValueLeft, top, ValueWidth, LineHeight);
        top += LineStep;
    }
    placeButtonsBelow(top);
}

void ScoresScreen::Form_Activate() {
    SetValue("lblPracTime", PracticeTimeText());
    FillLines();
    Forms::Hide(triad_.therapy);
    Forms::Hide(triad_.options);
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
