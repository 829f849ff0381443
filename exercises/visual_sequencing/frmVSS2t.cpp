#include "exercises/visual_sequencing/frmVSS2t.h"

#include "exercises/visual_sequencing/frmVSS2o.h"
#include "exercises/visual_sequencing/visual_sequencing_scores.h"
#include "exercises/visual_sequencing/visual_sequencing_triad.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/layout.h"
#include "shell/framework/start_cues.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"

#include <QVBoxLayout>

using namespace ModDODI;
using namespace VisualSequencing;

namespace {

constexpr int BoardLeft = 3293;
constexpr int BoardTop = 1080;
constexpr int SideButtonsLeft = 8640;
constexpr int SideButtonWidth = 2775;
constexpr int ButtonRowTop = 6480;
constexpr int PauseBeforeSequenceMs = 500;
constexpr int ClickFlashMs = 300;
constexpr int CentreSquare = 4;
const QColor Unlit(Qt::white);

} // namespace

frmVSS2t::frmVSS2t()
    : TherapyScreen(Name, VisualSequencingTriad()), Frame1(MakeFrame("Frame1", "", this)),
      lblCorrect(new VbLabel("lblCorrect", "Correct = 0", Frame1)),
      lblRepeat(new VbLabel("lblRepeat", "Repeats=0", Frame1)),
      lblSeqCor(new VbLabel("lblSeqCor", "SeqCor=0", Frame1)),
      lblMaxL(new VbLabel("lblMaxL", "Max Length = ", Frame1)),
      lblLength(new VbLabel("lblLength", "Length =", Frame1)),
      lblInfo(new VbLabel("lblInfo", "", this)),
      cmdNextPat(new VbButton("cmdNextPat", "Next Sequence", this)),
      cmdRepeat(new VbButton("cmdRepeat", "Repeat Same Sequence", this)),
      cmdStart(new VbButton("cmdStart", "Start ", this)), cmdScores(AddScoresButton()),
      cmdOptions(AddOptionsButton()),
      startStop_(*this, {cmdStart, cmdScores, cmdOptions, cmdNextPat},
                 StartStopToggle::Kind::OwnFlagNextSetHidden) {
    setWindowTitle("KOVA.....Practice Time = 0 Mins 0 Secs");
    SetDesignSize(11775, 7260);
    buildBoard();
    buildCounters();
    buildButtons();
    startStop_.OnStart = [this] { startRun(); };
    startStop_.OnStop = [this] { stopRun(); };
}

void frmVSS2t::buildBoard() {
    Frame2 = new LinedBoard("Frame2", "cmdX", this);
    Frame2->PlaceAt(BoardLeft, BoardTop);
    cmdX = Frame2->Cells();
    QFont squares = cmdX->font();
    squares.setFamily("Times New Roman");
    cmdX->setFont(squares);
    cmdX->SetFontSize(48);
    cmdX->NameCells("Square");
    for (int k = 0; k < cmdX->Count(); ++k) {
        // A click takes no focus: a clicked square flashes in its colour
        // alone, with no focus mark on it. The keyboard still reaches it.
        cmdX->Cell(k)->setFocusPolicy(Qt::TabFocus);
    }
    connect(cmdX, &CellGrid::CellClick, this, &frmVSS2t::cmdX_Click);
}

void frmVSS2t::buildCounters() {
    auto* column = new QVBoxLayout(Frame1);
    column->setContentsMargins(12, 6, 6, 6);
    for (VbLabel* label : {lblCorrect, lblRepeat, lblSeqCor, lblMaxL, lblLength}) {
        label->setWordWrap(false);
        SetFontSize(label, 12, true);
        column->addWidget(label);
    }
    Place(Frame1, 360, 1200, 2655, 2295);

    lblInfo->setAlignment(Qt::AlignCenter);
    lblInfo->setWordWrap(false);
    SetFontSize(lblInfo, 12, true);
    Place(lblInfo, BoardLeft, 480, LinedBoard::Side, 495);
}

void frmVSS2t::buildButtons() {
    PlaceSideBySide({cmdStart, cmdScores, cmdOptions}, 360, ButtonRowTop, 1335, 495, 1455);
    for (VbButton* button : {cmdNextPat, cmdRepeat}) {
        SetFontSize(button, 10, true);
    }
    Place(cmdNextPat, SideButtonsLeft, 1200, SideButtonWidth, 615);
    Place(cmdRepeat, SideButtonsLeft, 2040, SideButtonWidth, 615);
    cmdRepeat->hide();
    connect(cmdStart, &QPushButton::clicked, this, &frmVSS2t::cmdStart_Click);
    connect(cmdNextPat, &QPushButton::clicked, this, &frmVSS2t::cmdNextPat_Click);
    connect(cmdRepeat, &QPushButton::clicked, this, &frmVSS2t::cmdRepeat_Click);
}

frmVSS2o& frmVSS2t::options() const {
    return Forms::Get<frmVSS2o>();
}

void frmVSS2t::Form_Load() {
    ResetScores();
    const bool increasing = options().Increasing();
    if (increasing) {
        increasingLength_ = 0;
        options().cboMaxSeq->SetText("0");
    }
    lblMaxL->setVisible(increasing);
    lblSeqCor->setVisible(!increasing);
    lblLength->setText("Length = " + options().cboMaxSeq->Text());
    cmdX->SetBackColors(Unlit);
    cmdX->SetCaptions(" ");
    // No sequence yet: a click would be judged against nothing.
    setAnswerOpen(false);
    startStop_.SetStopped();
    StartPracticeClock();
    if (increasing && !options().NewSequenceEachTime()) {
        // One sequence for the whole run; each display shows its first squares.
        DrawAllTargets(Sequence, PlatformRandomize, PlatformRnd);
    }
}

void frmVSS2t::startRun() {
    Frame2->setEnabled(answerOpen_);
}

void frmVSS2t::stopRun() {
    cmdRepeat->hide();
    // A stopped practice takes no answers; Start gives the answer back.
    Frame2->setEnabled(false);
}

void frmVSS2t::setAnswerOpen(bool open) {
    answerOpen_ = open;
    Frame2->setEnabled(open);
}

void frmVSS2t::cmdNextPat_Click() {
    VisualSequencingScoreValues& scores = VisualSequencingScores();
    AdaptBetweenSets(*this, {scores.VisSeqSeqCorrect, scores.VisSeqSeqWrong});
    NewSequence = true;
    setFocus(); // not onto a square when Next Sequence is disabled
    cmdNextPat->setEnabled(false);
    cmdRepeat->hide();
    scores.VisSeqTargetsThisSeq = 0;
    setAnswerOpen(false);
    if (options().BeepOn()) {
        PlayPreDisplayBeep();
    }
    showCorrectCount();
    lblInfo->clear();
    lblInfo->SetMark(AnswerMark::None);
    if (EndPracticeIfTimeIsUp(options().cboPracTime->Value(),
                              [this] { startStop_.SetStopped(); })) {
        return;
    }
    AnswerIndex = 0;
    repaint();
    if (!options().Increasing()) {
        Sequence.fill(0);
    }
    platform().Sleep(PauseBeforeSequenceMs);
    cmdStart->setEnabled(false);
    platform().ShowCursor(false);
    if (options().Increasing()) {
        ShowIncreasingSequence();
    } else {
        ShowFixedSequence();
    }
    platform().ShowCursor(true);
    setAnswerOpen(true);
    ++scores.VisSeqSequences;
    cmdStart->setEnabled(true);
}

void frmVSS2t::PlayPreDisplayBeep() {
    GridCell* centre = cmdX->Cell(CentreSquare);
    ReadySignal(
        [centre](const QString& caption) {
            centre->SetCaption(caption);
            centre->repaint();
        },
        "*");
}

void frmVSS2t::cmdRepeat_Click() {
    VisualSequencingScoreValues& scores = VisualSequencingScores();
    lblInfo->clear();
    lblInfo->SetMark(AnswerMark::None);
    lblInfo->repaint();
    AnswerIndex = 0;
    ++scores.VisSeqRepeats;
    scores.VisSeqTargetsThisSeq = 0;
    lblRepeat->setText("Repeats= " + QString::number(scores.VisSeqRepeats));
    // "Correct =" keeps the count of the answer that failed until the next right click.
    NewSequence = false;
    setAnswerOpen(false);
    if (options().Increasing()) {
        ShowIncreasingSequence();
    } else {
        ShowFixedSequence();
    }
    setAnswerOpen(true);
}

void frmVSS2t::ShowFixedSequence() {
    const int length = FixedLength(options().cboMaxSeq->Text());
    for (int i = 1; i <= length; ++i) {
        if (NewSequence) {
            Sequence[std::size_t(i)] =
                DrawTarget(Sequence[std::size_t(i - 1)], PlatformRandomize, PlatformRnd);
        }
        showTarget(i);
    }
    shownLength_ = length;
}

void frmVSS2t::ShowIncreasingSequence() {
    VisualSequencingScoreValues& scores = VisualSequencingScores();
    if (NewSequence) {
        if (options().NewSequenceEachTime()) {
            DrawAllTargets(Sequence, PlatformRandomize, PlatformRnd);
        }
        increasingLength_ = NextIncreasingLength(increasingLength_, LastSequenceWrong);
    }
    // The options screen keeps the length reached, as its Number Of Squares.
    options().cboMaxSeq->SetText(QString::number(increasingLength_));
    lblLength->setText("Length = " + QString::number(increasingLength_));
    if (increasingLength_ > scores.VisSeqMaxLength) {
        scores.VisSeqMaxLength = increasingLength_;
    }
    lblMaxL->setText("Max Length = " + QString::number(scores.VisSeqMaxLength));
    for (int i = 1; i <= increasingLength_; ++i) {
        showTarget(i);
    }
    shownLength_ = increasingLength_;
}

void frmVSS2t::showTarget(int i) {
    ++VisualSequencingScores().VisSeqTargetsShown;
    GridCell* square = cmdX->Cell(Sequence[std::size_t(i)] - 1);
    const int litMs = LitMs(options().cboSpeed->Text());
    square->SetBackColor(LitColor(Sequence[std::size_t(i)]));
    // The square is lit from the start of its paint: the wait runs from
    // there, so that the paint itself does not lengthen it.
    const double litAt = platform().MonotonicMs();
    square->repaint();
    platform().SleepUntil(litAt + litMs);
    // Only the lit square changes: it alone is painted white at once, and the
    // next square is lit straight after.
    square->SetBackColor(Unlit);
    square->repaint();
}

void frmVSS2t::flash(int Index) {
    GridCell* square = cmdX->Cell(Index);
    square->SetBackColor(LitColor(Index + 1));
    square->repaint();
    platform().Sleep(ClickFlashMs);
    square->SetBackColor(Unlit);
    square->repaint();
}

void frmVSS2t::cmdX_Click(int Index) {
    if (!answerOpen_ || Index < 0 || Index >= SquareCount) {
        return;
    }
    flash(Index);
    ++AnswerIndex;
    if (IsRightClick(Sequence, AnswerIndex, Index + 1)) {
        judgeRight();
    } else {
        judgeWrong();
    }
    // A new sequence may be asked for at any point of an answer. A square
    // picked with the keyboard keeps the focus while the answer goes on, so
    // that the arrow keys lead on to the next square.
    cmdNextPat->setEnabled(true);
    if (!answerOpen_ || !cmdX->isAncestorOf(focusWidget())) {
        cmdNextPat->setFocus();
    }
}

void frmVSS2t::judgeRight() {
    VisualSequencingScoreValues& scores = VisualSequencingScores();
    ++scores.VisSeqTargetsThisSeq;
    cmdRepeat->hide();
    ++scores.VisSeqTargetsCorrect;
    LastSequenceWrong = false;
    showCorrectCount();
    if (scores.VisSeqTargetsThisSeq == shownLength_) {
        lblInfo->SetForeColor(Qt::black);
        lblInfo->SetMark(AnswerMark::Right);
        lblInfo->setText("Sequence Correct");
        ++scores.VisSeqSeqCorrect;
        lblSeqCor->setText("SeqCorrect= " + QString::number(scores.VisSeqSeqCorrect));
        setAnswerOpen(false);
    }
}

void frmVSS2t::judgeWrong() {
    platform().Beep();
    setAnswerOpen(false);
    lblInfo->SetForeColor(QColor(255, 0, 0));
    lblInfo->SetMark(AnswerMark::Wrong);
    lblInfo->setText("Sequence Wrong!");
    cmdRepeat->show();
    ++VisualSequencingScores().VisSeqSeqWrong;
    LastSequenceWrong = true;
}

void frmVSS2t::showCorrectCount() {
    lblCorrect->setText("Correct = " +
                        QString::number(VisualSequencingScores().VisSeqTargetsThisSeq));
}
