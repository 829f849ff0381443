#include "exercises/tracking/frmTrackT.h"

#include "exercises/tracking/tracking_rules.h"
#include "exercises/tracking/tracking_triad.h"
#include "shell/controls/default_button.h"
#include "shell/framework/layout.h"
#include "shell/framework/options_screen.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"
#include "shell/resizer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QPointer>
#include <QRadioButton>
#include <algorithm>

using namespace ModDODI;

namespace {

constexpr int CountersTop = 7140;
constexpr int ItemPadding = 4; // pixels kept free on either side of the widest item
constexpr int ButtonsTop = 7680;

const QString RequiredPagesText = "You have completed the required number of pages requested in "
                                  "the Options Menu. Your scores will now be displayed.";

TrackScores& scores() {
    return Scores<TrackScores>();
}

QString Number(int value) {
    return QString::number(value);
}

} // namespace

frmTrackT::frmTrackT() : TherapyScreen(Name, TrackingTriad()), counters_(this) {
    BuildControls();
    SetDesignSize(PageWidth, ButtonsTop + 615 + 120);
}

void frmTrackT::BuildControls() {
    lblTargType = new VbLabel("lblTargType", "Looking For: ", this);
    lblTargType->setWordWrap(false);
    lblTargType->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetFontSize(lblTargType, 14, true);
    Place(lblTargType, 240, CountersTop, 4200, 495);

    lblCor = counters_.lblCor;
    lblWrng = counters_.lblWrng;
    lblMissed = counters_.lblMissed;
    int left = 4680;
    for (VbLabel* counter : {lblCor, lblWrng, lblMissed}) {
        counter->setWordWrap(false);
        counter->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        SetFontSize(counter, 14, true);
        Place(counter, left, CountersTop, 2160, 495);
        left += 2280;
    }

    cmdClkScore = new VbButton("cmdClkScore", "Click To Score", this);
    cmdClkScore->setToolTip("Or Press <ENTER>");
    SetFontSize(cmdClkScore, 12, true);
    Place(cmdClkScore, 240, ButtonsTop, 4200, 615);
    new DefaultButton(cmdClkScore, this);

    cmdStart = new VbButton("cmdStart", "Start", this);
    cmdOptions = AddOptionsButton("cmdOptions", "This Will Zero Scores");
    cmdScores = AddScoresButton();
    left = 6360;
    for (VbButton* button : {cmdStart, cmdOptions, cmdScores}) {
        Place(button, left, ButtonsTop, 1680, 615);
        left += 1800;
    }
    connect(cmdStart, &QPushButton::clicked, this, &frmTrackT::cmdStart_Click);
    connect(cmdClkScore, &QPushButton::clicked, this, &frmTrackT::cmdClkScore_Click);

    frmStartMess = new StartMessage(this);
    // Both frames lie over the middle lines of the page.
    Place(frmStartMess, 2400, 1300, 7200, 3400);
    frmInfo = new InfoFrame(this, "Label2", RequiredPagesText);
    SetFontSize(frmInfo->Text, 12);
    Place(frmInfo, 2400, 1300, 7200, 3400);
    connect(frmInfo->cmdOK, &QPushButton::clicked, this, &frmTrackT::cmdOK_Click);
}

// ---- Settings on the options screen ----

QString frmTrackT::OptionText(const QString& comboName) const {
    return OptionControl<QComboBox>(comboName)->currentText();
}

int frmTrackT::OptionNumber(const QString& comboName) const {
    return static_cast<int>(Int(Val(OptionText(comboName))));
}

bool frmTrackT::TimedMode() const {
    return !OptionControl<QCheckBox>("chkReact")->isChecked();
}

CharacterType frmTrackT::ChosenCharacterType() const {
    auto option = [this](const char* name) { return OptionControl<QRadioButton>(name); };
    return ChosenOption<CharacterType>({{option("optDnumbers"), CharacterType::DoubleDigitNumbers},
                                        {option("optULetters"), CharacterType::UpperCaseLetters},
                                        {option("optLLetters"), CharacterType::LowerCaseLetters},
                                        {option("optbdpq"), CharacterType::Bdpq}},
                                       CharacterType::SingleDigitNumbers);
}

SequenceCharacters frmTrackT::ChosenSequenceCharacters() const {
    auto option = [this](const char* name) { return OptionControl<QRadioButton>(name); };
    return ChosenOption<SequenceCharacters>(
        {{option("optSLetterU"), SequenceCharacters::UpperCaseLetters},
         {option("optSLetterL"), SequenceCharacters::LowerCaseLetters}},
        SequenceCharacters::Numbers);
}

bool frmTrackT::SequencesMode() const {
    return loopRunning_ ? sequencesPage_ : TrackSequences == VbTrue;
}

PageSettings frmTrackT::CurrentPageSettings() const {
    PageSettings page;
    page.perLine = OptionNumber("cboPerLine");
    page.fontSize = std::max(OptionNumber("cboFont"), 1);
    page.sequences = SequencesMode();
    page.doubleDigits = ChosenCharacterType() == CharacterType::DoubleDigitNumbers;
    page.itemWidth = WidestItemWidth(ItemFontSize(page));
    return page;
}

int frmTrackT::ItemFontSize(const PageSettings& page) const {
    return PageFontSize(page, [this](int size) { return WidestItemWidth(size); });
}

QFont frmTrackT::ItemFont(int fontSize) const {
    QFont itemFont = font();
    itemFont.setPointSizeF(fontSize);
    itemFont.setBold(false);
    return itemFont;
}

int frmTrackT::WidestItemWidth(int fontSize) const {
    const QFontMetrics metrics(ItemFont(fontSize));
    const QStringList items =
        SequencesMode() ? WidestSequenceCandidates(ChosenSequenceCharacters(), SequenceLength())
                        : PossibleItems(ChosenCharacterType());
    int widest = 0;
    for (const QString& item : items) {
        widest =
            std::max({widest, metrics.horizontalAdvance(item), metrics.boundingRect(item).width()});
    }
    return static_cast<int>(PixelsToTwips(widest + 2 * ItemPadding));
}

int frmTrackT::SequenceLength() const {
    return std::clamp(OptionNumber("cboSeqLen"), 2, 4);
}

// ---- Loading and activation ----

void frmTrackT::Form_Load() {
    cmdOptions->setEnabled(true);
    cmdScores->setEnabled(true);
    cmdClkScore->setEnabled(false);
    setWindowTitle("KOVA.....Practice Time = " + WholeText(ElapsedMinutes) + " Mins ");
    Running = false;
    StartPracticeClock();
    ShowCounterCaptions();
}

void frmTrackT::Form_Activate() {
    if (loopRunning_) {
        ShowCaption();
        return;
    }
    SetFontSize(lblWrng, TimedMode() ? 14 : 12, true);
    ShowCaption();
    LayoutPage();
    scores().PositionIndex = 0;
}

void frmTrackT::Form_Unload() {
    TherapyScreen::Form_Unload();
    Forms::Unload(Names().scores);
}

void frmTrackT::ShowCaption() {
    UpdateElapsedTime(PracticeStart);
    const QString response = OptionControl<QCheckBox>("chkReact")->text();
    setWindowTitle(PracticeTimeLine() + ".........." + response);
}

// ---- The page ----

void frmTrackT::EnsurePositionLabels(int count) {
    while (Label1.size() < count) {
        auto* position = new VbLabel("Label1", " ", this);
        position->setProperty("Index", static_cast<int>(Label1.size()) + 1);
        position->setWordWrap(false);
        position->setAlignment(Qt::AlignCenter);
        position->hide();
        Label1.append(position);
    }
}

void frmTrackT::LayoutPage() {
    const PageSettings page = CurrentPageSettings();
    const QFont itemFont = ItemFont(ItemFontSize(page));
    const QList<QRect> positions = PagePositions(page);
    EnsurePositionLabels(static_cast<int>(positions.size()));
    const bool border = OptionControl<QCheckBox>("Check1")->isChecked();
    for (int i = 0; i < Label1.size(); ++i) {
        VbLabel* position = Label1[i];
        if (i >= positions.size()) {
            position->hide(); // left over from a page with more items per line
            continue;
        }
        const QRect& r = positions[i];
        position->SetBackColor(Qt::white);
        position->SetForeColor(Qt::black);
        position->SetBorder(border);
        Place(position, r.left(), r.top(), r.width(), r.height());
        SetDesignFont(position, itemFont);
        position->show();
    }
}

void frmTrackT::cmdStart_Click() {
    if (!Running) {
        StartPage();
    } else if (!ChoosingTarget) {
        StopPage();
    }
}

bool frmTrackT::PagesLimitReached() const {
    const int pages = PagesLimitValue(OptionText("cboPages"));
    return pages > 1 && scores().PagesDone == pages;
}

void frmTrackT::StartPage() {
    ShowCounterCaptions();
    Running = true;
    ChoosingTarget = true;
    DisplayItem.clear();
    platform().Randomize();
    if (PagesLimitReached()) {
        frmInfo->ShowOnTop();
        cmdStart->setEnabled(false);
        Running = false; // no page runs: the scores screen comes next
        return;
    }
    // The level may change between pages only, before the page is laid out.
    if (AdaptBetweenSets(*this, scores().Judged)) {
        LayoutPage();
    }
    cmdStart->setText("Stop");
    cmdScores->setEnabled(false);
    cmdOptions->setEnabled(false);
    cmdStart->setEnabled(false);
    sequencesPage_ = TrackSequences == VbTrue;
    const QString message = ChooseTarget();
    lblTargType->setText("Looking For: " + Target);

    loopRunning_ = true;
    practiceTimeUp_ = false;
    if (!RunEventLoop([this, message] { return PresentPage(message); })) {
        return; // the screen was closed or unloaded: nothing of it may be touched
    }
    loopRunning_ = false;
    if (practiceTimeUp_) {
        Forms::Show(Names().scores);
    }
}

QString frmTrackT::ChooseTarget() {
    if (!sequencesPage_) {
        Target = ChooseTargetCharacter();
        return StartMessage::Text("Character", Target);
    }
    BuildSequence();
    Target = DisplayItem;
    DisplayItem.clear();
    return StartMessage::Text("Sequence", Target);
}

bool frmTrackT::PresentPage(const QString& message) {
    if (!frmStartMess->ShowAndWait(*this, message)) {
        return false;
    }
    ChoosingTarget = false;
    cmdStart->setEnabled(true);
    cmdClkScore->setEnabled(true);
    cmdClkScore->setFocus();
    GetReadySignal();
    ++scores().PagesDone;
    return RunPage();
}

bool frmTrackT::RunPage() {
    LayoutPage();
    const int limit = PageLimit(CurrentPageSettings());
    TrackScores& s = scores();
    for (;;) {
        ShowCaption();
        ++s.PositionIndex;
        if (s.PositionIndex >= limit || s.PositionIndex < 1 || !Running) {
            break;
        }
        ShowNextItem();
        if (!LetEventsRun()) {
            return false;
        }
    }
    EndPage();
    if (PracticeTimeReached(Val(OptionText("cboPracTime")))) {
        platform().Sleep(1000);
        practiceTimeUp_ = true;
    }
    Running = false;
    ClearPage(s);
    return true;
}

void frmTrackT::ShowNextItem() {
    if (sequencesPage_) {
        BuildSequence();
    } else {
        GetDisplayCharacter();
    }
    VbLabel* position = Label1[scores().PositionIndex - 1];
    position->setText(DisplayItem);
    position->repaint();
    platform().Sleep(DisplaySpeedMs(OptionText("cboSpeed")).value_or(0));
    position->setText(" ");
    position->repaint();
    DisplayItem.clear();
}

void frmTrackT::EndPage() {
    TrackScores& s = scores();
    ShowCaption();
    lblCor->show();
    lblWrng->show();
    if (TimedMode()) {
        lblCor->setText("C= " + Number(s.CorrectCount));
        lblWrng->setText("W= " + Number(s.WrongCount));
    } else {
        lblCor->setText(Number(s.CorrectCount) + " Counted");
        lblWrng->setText(Number(s.TargetCount) + " Targets");
    }
    s.PositionIndex = 0;
    cmdStart->setText("Start");
    cmdScores->setEnabled(true);
    cmdOptions->setEnabled(true);
    AddPageToTotals(s, TimedMode() ? ResponseMode::Timed : ResponseMode::Count);
    ShowMissed();
    cmdClkScore->setEnabled(false);
}

void frmTrackT::StopPage() {
    counters_.SetVisible(true);
    --scores().PagesDone; // a stopped page does not count as done
    cmdStart->setText("Start");
    cmdStart->setFocus();
    cmdScores->setEnabled(true);
    cmdOptions->setEnabled(true);
    cmdClkScore->setEnabled(false);
    Running = false;
    ChoosingTarget = true;
}

// ---- Items ----

QString frmTrackT::ChooseTargetCharacter() {
    platform().Randomize();
    return DrawCharacter(ChosenCharacterType(), platform().Rnd());
}

void frmTrackT::GetDisplayCharacter() {
    platform().Randomize();
    DisplayItem = NextCharacter(ChosenCharacterType(), Target, platform().Rnd());
    TargetShown = DisplayItem == Target;
    CountItem(scores(), TargetShown);
    ShowMissed();
}

void frmTrackT::BuildSequence() {
    QString sequence = DrawSequence(ChosenSequenceCharacters(), SequenceLength(), PlatformRnd);
    bool substituted = false;
    if (!ChoosingTarget) {
        const int chance = SequenceChanceDenominator(OptionNumber("cboPerLine"));
        substituted = SequenceReplacedByTarget(chance, platform().Rnd());
        if (substituted) {
            sequence = Target;
        }
    }
    DisplayItem = sequence;
    // Only a substituted sequence counts as a target presented; one that
    // equals the target by chance is still judged as the target.
    CountItem(scores(), substituted);
    TargetShown = sequence == Target;
    ShowMissed();
}

void frmTrackT::GetReadySignal() {
    VbLabel* first = Label1[0];
    SetFontSize(first, 14);
    ReadySignal(first, "*");
    SetDesignFont(first, DesignFontOf(Label1[1]));
}

// ---- Responses and counters ----

void frmTrackT::cmdClkScore_Click() {
    ScoreResponse();
}

void frmTrackT::ScoreResponse() {
    TrackScores& s = scores();
    const ResponseMode mode = TimedMode() ? ResponseMode::Timed : ResponseMode::Count;
    const bool correct = CountResponse(s, mode, TargetShown);
    if (mode == ResponseMode::Count) {
        lblCor->setText(Number(s.CorrectCount) + " Counted");
    } else if (correct) {
        lblCor->setText("C= " + Number(s.CorrectCount));
    } else {
        lblWrng->setText("W= " + Number(s.WrongCount));
    }
}

void frmTrackT::ShowCounterCaptions() {
    const TrackScores& s = scores();
    if (TimedMode()) {
        lblCor->setText("C= " + Number(s.CorrectCount));
        lblWrng->setText("W= " + Number(s.WrongCount));
        lblMissed->setText("M= " + Number(s.MissedCount));
    } else {
        lblCor->setText(Number(s.CorrectCount) + " Counted");
        lblWrng->setText("");
        lblMissed->setText("");
    }
}

void frmTrackT::ShowMissed() {
    if (TimedMode()) {
        lblMissed->setText("M=" + Number(scores().MissedCount));
    }
}

void frmTrackT::cmdOK_Click() {
    frmInfo->hide();
    Forms::Show(Names().scores);
}
