#include "exercises/tic_tac_toe/frmVSS1t.h"

#include "exercises/tic_tac_toe/frmVSS1o.h"
#include "exercises/tic_tac_toe/tic_tac_toe_scores.h"
#include "exercises/tic_tac_toe/tic_tac_toe_triad.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/layout.h"
#include "shell/framework/start_cues.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"

#include <algorithm>

using namespace ModDODI;
using namespace TicTacToe;

namespace {

constexpr int SmallGridPitch = 720;
constexpr int ButtonRowTop = 6480;
constexpr int CentreCell = 4;
const char* const AnswerFont = "Times New Roman";

// The answer font at a size, regular weight whatever its frame's caption uses.
void SetAnswerFont(CellGrid* grid, double points) {
    QFont f = grid->font();
    f.setFamily(AnswerFont);
    f.setBold(false);
    grid->setFont(f);
    grid->SetFontSize(points);
}

} // namespace

frmVSS1t::frmVSS1t()
    : TherapyScreen(Name, TicTacToeTriad()), frame4(MakeFrame("frame4", "", this)),
      lblCor(new VbLabel("lblCor", "Cx's=", frame4)),
      lblWrng(new VbLabel("lblWrng", "Wx's=", frame4)), lblCT(new VbLabel("lblCT", "C=0", frame4)),
      lblWT(new VbLabel("lblWT", "W=0", frame4)),
      cmdStart(new VbButton("cmdStart", "Start ", this)), cmdScores(AddScoresButton()),
      cmdOptions(AddOptionsButton()),
      cmdChkAnswer(new VbButton("cmdChkAnswer", "Check Answer", this)),
      cmdNextPat(new VbButton("cmdNextPat", "Next Pattern", this)),
      startStop_(*this, {cmdStart, cmdScores, cmdOptions, cmdNextPat},
                 StartStopToggle::Kind::OwnFlagNextSetHidden),
      counters_({lblCor, lblWrng, lblCT, lblWT}) {
    setWindowTitle("KOVA.....Practice Time = 0 Mins 0 Secs");
    SetDesignSize(11775, 7260);
    buildBoard();
    Frame3 = buildSmallGrid("Frame3", "Unrotated Pattern:", "cmdOrigGrid", 735, cmdOrigGrid);
    Place(Frame3, 360, 1200, 2655, 2775);
    Frame1 = buildSmallGrid("Frame1", "Correct Answer:  ", "cmdAnsX", 700, cmdAnsX);
    Place(Frame1, 8880, 1200, 2535, 2655);
    buildCounters();
    buildButtons();

    Timer1 = new VbTimer("Timer1", this);
    connect(Timer1, &VbTimer::Timer, this, &frmVSS1t::Timer1_Timer);
    startStop_.OnStart = [this] { startRun(); };
    startStop_.OnStop = [this] { stopRun(); };
}

void frmVSS1t::buildBoard() {
    Frame2 = new LinedBoard("Frame2", "cmdX", this);
    Frame2->PlaceAt(3413, 1080);
    cmdX = Frame2->Cells();
    cmdX->NameCells("Board square");
    connect(cmdX, &CellGrid::CellClick, this, &frmVSS1t::cmdX_Click);
}

QGroupBox* frmVSS1t::buildSmallGrid(const QString& frameName, const QString& caption,
                                    const QString& gridName, double cellSize, CellGrid*& grid) {
    QGroupBox* frame = MakeFrame(frameName, caption, this);
    SetFontSize(frame, 10, true);
    grid = new CellGrid(gridName, frame);
    grid->SetLayout({3, 3, 240, 360, cellSize, SmallGridPitch});
    SetAnswerFont(grid, 27.75);
    grid->NameCells(caption.trimmed().chopped(1) + " square");
    // Shown for reading only: these cells never take a click.
    grid->setEnabled(false);
    return frame;
}

void frmVSS1t::buildCounters() {
    auto* layout = new QGridLayout(frame4);
    layout->setContentsMargins(6, 4, 6, 4);
    const QList<VbLabel*> labels{lblCor, lblWrng, lblCT, lblWT};
    for (int i = 0; i < labels.size(); ++i) {
        VbLabel* label = labels[i];
        label->setWordWrap(false);
        SetFontSize(label, 12, true);
        layout->addWidget(label, i / 2, i % 2);
    }
    Place(frame4, 360, 4320, 2655, 1215);

    lblInfo = new VbLabel("lblInfo", "", this);
    lblInfo->setAlignment(Qt::AlignCenter);
    lblInfo->setWordWrap(false);
    SetFontSize(lblInfo, 12, true);
    Place(lblInfo, 3413, 480, LinedBoard::Side, 495);
}

void frmVSS1t::buildButtons() {
    PlaceSideBySide({cmdStart, cmdScores, cmdOptions}, 360, ButtonRowTop, 1335, 495, 1455);
    QFont checkFont = cmdChkAnswer->font();
    checkFont.setFamily(AnswerFont);
    checkFont.setPointSize(12);
    checkFont.setBold(true);
    cmdChkAnswer->setFont(checkFont);
    SetFontSize(cmdNextPat, 10, true);
    Place(cmdChkAnswer, 8880, 4320, 2535, 615);
    Place(cmdNextPat, 8880, 5160, 2535, 615);
    cmdChkAnswer->hide();
    connect(cmdStart, &QPushButton::clicked, this, &frmVSS1t::cmdStart_Click);
    connect(cmdNextPat, &QPushButton::clicked, this, &frmVSS1t::cmdNextPat_Click);
    connect(cmdChkAnswer, &QPushButton::clicked, this, &frmVSS1t::cmdChkAnswer_Click);
}

frmVSS1o& frmVSS1t::options() const {
    return Forms::Get<frmVSS1o>();
}

void frmVSS1t::Form_Load() {
    startStop_.SetStopped();
    StartPracticeClock();
}

void frmVSS1t::Form_Activate() {
    lblInfo->setText(RotationInWords(options().ChosenRotation()));
    cmdNextPat->hide();
    Frame1->hide();
    Frame3->hide();
    cmdChkAnswer->setEnabled(false);
    SetAnswerFont(cmdX, std::clamp(Int(options().cboFont->Value()), 12.0, 50.0));
    blankAllGrids();
}

void frmVSS1t::Form_Unload() {
    Timer1->SetEnabled(false);
    TherapyScreen::Form_Unload();
}

void frmVSS1t::startRun() {
    cmdChkAnswer->show();
    if (checkPending_) {
        // Back to the turn that Stop interrupted: it is checked before the next one.
        cmdNextPat->setEnabled(false);
        if (cmdChkAnswer->isEnabled()) {
            cmdChkAnswer->setFocus();
        }
    }
}

void frmVSS1t::stopRun() {
    counters_.SetVisible(true);
    Frame1->hide();
    Frame3->hide();
    cmdChkAnswer->hide();
}

void frmVSS1t::blankAllGrids() {
    for (CellGrid* grid : {cmdX, cmdAnsX, cmdOrigGrid}) {
        grid->SetCaptions(" ");
    }
}

void frmVSS1t::cmdNextPat_Click() {
    const TicTacToeScoreValues& totals = TicTacToeScores();
    if (AdaptBetweenSets(*this, {totals.TicTacToeGridsAllCorrect,
                                 totals.TicTacToeGrids - totals.TicTacToeGridsAllCorrect})) {
        lblInfo->setText(RotationInWords(options().ChosenRotation()));
    }
    if (EndPracticeIfTimeIsUp(options().cboPracTime->Value(),
                              [this] { Timer1->SetEnabled(false); })) {
        return;
    }
    AnswerEnabled = false;
    checkPending_ = true;
    Frame2->setEnabled(false);
    cmdStart->setFocus();
    cmdNextPat->setEnabled(false);
    PatternXCount = 0;
    showGridCounters();
    Frame1->hide();
    Frame3->hide();
    blankAllGrids();
    Pattern = {};
    repaint();
    platform().Sleep(1000);
    drawNewPattern();
    if (options().BeepOn()) {
        PlayPreDisplayBeep();
    }
    showPattern(cmdX, Pattern);
    showPattern(cmdOrigGrid, Pattern);
    Timer1->SetInterval(FlashIntervalMs(options().cboSpeed->Text()));
    Timer1->SetEnabled(true);
    // Painted at once, as the blanking is: the X's are on screen for the display time.
    cmdX->repaint();
    TicTacToeScoreValues& scores = TicTacToeScores();
    scores.TicTacToeTotalXs += PatternXCount;
    ++scores.TicTacToeGrids;
}

void frmVSS1t::drawNewPattern() {
    const int maxXs = int(Int(options().cboMaxX->Value()));
    Pattern = DrawPattern(maxXs, PlatformRandomize, PlatformRnd);
    PatternXCount = CountXs(Pattern);
}

void frmVSS1t::PlayPreDisplayBeep() {
    GridCell* centre = cmdX->Cell(CentreCell);
    ReadySignal(
        [centre](const QString& caption) {
            centre->SetCaption(caption);
            centre->repaint();
        },
        "*");
}

void frmVSS1t::showPattern(CellGrid* grid, const XPattern& pattern) {
    for (int cell = 0; cell < CellCount; ++cell) {
        if (pattern[std::size_t(cell)]) {
            grid->Cell(cell)->SetCaption("X");
        }
    }
}

void frmVSS1t::Timer1_Timer() {
    cmdX->SetCaptions(" ");
    cmdX->repaint();
    Timer1->SetEnabled(false);
    Frame2->setEnabled(true);
    AnswerEnabled = true;
    cmdChkAnswer->setEnabled(true);
    // Stop may have hidden Check Answer during the display: then it keeps no focus.
    if (cmdChkAnswer->isVisible()) {
        cmdChkAnswer->setFocus();
    }
}

void frmVSS1t::cmdX_Click(int Index) {
    if (!AnswerEnabled || Index < 0 || Index >= CellCount) {
        return;
    }
    GridCell* cell = cmdX->Cell(Index);
    cell->SetCaption(cell->Caption() == " " ? "X" : " ");
    cmdChkAnswer->setEnabled(true);
}

XPattern frmVSS1t::answerOnBoard() const {
    XPattern answer{};
    for (int cell = 0; cell < CellCount; ++cell) {
        answer[std::size_t(cell)] = cmdX->Cell(cell)->Caption() == "X";
    }
    return answer;
}

void frmVSS1t::cmdChkAnswer_Click() {
    const PatternRotation rotation = options().ChosenRotation();
    Frame1->show();
    Frame2->setEnabled(false);
    Frame3->setVisible(rotation != PatternRotation::None);
    ShowPracticeTime();
    const XPattern expected = Rotated(Pattern, rotation);
    showPattern(cmdAnsX, expected);

    const GridScore grid = ScoreGrid(answerOnBoard(), expected);
    TicTacToeScoreValues& scores = TicTacToeScores();
    scores.TicTacToeGridCorrect += grid.correct;
    scores.TicTacToeGridWrong += grid.wrong;
    if (grid.allCorrect) {
        ++scores.TicTacToeGridsAllCorrect;
    }
    scores.TicTacToeTotalWrong += scores.TicTacToeGridWrong;
    scores.TicTacToeTotalCorrect += scores.TicTacToeGridCorrect;
    showGridCounters();
    showGridTotals();
    scores.TicTacToeGridCorrect = 0;
    scores.TicTacToeGridWrong = 0;

    checkPending_ = false;
    // The answers are for reading only, until the next check shows them again.
    Frame1->setEnabled(false);
    Frame3->setEnabled(false);
    cmdChkAnswer->setEnabled(false);
    cmdNextPat->setEnabled(true);
    cmdNextPat->setFocus();
}

void frmVSS1t::showGridCounters() {
    const TicTacToeScoreValues& scores = TicTacToeScores();
    lblCor->setText("Cx's= " + QString::number(scores.TicTacToeGridCorrect));
    lblWrng->setText("Wx's= " + QString::number(scores.TicTacToeGridWrong));
}

void frmVSS1t::showGridTotals() {
    const TicTacToeScoreValues& scores = TicTacToeScores();
    lblCT->setText("C=" + QString::number(scores.TicTacToeGridsAllCorrect));
    lblWT->setText("W=" + QString::number(scores.TicTacToeGrids - scores.TicTacToeGridsAllCorrect));
}
