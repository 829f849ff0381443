#include "shell/framework/therapy_screen.h"

#include "shell/framework/elapsed.h"
#include "shell/framework/layout.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"

using namespace ModDODI;

TherapyScreen::TherapyScreen(const QString& name, Triad triad)
    : Form(name), triad_(std::move(triad)) {
    setWindowTitle("KOVA.....Practice Time = 0  Mins  &  0 Secs");
    // While the therapy screen is up, its options screen underneath takes no
    // clicks: pressing Therapy or Main Menu there would restart or strand the
    // running practice.
    HoldWhileOpen(triad_.options);
}

void TherapyScreen::cmdOptions_Click() {
    const QString options = triad_.options;
    Forms::Unload(*this);
    Forms::Show(options);
}

QAbstractButton* TherapyScreen::EscapeButton() const {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->text().trimmed() == "Stop" && button->isVisible() && button->isEnabled()) {
            return button;
        }
    }
    return optionsButton_;
}

void TherapyScreen::cmdScores_Click() {
    Forms::Hide(*this);
    Forms::Show(triad_.scores);
}

void TherapyScreen::Form_Unload() {
    ResetScores();
    QuestionShownAt = 0;
    AnswerGivenAt = 0;
}

void TherapyScreen::ShowPracticeTime() {
    UpdateElapsedTime(PracticeStart);
    setWindowTitle(PracticeTimeLine());
}

bool TherapyScreen::EndPracticeIfTimeIsUp(double practiceMinutes,
                                          const std::function<void()>& lastStep) {
    ShowPracticeTime();
    if (practiceMinutes > ElapsedMinutes) {
        return false;
    }
    if (lastStep) {
        lastStep();
    }
    Forms::Show(triad_.scores);
    return true;
}

VbButton* TherapyScreen::AddOptionsButton(const QString& name, const QString& toolTip) {
    auto* button = new VbButton(name, "Options", this);
    optionsButton_ = button;
    button->setToolTip(toolTip);
    connect(button, &QPushButton::clicked, this, &TherapyScreen::cmdOptions_Click);
    return button;
}

VbButton* TherapyScreen::AddScoresButton(const QString& name) {
    auto* button = new VbButton(name, "Scores", this);
    connect(button, &QPushButton::clicked, this, &TherapyScreen::cmdScores_Click);
    return button;
}

StartStopToggle::StartStopToggle(TherapyScreen& screen, Buttons buttons, Kind kind)
    : screen_(screen), buttons_(buttons), kind_(kind) {
    offerNextSet(false);
}

Integer& StartStopToggle::flag() const {
    return kind_ == Kind::SharedFlagNextSetDisabled ? ReadyToStart : ownFlag_;
}

void StartStopToggle::SetStopped() {
    flag() = VbTrue;
}

void StartStopToggle::Toggle() {
    if (Stopped()) {
        beginRunning();
    } else if (Running()) {
        endRunning();
    }
}

void StartStopToggle::beginRunning() {
    buttons_.start->setText("Stop");
    buttons_.scores->setEnabled(false);
    buttons_.options->setEnabled(false);
    offerNextSet(true);
    buttons_.nextSet->setFocus();
    if (OnStart) {
        OnStart();
    }
    flag() = VbFalse;
}

void StartStopToggle::endRunning() {
    screen_.ShowPracticeTime();
    if (OnStop) {
        OnStop();
    }
    buttons_.start->setFocus();
    buttons_.start->setText("Start");
    buttons_.scores->setEnabled(true);
    buttons_.options->setEnabled(true);
    offerNextSet(false);
    flag() = VbTrue;
}

void StartStopToggle::offerNextSet(bool offered) {
    if (kind_ == Kind::OwnFlagNextSetHidden) {
        buttons_.nextSet->setVisible(offered);
    }
    buttons_.nextSet->setEnabled(offered);
}

PictureTherapyScreen::PictureTherapyScreen(const QString& name, Triad triad)
    : TherapyScreen(name, std::move(triad)), cmdStart(new VbButton("cmdStart", "Start ", this)),
      cmdScores(AddScoresButton()), cmdOptions(AddOptionsButton()),
      cmdNextSet(new VbButton("cmdNextSet", "Next Set", this)),
      startStop_(*this, {cmdStart, cmdScores, cmdOptions, cmdNextSet},
                 StartStopToggle::Kind::SharedFlagNextSetDisabled) {
    startStop_.OnStart = [this] { PrepareStart(); };
    startStop_.OnStop = [this] { ClearStimulus(); };
    Frame1 = MakeFrame("Frame1", "", this);
    lblCor = new VbLabel("lblCor", "C = 0", Frame1);
    lblWrng = new VbLabel("lblWrng", "W=0", Frame1);
    lblTotalPics = new VbLabel("lblTotalPics", "T=0", Frame1);
    lblAveTime = new VbLabel("lblAveTime", "AveTime= 0.0 Sec", Frame1);
    counterRow_ = new QHBoxLayout(Frame1);
    counterRow_->setContentsMargins(4, 0, 4, 0);
    counterRow_->setSpacing(2);
    for (VbLabel* label : {lblCor, lblWrng, lblTotalPics, lblAveTime}) {
        addCounter(label, label == lblAveTime ? 2 : 1);
    }
    connect(cmdStart, &QPushButton::clicked, this, &PictureTherapyScreen::cmdStart_Click);
    connect(cmdNextSet, &QPushButton::clicked, this, &PictureTherapyScreen::cmdNextSet_Click);
}

void PictureTherapyScreen::addCounter(VbLabel* label, int stretch) {
    label->setWordWrap(false);
    SetFontSize(label, 8);
    label->setAlignment(Qt::AlignCenter);
    counterRow_->addWidget(label, stretch);
}

VbLabel* PictureTherapyScreen::AddPerFinishedCounter() {
    auto* label = new VbLabel("lblPerFinished", "0%", Frame1);
    addCounter(label, 1);
    return label;
}

void PictureTherapyScreen::PlaceButtonRow(double top, double nextSetLeft) {
    Place(cmdStart, 120, top, 1215, 495);
    Place(cmdScores, 1440, top, 1215, 495);
    Place(cmdOptions, 2760, top, 1335, 495);
    Place(cmdNextSet, nextSetLeft, top, 1815, 495);
}

void PictureTherapyScreen::PlaceCounters(double left, double top, double width, double height) {
    Place(Frame1, left, top, width, height);
}

void PictureTherapyScreen::Form_Activate() {
    ResetScores();
    TakeStartingSettings();
    AnswerGivenAt = 0;
    QuestionShownAt = 0;
    StartPracticeClock();
    startStop_.SetStopped();
}

Single PictureTherapyScreen::TakeResponseTime() {
    AnswerGivenAt = platform().Timer();
    return SecondsBetween(QuestionShownAt, AnswerGivenAt);
}

void PictureTherapyScreen::ShowCounters(int correct, int wrong, int total, Single responseTime) {
    lblCor->setText("C=" + QString::number(correct));
    lblWrng->setText("W=" + QString::number(wrong));
    lblTotalPics->setText("T=" + QString::number(total));
    ShowResponseTime(responseTime);
}

void PictureTherapyScreen::ShowResponseTime(Single responseTime) {
    lblAveTime->setText(Format1(responseTime) + " Secs");
}
