#include "exercises/closing_lines/frmVC2t.h"

#include "exercises/closing_lines/closing_lines_scores.h"
#include "exercises/closing_lines/closing_lines_triad.h"
#include "exercises/closing_lines/frmVC2o.h"
#include "shell/framework/elapsed.h"
#include "shell/framework/layout.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/start_cues.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"

using namespace ClosingLines;
using namespace ModDODI;

namespace {

constexpr int DistractorCount = 6;
constexpr int DistractorMs = 500;
constexpr int NoticeDelayMs = 750;
constexpr int NoticeMs = 1500;

// The strip along the bottom edge, in twips: buttons on the left, the
// information frame on the right, all below 850 drawing units.
constexpr int StripMargin = 90;
constexpr int FrameWidth = 4200;
constexpr int FrameHeight = 1140;
constexpr int ButtonHeight = 495;
constexpr int ButtonGap = 120;

const QColor Black(Qt::black);
const QColor White(Qt::white);
const QColor Red(0xFF, 0, 0);  // &H0000FF
const QColor Blue(0, 0, 0xFF); // &HFF0000

} // namespace

frmVC2t::frmVC2t()
    : TherapyScreen(Name, ClosingLinesTriad()), surface(new DrawingSurface("surface", this)),
      cmdStart(new VbButton("cmdStart", "Start", this)),
      cmdNextSet(new VbButton("cmdNextSet", "Next Set", this)),
      cmdAnswer(new VbButton("cmdAnswer", "Clk To Answer", this)), cmdScores(AddScoresButton()),
      cmdOptions(AddOptionsButton()),
      startStop_(*this, {cmdStart, cmdScores, cmdOptions, cmdNextSet},
                 StartStopToggle::Kind::OwnFlagNextSetHidden) {
    setWindowTitle("KOVA.....Practice Time = 0 Mins 0 Secs");
    surface->SetBackColor(White);
    surface->setAccessibleName("Drawing");
    surface->Scale(0, 0, ScaleSide, ScaleSide);
    surface->lower();
    buildStrip();
    startStop_.OnStop = [this] { stopRun(); };
    connect(cmdStart, &QPushButton::clicked, this, &frmVC2t::cmdStart_Click);
    connect(cmdNextSet, &QPushButton::clicked, this, &frmVC2t::cmdNextSet_Click);
    connect(cmdAnswer, &QPushButton::clicked, this, &frmVC2t::cmdAnswer_Click);
    connect(surface, &DrawingSurface::mouseDown, this, &frmVC2t::Form_MouseDown);
    // The figures use the whole sheet, so the screen uses all the room there
    // is: the whole display, and the work area where a window manager keeps one.
    SetDesignSize(12000, 9000);
    resize(platform().DisplaySize());
    SpanWholeForm();
}

void frmVC2t::buildStrip() {
    for (VbButton* button : {cmdStart, cmdNextSet, cmdAnswer, cmdScores, cmdOptions}) {
        SetFontSize(button, 10, true);
    }
    cmdAnswer->hide();

    Frame1 = MakeFrame("Frame1", "", this);
    lblSpd = new VbLabel("lblSpd", "Spd=", Frame1);
    lblInfo = new VbLabel("lblInfo", "", Frame1);
    lblAveTime = new VbLabel("lblAveTime", "AveTime=", Frame1);
    for (VbLabel* label : {lblSpd, lblInfo, lblAveTime}) {
        label->setWordWrap(false);
        SetFontSize(label, 10, true);
    }
    lblInfo->setAlignment(Qt::AlignCenter);
    lblSpd->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Place(lblInfo, 120, 150, FrameWidth - 240, 375);
    Place(lblSpd, 120, 630, 1500, 375);
    lblAveTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(lblAveTime, 1620, 630, FrameWidth - 1740, 375);

    lblConfuse = new VbLabel("lblConfuse", "Get Ready For Visual Confusion Targets", this);
    lblConfuse->setAlignment(Qt::AlignCenter);
    lblConfuse->setWordWrap(false);
    SetFontSize(lblConfuse, 16, true);
    lblConfuse->hide();
}

void frmVC2t::resizeEvent(QResizeEvent* event) {
    TherapyScreen::resizeEvent(event);
    placeControls();
}

// In the form's design room (design pixels), scaled with the form.
void frmVC2t::placeControls() {
    const QSizeF room = DesignRoom();
    PlaceInDesign(surface, QRectF(QPointF(), room));
    const double frameTop = room.height() - Twips(StripMargin + FrameHeight);
    PlaceInDesign(Frame1, QRectF(room.width() - Twips(ButtonGap + FrameWidth), frameTop,
                                 Twips(FrameWidth), Twips(FrameHeight)));
    const double buttonTop = frameTop + Twips((FrameHeight - ButtonHeight) / 2.0);
    const struct {
        VbButton* button;
        int width;
    } row[] = {{cmdStart, 1215},
               {cmdNextSet, 1335},
               {cmdAnswer, 1815},
               {cmdScores, 1215},
               {cmdOptions, 1215}};
    int left = ButtonGap;
    for (const auto& place : row) {
        PlaceInDesign(place.button,
                      QRectF(Twips(left), buttonTop, Twips(place.width), Twips(ButtonHeight)));
        left += place.width + ButtonGap;
    }
    const int noticeHeight = Twips(600);
    const int noticeTop = int(surface->ToPixels(0, 450).y() / UniformFactor()) - noticeHeight / 2;
    PlaceInDesign(lblConfuse, QRectF(0, noticeTop, room.width(), noticeHeight));
}

frmVC2o& frmVC2t::options() const {
    return Forms::Get<frmVC2o>();
}

void frmVC2t::Form_Activate() {
    startStop_.SetStopped();
    StartPracticeClock();
    lblSpd->setText("Spd= " + options().cboSpeed->Text());
}

void frmVC2t::stopRun() {
    cmdAnswer->hide();
    // Nothing is scored after Stop: a press now would be timed across the
    // stop and judged against a figure long gone.
    disarm();
}

void frmVC2t::cmdNextSet_Click() {
    clearDrawing();
    if (EndPracticeIfTimeIsUp(options().cboPracTime->Value())) {
        return;
    }
    platform().Randomize();
    platform().Sleep(PauseMs(platform().Rnd()));
    ++ClosingLinesScores().SetsDisplayed;
    QuestionShownAt = platform().Timer();
    DrawTarget();
    platform().ShowCursor(false);
    holdOnScreen(DisplaySpeedMs(options().cboSpeed->Text()).value_or(0));
    clearDrawing();
    if (options().ConfusionOn()) {
        VisualConfusion();
    }
    platform().ShowCursor(true);
    lblInfo->clear();
    cmdNextSet->setEnabled(false);
    cmdAnswer->show();
    cmdAnswer->setFocus();
}

void frmVC2t::DrawTarget() {
    if (options().BeepOn()) {
        PreDisplayBeep();
    }
    platform().Randomize();
    target_ = TargetFigure(options().ChosenTarget(), PlatformRnd);
    drawFigure(target_);
}

void frmVC2t::drawFigure(const Figure& figure) {
    if (figure.LineWidth > 0) {
        surface->DrawWidth = figure.LineWidth;
    }
    DrawingPass pass(*surface);
    if (figure.Type == TargetType::CornerOfTheBox) {
        for (const QPointF& dot : figure.CornerDots()) {
            pass.Circle(dot.x(), dot.y(), CornerDotRadius, Black, Black);
        }
    } else {
        const QPointF meeting = figure.Target();
        for (const QPointF& start : figure.LineStarts()) {
            pass.Line(start.x(), start.y(), meeting.x(), meeting.y(), Black);
        }
        pass.Circle(meeting.x(), meeting.y(), HidingDiscRadius, White, White);
    }
    figureOnScreen_ = true;
}

void frmVC2t::holdOnScreen(int ms) {
    const double due = platform().MonotonicMs() + ms;
    surface->repaint();
    platform().SleepUntil(due);
}

void frmVC2t::clearDrawing() {
    surface->Cls();
    figureOnScreen_ = false;
    surface->repaint();
}

void frmVC2t::VisualConfusion() {
    platform().Sleep(NoticeDelayMs);
    lblConfuse->show();
    lblConfuse->repaint();
    platform().Sleep(NoticeMs);
    lblConfuse->hide();
    surface->repaint();
    const TargetType type = options().ChosenTarget();
    for (int k = 0; k < DistractorCount; ++k) {
        drawFigure(DistractorFigure(type, PlatformRnd));
        holdOnScreen(DistractorMs);
        clearDrawing();
    }
}

void frmVC2t::cmdAnswer_Click() {
    surface->setCursor(Qt::WhatsThisCursor);
    armed_ = true;
    cmdAnswer->hide();
    surface->SetKeyboardPointer(true);
}

void frmVC2t::disarm() {
    armed_ = false;
    surface->unsetCursor();
    surface->SetKeyboardPointer(false);
}

void frmVC2t::Form_MouseDown(double X, double Y) {
    if (!armed_) {
        return;
    }
    DrawingPass(*surface).Circle(X, Y, AnswerDotRadius, Red, Red);
    disarm();
    const int error = AnswerError({X, Y}, target_.Target());
    ClosingLinesScores().TotalError += error;
    lblInfo->setText(OffByText(error));
    ShowSolution();
}

void frmVC2t::ShowSolution() {
    {
        DrawingPass pass(*surface);
        const QPointF target = target_.Target();
        if (target_.Type == TargetType::CornerOfTheBox) {
            pass.Circle(target.x(), target.y(), CornerDotRadius, Blue, Blue);
            for (const QPointF& dot : target_.CornerDots()) {
                pass.Circle(dot.x(), dot.y(), CornerDotRadius, Black, Black);
            }
            // The width stays for what is drawn next, as the form's own would.
            surface->DrawWidth = BoxOutlineWidth;
            pass.Box(target_.A, target_.B, target_.A + target_.W, target_.B + target_.H, Black,
                     false);
        } else {
            for (const QPointF& start : target_.LineStarts()) {
                pass.Line(start.x(), start.y(), target.x(), target.y(), Black);
            }
        }
    }
    cmdNextSet->setEnabled(true);
    cmdNextSet->setFocus();
    showAverageTime();
}

void frmVC2t::showAverageTime() {
    ClosingLinesScoreValues& scores = ClosingLinesScores();
    scores.TotalResponseTime += SecondsBetween(QuestionShownAt, platform().Timer());
    scores.AverageResponseTime = scores.TotalResponseTime / Single(scores.SetsDisplayed);
    lblAveTime->setText("AveTime= " + SecondsText(scores.AverageResponseTime));
}
