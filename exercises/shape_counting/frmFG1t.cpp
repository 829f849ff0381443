#include "exercises/shape_counting/frmFG1t.h"

#include "exercises/shape_counting/frmFG1o.h"
#include "exercises/shape_counting/shape_counting_scores.h"
#include "exercises/shape_counting/shape_counting_triad.h"
#include "shell/controls/colors.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/elapsed.h"
#include "shell/framework/layout.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"

#include <QApplication>
#include <QLabel>
#include <algorithm>
#include <utility>

using namespace ModDODI;
using namespace ShapeCounting;

namespace {

// The strip under the drawing: the counters above the buttons (twips).
constexpr int Margin = 90;
constexpr int RowHeight = 495;
constexpr int StripHeight = 2 * RowHeight + 3 * Margin;
constexpr int ButtonWidth = 1335;
constexpr int NextSetWidth = 1815;
constexpr int AnswerWidth = 900;
constexpr int AveTimeWidth = 3000;
constexpr int CounterWidth = 1200;
constexpr int LevelWidth = 1500;

} // namespace

frmFG1t::frmFG1t()
    : TherapyScreen(Name, ShapeCountingTriad()), Surface(new DrawingSurface("Surface", this)),
      Frame1(MakeFrame("Frame1", "", this)), lblInfo(new VbLabel("lblInfo", "", Frame1)),
      lblAveTime(new VbLabel("lblAveTime", "AveTime=", Frame1)),
      lblCorrect(new VbLabel("lblCorrect", "C=0", Frame1)),
      lblWrong(new VbLabel("lblWrong", "W=0", Frame1)),
      txtAns(new AnswerBox("txtAns", this, AnswerBox::Keys::DigitsOnly)),
      cmdStart(new VbButton("cmdStart", "Start", this)), cmdScores(AddScoresButton()),
      cmdOptions(AddOptionsButton()), cmdNextSet(new VbButton("cmdNextSet", "Next Set", this)),
      startStop_(*this, {cmdStart, cmdScores, cmdOptions, cmdNextSet},
                 StartStopToggle::Kind::OwnFlagNextSetHidden),
      counters_({lblCorrect, lblWrong}) {
    setWindowTitle("KOVA.....Practice Time = 0 Mins 0 Secs");
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    Surface->SetBackColor(Qt::black);
    Surface->Scale(0, 0, ScaleSize, ScaleSize);
    buildCounters();
    buildButtons();
    startStop_.OnStart = [this] { startRun(); };
    startStop_.OnStop = [this] { stopRun(); };
    SetDesignSize(12000, 8550);
    // The sets use all the room there is, as a busy screen should.
    SpanWholeForm();
}

void frmFG1t::buildCounters() {
    // The counters on the usual light panel, readable under the black drawing.
    QPalette light = Frame1->palette();
    light.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    Frame1->setPalette(light);
    Frame1->setAutoFillBackground(true);
    for (VbLabel* label : {lblInfo, lblAveTime, lblCorrect, lblWrong}) {
        label->setWordWrap(false);
        label->setAlignment(Qt::AlignCenter);
        SetFontSize(label, 11, true);
    }
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void frmFG1t::buildButtons() {
    txtAns->setAccessibleName("Number of targets");
    txtAns->setAlignment(Qt::AlignCenter);
    SetFontSize(txtAns, 12, true);
    // No set to count yet.
    txtAns->setEnabled(false);
    txtAns->hide();
    for (VbButton* button : {cmdStart, cmdScores, cmdOptions, cmdNextSet}) {
        SetFontSize(button, 10, true);
    }
    connect(cmdStart, &QPushButton::clicked, this, &frmFG1t::cmdStart_Click);
    connect(cmdNextSet, &QPushButton::clicked, this, &frmFG1t::cmdNextSet_Click);
    connect(txtAns, &AnswerBox::KeyPress, this, &frmFG1t::txtAns_KeyPress);
    connect(txtAns, &AnswerBox::clicked, this, &frmFG1t::txtAns_Click);
}

void frmFG1t::resizeEvent(QResizeEvent* event) {
    TherapyScreen::resizeEvent(event);
    placeControls();
    redrawSet();
}

// In the form's design room (design pixels), scaled with the form.
void frmFG1t::placeControls() {
    const QSizeF room = DesignRoom();
    // The drawing above, a strip of controls under it: no control covers a target.
    const int strip = Twips(StripHeight);
    PlaceInDesign(Surface, QRectF(0, 0, room.width(), std::max(1.0, room.height() - strip)));
    const int margin = Twips(Margin);
    const int rowHeight = Twips(RowHeight);
    const double counterTop = room.height() - strip + margin;
    const double frameWidth = room.width() - 2 * margin;
    PlaceInDesign(Frame1, QRectF(margin, counterTop, frameWidth, rowHeight));
    double right = frameWidth - margin;
    for (auto [label, labelWidth] :
         {std::pair{lblWrong, CounterWidth}, std::pair{lblCorrect, CounterWidth},
          std::pair{lblAveTime, AveTimeWidth}}) {
        right -= Twips(labelWidth);
        PlaceInDesign(label, QRectF(right, 0, Twips(labelWidth), rowHeight));
    }
    // "Level n" of the adaptive mode, when on, stands left of the average time.
    if (auto* level = Frame1->findChild<QLabel*>(AdaptiveNames::LevelLabel)) {
        right -= Twips(LevelWidth);
        PlaceInDesign(level, QRectF(right, 0, Twips(LevelWidth), rowHeight));
    }
    PlaceInDesign(lblInfo, QRectF(margin, 0, std::max(0.0, right - margin), rowHeight));

    const double buttonTop = counterTop + rowHeight + margin;
    double left = margin;
    for (VbButton* button : {cmdStart, cmdScores, cmdOptions}) {
        PlaceInDesign(button, QRectF(left, buttonTop, Twips(ButtonWidth), rowHeight));
        left += Twips(ButtonWidth) + margin;
    }
    const double nextSetLeft = room.width() - margin - Twips(NextSetWidth);
    PlaceInDesign(cmdNextSet, QRectF(nextSetLeft, buttonTop, Twips(NextSetWidth), rowHeight));
    PlaceInDesign(txtAns, QRectF(nextSetLeft - margin - Twips(AnswerWidth), buttonTop,
                                 Twips(AnswerWidth), rowHeight));
}

frmFG1o& frmFG1t::options() const {
    return Forms::Get<frmFG1o>();
}

void frmFG1t::Form_Activate() {
    ResetScores();
    startStop_.SetStopped();
    StartPracticeClock();
}

void frmFG1t::startRun() {
    txtAns->show();
}

void frmFG1t::stopRun() {
    counters_.SetVisible(true);
    txtAns->hide();
}

void frmFG1t::cmdNextSet_Click() {
    const ShapeCountingScoreValues& totals = ShapeCountingScores();
    AdaptBetweenSets(*this, {totals.Correct, totals.Wrong});
    Surface->Cls();
    background_.clear();
    set_ = {};
    targetsShown_ = false;
    if (EndPracticeIfTimeIsUp(options().cboPracTime->Value())) {
        return;
    }
    ++ShapeCountingScores().SetsDisplayed;
    QuestionShownAt = platform().Timer();
    DrawBackground();
    DrawTargets();
    paint(background_);
    paint(TargetStrokes(set_, Colors::Target, set_.edgeWidth));
    cmdNextSet->setEnabled(false);
    attempts_ = 0;
}

void frmFG1t::DrawBackground() {
    background_ =
        ShapeCounting::DrawBackground(options().BackgroundLevel(), PlatformRnd, PlatformRandomize);
}

void frmFG1t::DrawTargets() {
    set_.edgeWidth = options().EdgeThickness();
    platform().Randomize();
    const int count = DrawTargetCount(options().MaxShapes(), PlatformRnd);
    set_.kind = DrawTargetKind(PlatformRnd);
    platform().Beep();
    platform().Randomize();
    set_.targets = PlaceTargets(set_.kind, count, PlatformRnd);
    lblInfo->setText(LookingForText(set_.kind));
    txtAns->clear();
    txtAns->setEnabled(true);
    txtAns->setFocus();
}

void frmFG1t::txtAns_KeyPress(int KeyAscii) {
    constexpr int Enter = 13;
    if (KeyAscii == Enter) {
        txtAns_Click();
    }
}

void frmFG1t::txtAns_Click() {
    // Only a count typed is judged: an empty box was never an answer.
    if (txtAns->isEnabled() && !txtAns->text().isEmpty()) {
        JudgeCount(txtAns->text());
    }
}

void frmFG1t::JudgeCount(const QString& entry) {
    ShapeCountingScoreValues& scores = ShapeCountingScores();
    scores.TotalResponseTime += SecondsBetween(QuestionShownAt, platform().Timer());
    const Verdict verdict = ShapeCounting::JudgeCount(entry, set_.Count());
    lblInfo->setText(verdict.message);
    txtAns->clear();
    if (verdict.right) {
        ++scores.Correct;
        closeSet();
    } else {
        platform().Beep();
        ++scores.Wrong;
        if (++attempts_ >= TriesPerSet) {
            lblInfo->setText(AnswerText(set_.Count()));
            closeSet();
        }
    }
    scores.AverageResponseTime =
        scores.TotalResponseTime / Single(std::max(1, int(scores.SetsDisplayed)));
    showCounters();
}

void frmFG1t::closeSet() {
    // The set is over, right or shown: no further count is judged against it.
    txtAns->setEnabled(false);
    cmdNextSet->setEnabled(true);
    cmdNextSet->setFocus();
    ShowTargets();
}

void frmFG1t::ShowTargets() {
    targetsShown_ = true;
    paint(TargetStrokes(set_, Colors::Revealed, RevealedEdgeWidth));
}

void frmFG1t::showCounters() {
    const ShapeCountingScoreValues& scores = ShapeCountingScores();
    lblAveTime->setText("AveTime= " + SecondsText(scores.AverageResponseTime));
    lblWrong->setText("W= " + QString::number(scores.Wrong));
    lblCorrect->setText("C= " + QString::number(scores.Correct));
}

void frmFG1t::redrawSet() {
    if (background_.empty() && set_.targets.empty()) {
        return;
    }
    Surface->Cls();
    paint(background_);
    paint(TargetStrokes(set_, Colors::Target, set_.edgeWidth));
    if (targetsShown_) {
        ShowTargets();
    }
}

void frmFG1t::paint(const Strokes& strokes) {
    DrawingPass pass(*Surface);
    for (const Stroke& stroke : strokes) {
        Surface->DrawWidth = stroke.width;
        const QColor color = VbColor(stroke.color);
        switch (stroke.kind) {
        case Stroke::Kind::Dot:
            pass.PSet(stroke.x1, stroke.y1, color);
            break;
        case Stroke::Kind::Circle:
            pass.Circle(stroke.x1, stroke.y1, stroke.x2, color, QColor());
            break;
        case Stroke::Kind::Box:
            pass.Box(stroke.x1, stroke.y1, stroke.x2, stroke.y2, color, false);
            break;
        }
    }
    Surface->DrawWidth = 1;
}
