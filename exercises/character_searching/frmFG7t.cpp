#include "exercises/character_searching/frmFG7t.h"

#include "exercises/character_searching/character_searching_scores.h"
#include "exercises/character_searching/character_searching_triad.h"
#include "exercises/character_searching/frmFG7o.h"
#include "shell/controls/default_button.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/elapsed.h"
#include "shell/framework/layout.h"
#include "shell/framework/target_watch.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"
#include "shell/resizer.h"

#include <QLabel>
#include <cmath>

using namespace CharacterSearching;
using namespace ModDODI;

namespace {

constexpr int Enter = 13;
constexpr int DesignWidth = 12000;
constexpr int DesignHeight = 8535;
constexpr int CounterFrameWidth = 3735;
constexpr int CounterFrameHeight = 1095;
constexpr int RightMargin = 225;
constexpr int LeftMargin = 120;
constexpr int GapBelowFrame = 45;
// The form is drawn on at a scale of 0 to 100 down its whole height; the
// drawing surface only needs to reach just below the grid's frame, so that a
// new grid repaints none of the controls below it.
constexpr double SurfaceBottom = 80;
constexpr int InfoHeight = 405;
constexpr int TherapyButtonHeight = 495;
constexpr int LevelWidth = 1500;

} // namespace

const QColor frmFG7t::FrameColor(0, 0, 255);
const QColor frmFG7t::TargetColor(255, 0, 255);

frmFG7t::frmFG7t()
    : TherapyScreen(Name, CharacterSearchingTriad()), surface(new DrawingSurface("Surface", this)),
      Frame1(MakeFrame("Frame1", "", this)), lblRows(new VbLabel("lblRows", "Rows=", Frame1)),
      lblAveTime(new VbLabel("lblAveTime", "", Frame1)),
      lblCor(new VbLabel("lblCor", "C=0", Frame1)), lblWrng(new VbLabel("lblWrng", "W=0", Frame1)),
      lblInfo(new VbLabel("lblInfo", "", this)),
      txtAns(new AnswerBox("txtAns", this, AnswerBox::Keys::DigitsOnly)),
      cmdBegin(new VbButton("cmdBegin", "Next Set", this)),
      cmdStart(new VbButton("cmdStart", "Start ", this)), cmdScores(AddScoresButton()),
      cmdOptions(AddOptionsButton()), startStop_(*this, {cmdStart, cmdScores, cmdOptions, cmdBegin},
                                                 StartStopToggle::Kind::OwnFlagNextSetHidden),
      counters_({lblCor, lblWrng}) {
    setWindowTitle("KOVA.....Practice Time = 0 Mins 0 Secs");
    // The form's own drawing, under every other control.
    surface->lower();
    surface->setAttribute(Qt::WA_OpaquePaintEvent); // it fills its own background
    surface->Scale(0, 0, 100, SurfaceBottom);
    surface->SetBackColor(palette().color(QPalette::Window));
    surface->setAccessibleName("Character grid");
    surface->Redraw = [this] { redrawSurface(); };
    buildCounters();
    buildAnswerRow();
    startStop_.OnStart = [this] { startRun(); };
    startStop_.OnStop = [this] { stopRun(); };
    SetDesignSize(DesignWidth, DesignHeight);
    // The grid spans the whole form, so the screen uses all the room there is.
    SpanWholeForm();
}

void frmFG7t::buildCounters() {
    PlaceValueLabels({{lblRows, 120, 180, 1560},
                      {lblAveTime, 1740, 180, 1875},
                      {lblCor, 120, 600, 1560},
                      {lblWrng, 1740, 600, 1875}},
                     360, 10, Qt::AlignLeft | Qt::AlignVCenter);
}

void frmFG7t::buildAnswerRow() {
    lblInfo->setWordWrap(false);
    SetFontSize(lblInfo, 12, true);
    txtAns->setAccessibleName("How many");
    txtAns->setAlignment(Qt::AlignCenter);
    SetFontSize(txtAns, 12, true);
    txtAns->hide();
    for (VbButton* button : {cmdBegin, cmdStart, cmdScores, cmdOptions}) {
        SetFontSize(button, 10, true);
    }
    new DefaultButton(cmdBegin, this);
    connect(cmdStart, &QPushButton::clicked, this, &frmFG7t::cmdStart_Click);
    connect(cmdBegin, &QPushButton::clicked, this, &frmFG7t::cmdBegin_Click);
    connect(txtAns, &AnswerBox::KeyPress, this, &frmFG7t::txtAns_KeyPress);
}

void frmFG7t::resizeEvent(QResizeEvent* event) {
    TherapyScreen::resizeEvent(event);
    placeControls();
}

// In the form's design room (design pixels), scaled with the form.
void frmFG7t::placeControls() {
    const QSizeF room = DesignRoom();
    const double surfaceHeight = std::floor(room.height() * SurfaceBottom / 100);
    PlaceInDesign(surface, QRectF(0, 0, room.width(), surfaceHeight));
    // Everything else sits below the grid's frame.
    const double infoTop = surfaceHeight + Twips(GapBelowFrame);
    const double rowTop = infoTop + Twips(InfoHeight + 75);
    const double counterLeft = room.width() - Twips(CounterFrameWidth + RightMargin);
    PlaceInDesign(
        Frame1, QRectF(counterLeft, infoTop, Twips(CounterFrameWidth), Twips(CounterFrameHeight)));
    double infoRight = counterLeft - Twips(LeftMargin);
    // "Level n" of the adaptive mode, when on, ends the question's line.
    if (auto* level = findChild<QLabel*>(AdaptiveNames::LevelLabel)) {
        infoRight -= Twips(LevelWidth);
        PlaceInDesign(level, QRectF(infoRight, infoTop, Twips(LevelWidth), Twips(InfoHeight)));
    }
    PlaceInDesign(lblInfo, QRectF(Twips(LeftMargin), infoTop, infoRight - Twips(2 * LeftMargin),
                                  Twips(InfoHeight)));
    const struct {
        QWidget* control;
        int width;
        int gapAfter;
    } row[] = {{txtAns, 1215, 120},
               {cmdBegin, 1455, 240},
               {cmdStart, 1215, 120},
               {cmdScores, 1215, 120},
               {cmdOptions, 1215, 0}};
    int left = Twips(LeftMargin);
    for (const auto& place : row) {
        PlaceInDesign(place.control,
                      QRectF(left, rowTop, Twips(place.width), Twips(TherapyButtonHeight)));
        left += Twips(place.width + place.gapAfter);
    }
}

frmFG7o& frmFG7t::options() const {
    return Forms::Get<frmFG7o>();
}

void frmFG7t::Form_Load() {
    showRows();
    QFont font("Times New Roman");
    font.setPointSizeF(options().GridSettings().fontSize);
    SetDesignFont(surface, font);
    startStop_.SetStopped();
    StartPracticeClock();
}

void frmFG7t::showRows() {
    lblRows->setText("Rows= " + options().cboRows->Text());
}

void frmFG7t::Form_Activate() {
    DrawFrame();
}

void frmFG7t::DrawFrame() {
    surface->DrawWidth = 3;
    surface->Box(FrameLeft, FrameTop, FrameRight, FrameBottom, FrameColor, false);
    surface->DrawWidth = 1;
}

void frmFG7t::startRun() {
    surface->Cls();
    shown_ = Shown::FrameOnly;
    DrawFrame();
    txtAns->show();
    txtAns->setEnabled(false);
    txtAns->clear();
    awaitingAnswer_ = false;
}

void frmFG7t::stopRun() {
    counters_.SetVisible(true);
    txtAns->hide();
    awaitingAnswer_ = false;
}

void frmFG7t::cmdBegin_Click() {
    const CharacterSearchingScoreValues& totals = CharacterSearchingScores();
    if (AdaptBetweenSets(*this, {totals.CharSearchCorrect, totals.CharSearchWrong})) {
        showRows();
    }
    surface->Cls();
    shown_ = Shown::FrameOnly;
    const bool timeUp = PracticeTimeReached(options().cboPracTime->Value());
    setWindowTitle(PracticeTimeLine());
    if (timeUp) {
        cmdStart_Click(); // the run ends with the practice time
        Forms::Show(Names().scores);
        return;
    }
    DrawFrame();
    QuestionShownAt = platform().Timer();
    txtAns->clear();
    cmdBegin->setEnabled(false);
    txtAns->setEnabled(true);
    MakeGrid();
    awaitingAnswer_ = true;
    txtAns->setFocus();
}

void frmFG7t::MakeGrid() {
    platform().Randomize();
    const LayoutSettings settings = options().GridSettings();
    grid_ = CharacterSearching::MakeGrid(options().ChosenType(), settings.rows * settings.perRow,
                                         PlatformRnd);
    lblInfo->setText(Question(grid_.target));
    const TextWidth widthOf = [this](const QString& text) { return surface->TextWidth(text); };
    constexpr double RightLimit = FrameRight - 1;
    places_ = LayOutGrid(grid_.chars, settings, widthOf, PlatformRnd, RightLimit);
    answerPlaces_.clear();
    for (std::size_t i = 0; i < places_.size(); ++i) {
        answerPlaces_.push_back(AnswerPlace(places_[i], widthOf(grid_.chars[i]), RightLimit));
    }
    printGrid();
}

void frmFG7t::printGrid() {
    shown_ = Shown::Grid;
    surface->ForeColor = Qt::black;
    for (std::size_t i = 0; i < grid_.chars.size(); ++i) {
        surface->CurrentX = places_[i].x;
        surface->CurrentY = places_[i].y;
        surface->Print(grid_.chars[i], AfterPrint::StayOnLine);
    }
}

void frmFG7t::txtAns_KeyPress(int KeyAscii) {
    if (KeyAscii != Enter || !awaitingAnswer_) {
        return;
    }
    awaitingAnswer_ = false;
    RecordResponseTime();
    CheckAnswer();
}

void frmFG7t::RecordResponseTime() {
    CharacterSearchingScoreValues& scores = CharacterSearchingScores();
    AnswerGivenAt = platform().Timer();
    scores.CharSearchTotalTime += SecondsBetween(QuestionShownAt, AnswerGivenAt);
    scores.CharSearchAveTime = scores.CharSearchTotalTime / (scores.CharSearchAnswered + 1);
    lblAveTime->setText("AveTime= " + Format2(scores.CharSearchAveTime));
}

void frmFG7t::CheckAnswer() {
    CharacterSearchingScoreValues& scores = CharacterSearchingScores();
    ++scores.CharSearchAnswered;
    const QString answer = txtAns->text();
    if (IsRightCount(answer, grid_.targets)) {
        ++scores.CharSearchCorrect;
    } else {
        ++scores.CharSearchWrong;
    }
    lblInfo->setText(Verdict(answer, grid_.targets, grid_.target));
    txtAns->setEnabled(false);
    lblCor->setText("C= " + QString::number(scores.CharSearchCorrect));
    lblWrng->setText("W= " + QString::number(scores.CharSearchWrong));
    ShowAnswerGrid();
}

void frmFG7t::ShowAnswerGrid() {
    surface->Cls();
    DrawFrame();
    printAnswerGrid();
    cmdBegin->setEnabled(true);
    cmdBegin->setFocus();
}

void frmFG7t::printAnswerGrid() {
    shown_ = Shown::AnswerGrid;
    for (std::size_t i = 0; i < grid_.chars.size(); ++i) {
        const PrintPoint& at = answerPlaces_[i];
        surface->ForeColor = grid_.chars[i] == grid_.target ? TargetColor : QColor(Qt::black);
        surface->CurrentX = at.x;
        surface->CurrentY = at.y;
        surface->Print(grid_.chars[i], AfterPrint::StayOnLine);
    }
    surface->ForeColor = Qt::black;
}

void frmFG7t::redrawSurface() {
    surface->Cls();
    DrawFrame();
    if (shown_ == Shown::Grid) {
        printGrid();
    } else if (shown_ == Shown::AnswerGrid) {
        printAnswerGrid();
    }
}
