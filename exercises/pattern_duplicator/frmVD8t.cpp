#include "exercises/pattern_duplicator/frmVD8t.h"

#include "exercises/pattern_duplicator/frmVD8o.h"
#include "exercises/pattern_duplicator/pattern_duplicator_scores.h"
#include "exercises/pattern_duplicator/pattern_duplicator_triad.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/elapsed.h"
#include "shell/framework/layout.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"

#include <algorithm>

using namespace ModDODI;
using namespace PatternDuplicator;

namespace {

constexpr int FrameSide = 5292;
constexpr int LeftFrameLeft = 360;
constexpr int RightFrameLeft = 6360;
constexpr int FrameTop = 360;
constexpr int GridMargin = 240;
constexpr int CountersTop = 5820;
constexpr int ButtonRowTop = 6660;
constexpr int TherapyFormWidth = 11760;
constexpr int TherapyFormHeight = 7440;
const QColor AnswerMarkColor(Qt::red);
const QColor RightColor(0, 255, 0);
const QColor WrongColor(255, 0, 0);

} // namespace

frmVD8t::frmVD8t()
    : TherapyScreen(Name, PatternDuplicatorTriad()), Frame5(MakeFrame("Frame5", "", this)),
      lblCor(new VbLabel("lblCor", "C=0", Frame5)), lblWrng(new VbLabel("lblWrng", "W=0", Frame5)),
      lblAveTime(new VbLabel("lblAveTime", "AveTime=", Frame5)),
      lblMaxTarg(new VbLabel("lblMaxTarg", "MaxSq=", Frame5)),
      lblInfo(new VbLabel("lblInfo", "", Frame5)),
      cmdStart(new VbButton("cmdStart", "Start", this)), cmdScores(AddScoresButton()),
      cmdOptions(AddOptionsButton()), cmdChkAnsw(new VbButton("cmdChkAnsw", "Check Answer", this)),
      cmdNextSet(new VbButton("cmdNextSet", "Next Set", this)),
      startStop_(*this, {cmdStart, cmdScores, cmdOptions, cmdNextSet},
                 StartStopToggle::Kind::OwnFlagNextSetHidden),
      counters_({lblCor, lblWrng}) {
    setWindowTitle("KOVA.....Practice Time = 0 Mins 0 Secs");
    SetDesignSize(TherapyFormWidth, TherapyFormHeight);
    FillWhite(this);
    Frame3 = buildGrid("Frame3", "lbl1L", 5, 975, 960, lbl1L);
    Frame4 = buildGrid("Frame4", "lbl2R", 5, 975, 960, lbl2R);
    Frame2 = buildGrid("Frame2", "lblLgrid", 10, 492, 480, lblLgrid);
    Frame1 = buildGrid("Frame1", "lblRGrid", 10, 492, 480, lblRGrid);
    for (QGroupBox* left : {Frame3, Frame2}) {
        Place(left, LeftFrameLeft, FrameTop, FrameSide, FrameSide);
    }
    for (QGroupBox* right : {Frame4, Frame1}) {
        Place(right, RightFrameLeft, FrameTop, FrameSide, FrameSide);
    }
    lbl1L->NameCells("Pattern square");
    lblLgrid->NameCells("Pattern square");
    lbl2R->NameCells("Answer square");
    lblRGrid->NameCells("Answer square");
    // The pattern is only looked at.
    lbl1L->setEnabled(false);
    lblLgrid->setEnabled(false);
    connect(lbl2R, &CellGrid::CellClick, this, &frmVD8t::AnswerSquare_Click);
    connect(lblRGrid, &CellGrid::CellClick, this, &frmVD8t::AnswerSquare_Click);
    buildCounters();
    buildButtons();
    startStop_.OnStop = [this] { stopRun(); };
}

QGroupBox* frmVD8t::buildGrid(const QString& frameName, const QString& gridName, int side,
                              double cellSize, double pitch, CellGrid*& grid) {
    QGroupBox* frame = MakeFrame(frameName, "", this);
    FillWhite(frame);
    grid = new CellGrid(gridName, frame);
    grid->SetLayout({side, side, GridMargin, GridMargin, cellSize, pitch});
    return frame;
}

void frmVD8t::buildCounters() {
    FillWhite(Frame5);
    Place(Frame5, LeftFrameLeft, CountersTop, RightFrameLeft + FrameSide - LeftFrameLeft, 615);
    PlaceValueLabels({{lblCor, 120, 120, 960},
                      {lblWrng, 1140, 120, 960},
                      {lblAveTime, 2160, 120, 2400},
                      {lblMaxTarg, 4620, 120, 1560},
                      {lblInfo, 6240, 120, 4920}},
                     420, 11, Qt::AlignCenter);
}

void frmVD8t::buildButtons() {
    for (VbButton* button : {cmdStart, cmdScores, cmdOptions}) {
        SetFontSize(button, 10, true);
    }
    PlaceSideBySide({cmdStart, cmdScores, cmdOptions}, LeftFrameLeft, ButtonRowTop, 1335, 495,
                    1455);
    for (VbButton* button : {cmdChkAnsw, cmdNextSet}) {
        SetFontSize(button, 11, true);
    }
    PlaceSideBySide({cmdChkAnsw, cmdNextSet}, RightFrameLeft + FrameSide - 2 * 2295 - 120,
                    ButtonRowTop, 2295, 495, 2295 + 120);
    // No Check Answer before a pattern is shown: two blank grids are no answer.
    cmdChkAnsw->hide();
    cmdNextSet->hide();
    connect(cmdStart, &QPushButton::clicked, this, &frmVD8t::cmdStart_Click);
    connect(cmdNextSet, &QPushButton::clicked, this, &frmVD8t::cmdNextSet_Click);
    connect(cmdChkAnsw, &QPushButton::clicked, this, &frmVD8t::cmdChkAnsw_Click);
}

frmVD8o& frmVD8t::options() const {
    return Forms::Get<frmVD8o>();
}

void frmVD8t::Form_Load() {
    takeGridSettings();
    ClearGrids();
    StartPracticeClock();
    startStop_.SetStopped();
}

void frmVD8t::takeGridSettings() {
    lblMaxTarg->setText("MaxSq = " + options().cboMaxSq->Text());
    const bool small = options().SmallGrid();
    Frame3->setVisible(small);
    Frame4->setVisible(small);
    Frame2->setVisible(!small);
    Frame1->setVisible(!small);
    patternGrid_ = small ? lbl1L : lblLgrid;
    answerGrid_ = small ? lbl2R : lblRGrid;
    lastIndex_ = options().GridCells() - 1;
    const bool borders = options().BordersOn();
    for (CellGrid* grid : {patternGrid_, answerGrid_}) {
        grid->SetBorders(borders);
    }
    answerGrid_->SetCaptionColors(AnswerMarkColor);
    answerGrid_->SetFontSize(small ? 24 : 16);
    // Bold, so that a red "W" stays readable on a black square too.
    for (int cell = 0; cell < answerGrid_->Count(); ++cell) {
        QFont bold = answerGrid_->Cell(cell)->font();
        bold.setBold(true);
        answerGrid_->Cell(cell)->setFont(bold);
    }
}

void frmVD8t::ClearGrids() {
    for (CellGrid* grid : {patternGrid_, answerGrid_}) {
        grid->SetBackColors(Qt::white);
        grid->SetCaptions("");
    }
}

void frmVD8t::stopRun() {
    counters_.SetVisible(true);
    cmdChkAnsw->hide();
    ClearGrids();
}

int frmVD8t::maxSquares() const {
    return std::clamp(int(Int(options().cboMaxSq->Value())), 1, lastIndex_ + 1);
}

void frmVD8t::cmdNextSet_Click() {
    const PatternDuplicatorScoreValues& totals = PatternDuplicatorScores();
    if (AdaptBetweenSets(*this, {totals.Correct, totals.Wrong})) {
        // A new level may bring the other grid or borders.
        takeGridSettings();
    }
    if (EndPracticeIfTimeIsUp(options().cboPracTime->Value())) {
        return;
    }
    cmdChkAnsw->show();
    lblInfo->SetBackColor(Qt::white);
    tries_ = 0;
    ++PatternDuplicatorScores().NewPatterns;
    QuestionShownAt = platform().Timer();
    ClearGrids();
    lblInfo->clear();
    showPattern();
    cmdStart->setEnabled(false);
    cmdChkAnsw->setEnabled(true);
    cmdChkAnsw->setFocus();
    cmdNextSet->setEnabled(false);
}

void frmVD8t::showPattern() {
    const int count = DrawCount(maxSquares(), PlatformRnd);
    const Squares pattern = DrawPattern(count, lastIndex_, PlatformRandomize, PlatformRnd);
    for (int cell = 0; cell <= lastIndex_; ++cell) {
        if (pattern[std::size_t(cell)]) {
            patternGrid_->Cell(cell)->SetBackColor(Qt::black);
        }
    }
}

void frmVD8t::AnswerSquare_Click(int Index) {
    if (Index < 0 || Index > lastIndex_) {
        return;
    }
    lblInfo->SetBackColor(Qt::white);
    GridCell* square = answerGrid_->Cell(Index);
    square->SetBackColor(square->BackColor() == QColor(Qt::white) ? Qt::black : Qt::white);
}

Squares frmVD8t::blackSquares(const CellGrid* grid) const {
    Squares black(std::size_t(lastIndex_ + 1), false);
    for (int cell = 0; cell <= lastIndex_; ++cell) {
        black[std::size_t(cell)] = grid->Cell(cell)->BackColor() != QColor(Qt::white);
    }
    return black;
}

void frmVD8t::cmdChkAnsw_Click() {
    ++tries_;
    const QList<int> wrong = WrongSquares(blackSquares(patternGrid_), blackSquares(answerGrid_));
    if (wrong.isEmpty()) {
        judgeRight();
    } else {
        judgeWrong(wrong);
    }
    cmdStart->setEnabled(true);
}

void frmVD8t::judgeRight() {
    cmdChkAnsw->setEnabled(false);
    lblInfo->SetAnswerColor(RightColor, AnswerMark::Right);
    PatternDuplicatorScoreValues& scores = PatternDuplicatorScores();
    ++scores.Correct;
    lblCor->setText("C=" + QString::number(scores.Correct));
    lblInfo->setText("Very Good, Correct!");
    RecordPatternTime();
    offerNextSet();
}

void frmVD8t::judgeWrong(const QList<int>& wrongSquares) {
    platform().Beep();
    cmdNextSet->setEnabled(false);
    cmdChkAnsw->setEnabled(true);
    PatternDuplicatorScoreValues& scores = PatternDuplicatorScores();
    ++scores.Wrong;
    lblWrng->setText("W=" + QString::number(scores.Wrong));
    lblInfo->SetAnswerColor(WrongColor, AnswerMark::Wrong);
    lblInfo->setText(WrongSquaresMessage(int(wrongSquares.size())));
    if (tries_ >= 3) {
        markWrongSquares(wrongSquares);
        RecordPatternTime();
        offerNextSet();
    }
}

void frmVD8t::markWrongSquares(const QList<int>& wrongSquares) {
    for (int cell : wrongSquares) {
        answerGrid_->Cell(cell)->SetCaption("W");
    }
    cmdChkAnsw->hide();
}

void frmVD8t::offerNextSet() {
    cmdNextSet->setEnabled(true);
    cmdNextSet->setFocus();
}

void frmVD8t::RecordPatternTime() {
    PatternDuplicatorScoreValues& scores = PatternDuplicatorScores();
    scores.TotalResponseTime += SecondsBetween(QuestionShownAt, platform().Timer());
    scores.AverageResponseTime = scores.TotalResponseTime / std::max(int(scores.NewPatterns), 1);
    lblAveTime->setText("AveTime= " + SecondsText(scores.AverageResponseTime));
}
