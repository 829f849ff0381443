#include "exercises/color_grids/frmVD1t.h"

#include "exercises/color_grids/color_grids_scores.h"
#include "exercises/color_grids/color_grids_triad.h"
#include "exercises/color_grids/frmVD1o.h"
#include "shell/controls/colors.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/elapsed.h"
#include "shell/framework/layout.h"
#include "shell/framework/start_cues.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"

using namespace ModDODI;
using namespace ColorGrids;

namespace {

// The screen's scale: one unit is one twip, so the cells stay square.
constexpr int ScaleWidth = 11099;
constexpr int ScaleHeight = 8100;
constexpr int FrameLineWidth = 3;
// The part of the screen the grids and their frames lie on, with room for
// the frame lines: a small sheet repaints quickly.
constexpr int BoardLeft = 2835;
constexpr int BoardTop = 285;
constexpr int BoardRight = 8565;
constexpr int BoardBottom = 5760;
constexpr int AnswerSide = 960;
constexpr int AnswerGap = 120;
constexpr int RightColumnLeft = 8760;
constexpr int RightColumnWidth = 2 * AnswerSide + 3 * AnswerGap;
constexpr int AnswerFrameTop = 1880;
constexpr int NextSetTop = AnswerFrameTop + RightColumnWidth + 240;
constexpr int CountersLeft = 2400;
constexpr int CountersTop = 5940;
constexpr int ButtonRowTop = 7140;
const QColor AnswerColor = VbColor(0xFFFFC0);
const QColor WrongColor = VbColor(VbColors::Red);
const QColor RightColor = VbColor(VbColors::Green);

} // namespace

frmVD1t::frmVD1t()
    : TherapyScreen(Name, ColorGridsTriad()), Frame3(MakeFrame("Frame3", "", this)),
      lblCor(new VbLabel("lblCor", "C=0", Frame3)), lblWrng(new VbLabel("lblWrng", "W=0", Frame3)),
      lblAveTime(new VbLabel("lblAveTime", "AveTime=", Frame3)),
      lblInfo(new VbLabel("lblInfo", "", Frame3)),
      cmdStart(new VbButton("cmdStart", "Start", this)), cmdScores(AddScoresButton()),
      cmdOptions(AddOptionsButton()), cmdNextSet(new VbButton("cmdNextSet", "Next Set", this)),
      startStop_(*this, {cmdStart, cmdScores, cmdOptions, cmdNextSet},
                 StartStopToggle::Kind::OwnFlagNextSetHidden) {
    setWindowTitle("KOVA.....Practice Time = 0 Mins 0 Secs");
    SetDesignSize(ScaleWidth, ScaleHeight);
    FillWhite(this);
    buildBoard();
    buildAnswerFrame();
    buildCounters();
    buildButtons();
    startStop_.OnStart = [this] { Frame1->show(); };
    startStop_.OnStop = [this] {
        lblCor->show();
        lblWrng->show();
        Frame1->hide();
    };
}

void frmVD1t::buildBoard() {
    board = new DrawingSurface("board", this);
    Place(board, BoardLeft, BoardTop, BoardRight - BoardLeft, BoardBottom - BoardTop);
    board->SetBackColor(Qt::white);
    board->Scale(BoardLeft, BoardTop, BoardRight, BoardBottom);
    board->DrawWidth = FrameLineWidth;
    board->lower();
    for (int grid = 1; grid <= GridCount; ++grid) {
        CellGrid* cells = new CellGrid("lbl" + QString::number(grid), board);
        // The squares are only looked at; the answer is a numbered button.
        cells->setEnabled(false);
        cells->hide();
        lblGrids[std::size_t(grid - 1)] = cells;
    }
}

void frmVD1t::buildAnswerFrame() {
    Frame1 = MakeFrame("Frame1", "", this);
    FillWhite(Frame1);
    Place(Frame1, RightColumnLeft, AnswerFrameTop, RightColumnWidth, RightColumnWidth);
    for (int index = 0; index < GridCount; ++index) {
        auto* button = new VbButton("cmdAns(" + QString::number(index) + ")",
                                    QString::number(index + 1), Frame1);
        button->setAccessibleName("Grid " + QString::number(index + 1));
        button->SetBackColor(AnswerColor);
        SetFontSize(button, 16, true);
        Place(button, AnswerGap + (index % 2) * (AnswerSide + AnswerGap),
              AnswerGap + (index / 2) * (AnswerSide + AnswerGap), AnswerSide, AnswerSide);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdAns_Click(index); });
        cmdAns[std::size_t(index)] = button;
    }
    // Nothing to answer before a set is shown.
    Frame1->setEnabled(false);
    Frame1->hide();
}

void frmVD1t::buildCounters() {
    FillWhite(Frame3);
    Place(Frame3, CountersLeft, CountersTop, RightColumnLeft + RightColumnWidth - CountersLeft,
          615);
    // Room for the widest texts: "C= 999", "AveTime= 999.99", "4 Is Wrong! WHY?".
    PlaceValueLabels({{lblCor, 120, 120, 1260},
                      {lblWrng, 1380, 120, 1260},
                      {lblAveTime, 2640, 120, 2520},
                      {lblInfo, 5160, 120, 3300}},
                     420, 11, Qt::AlignCenter);
}

void frmVD1t::buildButtons() {
    for (VbButton* button : {cmdStart, cmdScores, cmdOptions}) {
        SetFontSize(button, 10, true);
    }
    PlaceSideBySide({cmdStart, cmdScores, cmdOptions}, CountersLeft, ButtonRowTop, 1335, 495, 1455);
    SetFontSize(cmdNextSet, 11, true);
    Place(cmdNextSet, RightColumnLeft, NextSetTop, RightColumnWidth, 615);
    connect(cmdStart, &QPushButton::clicked, this, &frmVD1t::cmdStart_Click);
    connect(cmdNextSet, &QPushButton::clicked, this, &frmVD1t::cmdNextSet_Click);
}

frmVD1o& frmVD1t::options() const {
    return Forms::Get<frmVD1o>();
}

void frmVD1t::Form_Load() {
    ResetScores();
    ReadGridSize();
    if (options().BeepOn()) {
        PreloadSoundFile(AppPath() + "\\Ding.wav");
    }
    StartPracticeClock();
    startStop_.SetStopped();
}

void frmVD1t::ReadGridSize() {
    if (const int code = SizeCode(options().cboGridSize->Text()); code != 0) {
        gridSizeCode_ = code;
    }
    const GridGeometry& geometry = Geometry(gridSizeCode_);
    for (int grid = 1; grid <= GridCount; ++grid) {
        const QPointF origin = GridOrigin(geometry, grid);
        CellGrid* cells = lblGrids[std::size_t(grid - 1)];
        cells->SetLayout({Rows(geometry), Columns(geometry),
                          origin.x() + FirstCellOffset - BoardLeft,
                          origin.y() + FirstCellOffset - BoardTop, CellSide, CellStep});
        cells->NameCells("Grid " + QString::number(grid) + " square");
    }
}

void frmVD1t::cmdNextSet_Click() {
    const ColorGridsScoreValues& scores = ColorGridsScores();
    if (AdaptBetweenSets(*this, {scores.Correct, scores.Wrong})) {
        // The grid size is read once a practice; a new level may change it.
        ReadGridSize();
        framesDrawn_ = false;
    }
    if (options().BeepOn()) {
        PreDisplayBeep();
    }
    for (VbButton* button : cmdAns) {
        button->SetBackColor(AnswerColor);
    }
    if (EndPracticeIfTimeIsUp(options().cboPracTime->Value(), [this] { restoreGridSize(); })) {
        return;
    }
    const bool firstSet = !framesDrawn_;
    GenerateGrids();
    lblInfo->clear();
    Frame1->show();
    Frame1->setEnabled(true);
    cmdNextSet->setEnabled(false);
    awaitingAnswer_ = true;
    showSetNow(firstSet);
    QuestionShownAt = platform().Timer();
}

void frmVD1t::GenerateGrids() {
    set_ = DrawSet(Geometry(gridSizeCode_), options().Colors(), options().BrighterColors(),
                   PlatformRandomize, PlatformRnd);
    const bool borders = options().BordersOn();
    for (int grid = 1; grid <= GridCount; ++grid) {
        CellGrid* cells = lblGrids[std::size_t(grid - 1)];
        for (int cell = 0; cell < cells->Count(); ++cell) {
            cells->Cell(cell)->SetBackColor(set_.CellColor(grid, cell));
        }
        cells->SetBorders(borders);
        cells->show();
    }
    DrawGridFrames();
}

void frmVD1t::showSetNow(bool firstSet) {
    // On screen before the clock starts for the answer. After the first set
    // only the squares change: repainting the grids alone is quicker.
    if (firstSet) {
        board->repaint();
        return;
    }
    QRegion grids;
    for (const CellGrid* cells : lblGrids) {
        grids += cells->geometry();
    }
    board->repaint(grids);
}

void frmVD1t::DrawGridFrames() {
    // The frames of a size never change: drawn with its first set.
    if (framesDrawn_) {
        return;
    }
    framesDrawn_ = true;
    const GridGeometry& geometry = Geometry(gridSizeCode_);
    board->Cls();
    DrawingPass pass(*board);
    for (int grid = 1; grid <= GridCount; ++grid) {
        const QRectF frame = GridFrame(geometry, grid);
        pass.Box(frame.left(), frame.top(), frame.right(), frame.bottom(),
                 VbColor(geometry.frameColor), false);
    }
}

void frmVD1t::cmdAns_Click(int Index) {
    if (!awaitingAnswer_ || Index < 0 || Index >= GridCount) {
        return;
    }
    awaitingAnswer_ = false;
    Frame1->setEnabled(false);
    judge(Index + 1);
    cmdAns[std::size_t(Index)]->SetAnswerColor(WrongColor, AnswerMark::Wrong);
    cmdAns[std::size_t(set_.oddGrid - 1)]->SetAnswerColor(RightColor, AnswerMark::Right);
    recordResponseTime();
    cmdNextSet->setEnabled(true);
    cmdNextSet->setFocus();
}

void frmVD1t::judge(int grid) {
    ColorGridsScoreValues& scores = ColorGridsScores();
    if (grid != set_.oddGrid) {
        platform().Beep();
        ++scores.Wrong;
        lblWrng->setText("W= " + QString::number(scores.Wrong));
        lblInfo->setText(QString::number(grid) + " Is Wrong! WHY?");
    } else {
        ++scores.Correct;
        lblCor->setText("C= " + QString::number(scores.Correct));
        lblInfo->setText(QString::number(grid) + " Is Correct!");
    }
}

void frmVD1t::recordResponseTime() {
    ColorGridsScoreValues& scores = ColorGridsScores();
    AnswerGivenAt = platform().Timer();
    scores.TotalResponseTime += SecondsBetween(QuestionShownAt, AnswerGivenAt);
    scores.AverageResponseTime = scores.TotalResponseTime / (scores.Correct + scores.Wrong);
    lblAveTime->setText("AveTime= " + Format2(scores.AverageResponseTime));
}

void frmVD1t::restoreGridSize() {
    options().cboGridSize->SetText(Geometry(gridSizeCode_).text);
}
