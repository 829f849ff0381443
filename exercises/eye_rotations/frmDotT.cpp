#include "exercises/eye_rotations/frmDotT.h"

#include "exercises/eye_rotations/eye_rotations_scores.h"
#include "exercises/eye_rotations/eye_rotations_triad.h"
#include "exercises/eye_rotations/frmDotO.h"
#include "shell/controls/colors.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/layout.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"

#include <cmath>

using namespace ModDODI;

namespace {

constexpr int ButtonHeight = 480;
constexpr int StripBottomMargin = 90;
constexpr int LevelWidth = 1080; // "Level n" of the adaptive mode, left of the counters

} // namespace

frmDotT::frmDotT() : TherapyScreen(Name, EyeRotationTriad()), counters(this) {
    // The form's own drawing: a background under every other control.
    surface = new DrawingSurface("Surface", this);
    surface->lower();
    surface->Scale(0, 0, 100, 100);
    surface->DrawWidth = 3;

    lblTarget = new VbLabel("lblTarget", "", this);
    lblTarget->setWordWrap(false);
    SetFontSize(lblTarget, 12, true);
    lblTarget->hide();

    lblGetReady = new VbLabel("lblGetReady", " ", this);
    lblGetReady->setAlignment(Qt::AlignCenter);
    SetFontSize(lblGetReady, 28, true);
    lblGetReady->SetForeColor(Qt::red);
    lblGetReady->hide();

    counters.lblCor->setText("C= 0");
    counters.lblWrng->setText("W= 0");
    counters.lblMissed->setText("M=0");
    for (VbLabel* counter : {counters.lblCor, counters.lblWrng, counters.lblMissed}) {
        SetFontSize(counter, 12, true);
        counter->setWordWrap(false);
        counter->setAlignment(Qt::AlignCenter);
    }

    cmdStart = new VbButton("cmdStart", "Start", this);
    cmdScore = new VbButton("cmdScore", "Click To Score", this);
    cmdScore->setToolTip("Or use the <ENTER> key.");
    SetFontSize(cmdScore, 10, true);
    new DefaultButton(cmdScore, this);
    cmdDOTScores = AddScoresButton("cmdDOTScores");
    cmdOptions = AddOptionsButton();
    frmStartMess = new StartMessage(this);

    Timer1 = new VbTimer("Timer1", this);
    connect(Timer1, &VbTimer::Timer, this, &frmDotT::Timer1_Timer);
    connect(cmdStart, &QPushButton::clicked, this, &frmDotT::cmdStart_Click);
    connect(cmdScore, &QPushButton::clicked, this, &frmDotT::cmdScore_Click);

    SetDesignSize(12000, 9000);
    // The path spans the whole form, so the screen uses all the room there is.
    SpanWholeForm();
}

frmDotO& frmDotT::options() const {
    return Forms::Get<frmDotO>();
}

QColor frmDotT::CircleColor() const {
    return VbColor(circleColor_);
}

void frmDotT::Form_Load() {
    lblGetReady->SetBackColor(Qt::white);
    Timer1->SetEnabled(false);
    const frmDotO& o = options();
    circleSize_ = DiscRadius(o.cboSize->Text());
    surface->SetFontSize(DiscFontSize(o.cboFont->Text()));
    cmdScore->setEnabled(false);
    separation_ = SeparationInset(o.ChosenSeparation());
    circleColor_ = CircleColorValue(o.cboCircColor->Text()).value_or(circleColor_);
    StartPracticeClock();
}

void frmDotT::Form_Activate() {
    scaleX_ = 1;
    scaleY_ = 1.0;
    targetLeft_ = options().ChosenPattern() == RotationPattern::Circle ? 1 : 35;
    placeTargetLabel();
}

void frmDotT::Form_Unload() {
    running_ = false;
    Timer1->SetEnabled(false);
    TherapyScreen::Form_Unload();
}

void frmDotT::cmdStart_Click() {
    if (running_) {
        stopRun();
    } else {
        startRun();
    }
}

void frmDotT::startRun() {
    cmdStart->setText("Stop");
    cmdStart->setEnabled(false);
    cmdDOTScores->setEnabled(false);
    cmdOptions->setEnabled(false);
    running_ = true;
    cycle_.Restart();
    // A tick still due from a run just stopped must not draw behind the start message.
    Timer1->SetEnabled(false);
    surface->Cls();

    platform().Randomize();
    targetChar_ = ChooseRotationTarget(options().ChosenTargetType(), PlatformRnd);
    lblTarget->setText("You Are Looking For:   " + targetChar_);
    lblTarget->adjustSize();
    lblTarget->repaint();
    const QString message = StartMessage::Text("Character", targetChar_);
    if (!RunEventLoop([this, &message] { return frmStartMess->ShowAndWait(*this, message); })) {
        return; // the screen was closed or unloaded meanwhile
    }
    cmdStart->setEnabled(true);
    lblTarget->show();
    ShowGetReady();
    NextCircle();
}

void frmDotT::stopRun() {
    cmdStart->setText("Start");
    cmdDOTScores->setEnabled(true);
    cmdOptions->setEnabled(true);
    cmdScore->setEnabled(false);
    counters.SetVisible(true);
    running_ = false; // the tick still due clears the last disc and draws nothing
}

void frmDotT::ShowGetReady() {
    cmdScore->setEnabled(true);
    cmdScore->setFocus();
    lblGetReady->show();
    lblGetReady->raise();
    ReadySignal(lblGetReady, "GET READY");
    lblGetReady->hide();
}

void frmDotT::Timer1_Timer() {
    surface->Cls();
    Timer1->SetEnabled(false);
    NextCircle();
}

void frmDotT::NextCircle() {
    adaptBetweenRotations();
    const frmDotO& o = options();
    if (IsRandomCircleColor(o.cboCircColor->Text())) {
        circleColor_ = RandomCircleColor(PlatformRnd);
    }
    Timer1->SetInterval(DisplayIntervalMs(o.cboSpeed->Text()));
    platform().Randomize();
    if (!running_) {
        return; // the timer stays off: the cycle ends
    }
    const RotationCycle::Step step =
        cycle_.Next(o.ChosenDirection(), o.ChosenPattern(), PlatformRnd);
    surface->SetFontSize(DiscFontSize(o.cboFont->Text()));
    if (o.BeepOn()) {
        ApiResult = PlaySoundFile(AppPath() + "\\Ding.wav");
    }
    DrawPosition(step.member);
    if (step.addsToRotations) {
        ++EyeScores().RotationsCompleted;
    }
    ShowPracticeTime();
    if (PracticeTimeReached(o.cboPracTime->Value())) {
        platform().Sleep(1000);
        running_ = false;
        Forms::Show(Names().scores);
    }
}

// A rotation is a set (at random, every disc is): before its first disc,
// with the screen clear, the level may change.
void frmDotT::adaptBetweenRotations() {
    const frmDotO& o = options();
    const bool rotationStarts =
        cycle_.StepIndex() == 0 || StepsAtRandom(o.ChosenDirection(), o.ChosenPattern());
    if (!running_ || !rotationStarts) {
        return;
    }
    const EyeRotationScores& scores = EyeScores();
    const int missed = TargetsMissed(scores.TargetsShown, scores.CorrectCount);
    if (AdaptBetweenSets(*this, {scores.CorrectCount, scores.WrongCount + missed})) {
        circleSize_ = DiscRadius(o.cboSize->Text()); // otherwise read once, on load
    }
}

void frmDotT::DrawPosition(int member) {
    const RotationPattern pattern = options().ChosenPattern();
    GridPoint at = PathPosition(member, pattern, separation_);
    if (pattern == RotationPattern::RandomPosition) {
        at = PickRandomPosition(PlatformRnd);
    }
    circleX_ = at.x;
    circleY_ = at.y;
    const double x = circleX_ * scaleX_;
    const double y = circleY_ * scaleY_;
    surface->Circle(x, y, circleSize_, CircleColor(), CircleColor());
    GetRotationCharacter();
    surface->CurrentX = x - surface->TextWidth(displayChar_) / 2;
    surface->CurrentY = y - surface->TextHeight(displayChar_) / 2;
    surface->Print(displayChar_);
    Timer1->SetEnabled(true);
}

void frmDotT::GetRotationCharacter() {
    platform().Randomize();
    const DiscCharacter drawn =
        ::GetRotationCharacter(options().ChosenTargetType(), targetChar_, PlatformRnd);
    displayChar_ = drawn.text;
    EyeRotationScores& scores = EyeScores();
    if (drawn.isTarget) {
        ++scores.TargetsShown;
    }
    targetShown_ = drawn.isTarget;
    counters.lblMissed->setText(
        "M=" + QString::number(TargetsMissed(scores.TargetsShown, scores.CorrectCount)));
}

void frmDotT::cmdScore_Click() {
    cmdScore->repaint();
    ScoreRotationResponse();
}

void frmDotT::ScoreRotationResponse() {
    EyeRotationScores& scores = EyeScores();
    if (targetShown_) {
        ++scores.CorrectCount;
        counters.lblCor->setText("C= " + QString::number(scores.CorrectCount));
    } else {
        ++scores.WrongCount;
        counters.lblWrng->setText("W= " + QString::number(scores.WrongCount));
    }
}

void frmDotT::resizeEvent(QResizeEvent* event) {
    TherapyScreen::resizeEvent(event);
    placeControls();
}

// In the form's design room (design pixels), scaled with the form.
void frmDotT::placeControls() {
    const QSizeF room = DesignRoom();
    PlaceInDesign(surface, QRectF(QPointF(), room));
    // Buttons and counters along the bottom edge, below the lowest path points.
    const double top = room.height() - Twips(ButtonHeight + StripBottomMargin);
    const int h = Twips(ButtonHeight);
    PlaceInDesign(cmdStart, QRectF(Twips(150), top, Twips(1350), h));
    PlaceInDesign(cmdScore, QRectF(Twips(1650), top, Twips(2400), h));
    PlaceInDesign(cmdDOTScores, QRectF(Twips(4200), top, Twips(1350), h));
    PlaceInDesign(cmdOptions, QRectF(Twips(5700), top, Twips(1350), h));
    double left = room.width() - Twips(3 * 1200 + 150);
    if (auto* level = findChild<VbLabel*>(AdaptiveNames::LevelLabel)) {
        PlaceInDesign(level, QRectF(left - Twips(LevelWidth), top, Twips(LevelWidth), h));
    }
    for (VbLabel* counter : {counters.lblCor, counters.lblWrng, counters.lblMissed}) {
        PlaceInDesign(counter, QRectF(left, top, Twips(1200), h));
        left += Twips(1200);
    }
    const QSizeF message(Twips(6600), Twips(2400));
    PlaceInDesign(frmStartMess,
                  QRectF(QPointF(std::floor((room.width() - message.width()) / 2),
                                 std::floor((room.height() - message.height()) / 2) - Twips(300)),
                         message));
    const QSizeF ready(Twips(4500), Twips(900));
    PlaceInDesign(lblGetReady, QRectF(QPointF(std::floor((room.width() - ready.width()) / 2),
                                              std::floor((room.height() - ready.height()) / 2)),
                                      ready));
    placeTargetLabel();
}

void frmDotT::placeTargetLabel() {
    PlaceInDesignAt(lblTarget, QPointF(int(surface->ToPixels(targetLeft_, 0).x() / UniformFactor()),
                                       Twips(90)));
}
