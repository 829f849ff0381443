// Closing Lines and Boxes driven as a therapist and patient use it: options
// and their checks, the timing of a set, answers on the drawing, Stop, the
// practice clock and the scores.
#include "exercises/closing_lines/closing_lines_scores.h"
#include "exercises/closing_lines/frmVC2o.h"
#include "exercises/closing_lines/frmVC2s.h"
#include "exercises/closing_lines/frmVC2t.h"
#include "tests/support/exercise_test.h"
#include "tests/support/kova_test.h"

#include <cmath>

using namespace ClosingLines;
using namespace ModDODI;

void RegisterClosingLines();

namespace {

// Draws of 0.5 for every value of a figure: lines meeting at (550, 325),
// width 3, not mirrored; a box whose missing corner is (362.5, 250).
const QList<double> Middle{0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};

class ClosingLinesScreens : public ExerciseTest<frmVC2o, frmVC2t, RegisterClosingLines> {
protected:
    // Therapy, sized so that a drawing unit is a pixel, and Start.
    frmVC2t& startTherapy() {
        Click(&options(), "cmdStart");
        sizeTherapy({1000, 1000});
        Click(therapy().cmdStart);
        return therapy();
    }
    // The therapy screen as it fills a screen of that size.
    void sizeTherapy(QSize size) {
        therapy().setWindowState(Qt::WindowNoState);
        therapy().resize(size);
        ProcessEvents();
    }
    // Next Set with the pause draw and the figure's draws.
    void nextSet(const QList<double>& figure = Middle, double pause = 0) {
        fake().ScriptRnd(QList<double>{pause} + figure);
        Click(therapy().cmdNextSet);
    }
    QPoint pixelOf(double x, double y) {
        const QPointF at = therapy().surface->ToPixels(x, y);
        return {int(std::lround(at.x())), int(std::lround(at.y()))};
    }
    // Clk To Answer, then a press on the drawing at (x, y).
    void answerAt(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
        Click(therapy().cmdAnswer);
        ClickAt(therapy().surface, pixelOf(x, y), button);
    }
    QColor pixelAt(double x, double y) {
        return therapy().surface->grab().toImage().pixelColor(pixelOf(x, y));
    }
};

} // namespace

TEST_F(ClosingLinesScreens, TherapyIsAWhiteSheetWithItsControlsBelowTheFigures) {
    options().cboSpeed->SetText("0.75");
    Click(&options(), "cmdStart");
    frmVC2t& t = therapy();
    EXPECT_EQ(t.lblSpd->text(), "Spd= 0.75");
    EXPECT_FALSE(t.lblConfuse->isVisible());
    for (const QSize screen : {QSize(800, 600), QSize(1920, 1080)}) {
        sizeTherapy(screen);
        const std::string size = std::to_string(screen.width());
        EXPECT_EQ(t.surface->geometry(), t.rect()) << "the sheet lies under every control";
        const double stripTop = t.surface->ToPixels(0, 850).y();
        QRect buttons;
        for (QWidget* control : QList<QWidget*>{t.cmdStart, t.cmdNextSet, t.cmdAnswer, t.cmdScores,
                                                t.cmdOptions, t.Frame1}) {
            const std::string name = control->objectName().toStdString() + " " + size;
            EXPECT_GE(control->y(), stripTop) << name;
            EXPECT_TRUE(t.rect().contains(control->geometry())) << name;
            if (control != t.Frame1) {
                buttons |= control->geometry();
            }
        }
        EXPECT_FALSE(buttons.intersects(t.Frame1->geometry())) << size;
    }
    Click(t.cmdStart);
    EXPECT_FALSE(t.cmdAnswer->isVisible()) << "no answer before a figure";
}

TEST_F(ClosingLinesScreens, OneSetWithBeepAndConfusionWaitsInOrder) {
    Click(options().chkSound);
    Click(options().chkConfuse);
    frmVC2t& t = startTherapy();
    struct Wait {
        int ms;
        bool pointerShown;
        bool noticeShown;
        int dings;
    };
    QList<Wait> waits;
    fake().OnSleep = [&](int ms) {
        waits.append(
            {ms, fake().CursorVisible, t.lblConfuse->isVisible(), int(fake().Sounds.size())});
    };
    const int reseeds = fake().RandomizeCalls;
    nextSet(Middle, 0.3);
    fake().OnSleep = nullptr;
    QList<int> lengths;
    for (const Wait& w : waits) {
        lengths << w.ms;
    }
    EXPECT_EQ(lengths,
              (QList<int>{650, 250, 250, 250, 500, 750, 1500, 500, 500, 500, 500, 500, 500}));
    ASSERT_EQ(waits.size(), 13);
    EXPECT_EQ(waits[3].dings, 3);
    EXPECT_TRUE(fake().Sounds[0].endsWith("Ding.wav"));
    EXPECT_FALSE(waits[4].pointerShown) << "pointer hidden while the figure is shown";
    for (int k = 0; k < waits.size(); ++k) {
        EXPECT_EQ(waits[k].noticeShown, k == 6) << "wait " << k;
        EXPECT_EQ(waits[k].pointerShown, k < 4) << "wait " << k;
    }
    EXPECT_EQ(fake().RandomizeCalls, reseeds + 2);
    EXPECT_TRUE(fake().CursorVisible);
    EXPECT_FALSE(t.FigureOnScreen());
    EXPECT_TRUE(t.cmdAnswer->isVisible());
    EXPECT_FALSE(t.cmdNextSet->isEnabled());
    EXPECT_EQ(ClosingLinesScores().SetsDisplayed, 1);
}

TEST_F(ClosingLinesScreens, SixDistractorsOfTheChosenTypeFollowTheNotice) {
    Click(options().chkConfuse);
    const struct {
        QRadioButton* type;
        int figureDraws, distractorDraws;
        const char* seen;
    } cases[] = {{options().optLines, 8, 7, "lines"}, {options().optRect, 4, 4, "box"}};
    for (const auto& c : cases) {
        Click(c.type);
        frmVC2t& t = startTherapy();
        // Drawn from draws of 0.5, a distractor's lines run through (850, 585)
        // and a box has a corner dot at (557.5, 445).
        QStringList seen;
        bool noticeShown = false;
        fake().OnSleep = [&](int) {
            noticeShown = noticeShown || t.lblConfuse->isVisible();
            if (noticeShown && !t.lblConfuse->isVisible()) {
                const bool line = pixelAt(850, 585) == QColor(Qt::black);
                const bool dot = pixelAt(557.5, 445) == QColor(Qt::black);
                seen << (line == dot ? "none" : line ? "lines" : "box");
            }
        };
        nextSet(QList<double>(c.figureDraws + 6 * c.distractorDraws, 0.5), 0.5);
        fake().OnSleep = nullptr;
        EXPECT_EQ(seen, QStringList(6, c.seen));
        Click(t.cmdStart);
        Click(t.cmdOptions);
    }
}

TEST_F(ClosingLinesScreens, ThePauseAndNoDingWithoutTheBeep) {
    options().cboSpeed->SetText("5.00");
    startTherapy();
    for (const double pauseDraw : {0.0, 0.999}) {
        QList<int> waits;
        fake().OnSleep = [&](int ms) { waits << ms; };
        nextSet(Middle, pauseDraw);
        answerAt(0, 0);
        EXPECT_EQ(waits, (QList<int>{pauseDraw == 0 ? 500 : 1000, 5000}));
    }
    fake().OnSleep = nullptr;
    EXPECT_TRUE(fake().Sounds.isEmpty());
}

TEST_F(ClosingLinesScreens, TheMeetingPointShowsOnlyAfterTheAnswer) {
    frmVC2t& t = startTherapy();
    bool hiddenWhileShown = false;
    fake().OnSleep = [&](int ms) {
        if (ms == 500 && t.FigureOnScreen()) {
            hiddenWhileShown = pixelAt(550, 325) == QColor(Qt::white);
        }
    };
    nextSet();
    fake().OnSleep = nullptr;
    EXPECT_TRUE(hiddenWhileShown);
    EXPECT_EQ(t.Target().Target(), QPointF(550, 325));
    EXPECT_EQ(t.surface->cursor().shape(), Qt::ArrowCursor);
    Click(t.cmdAnswer);
    EXPECT_TRUE(t.AnswerArmed());
    EXPECT_EQ(t.surface->cursor().shape(), Qt::WhatsThisCursor);
    EXPECT_FALSE(t.cmdAnswer->isVisible());
    ClickAt(t.surface, pixelOf(650, 325));
    EXPECT_EQ(t.lblInfo->text(), "You were off by 50 units.");
    EXPECT_EQ(t.surface->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(pixelAt(550, 325), QColor(Qt::black));
    EXPECT_EQ(pixelAt(650, 325), QColor(Qt::red));
    EXPECT_EQ(pixelAt(450, 325), QColor(Qt::white)) << "no more than the lines";
    EXPECT_TRUE(t.cmdNextSet->isEnabled() && t.cmdNextSet->hasFocus());

    nextSet();
    EXPECT_EQ(t.lblInfo->text(), "") << "cleared when the next figure has gone";
    EXPECT_EQ(pixelAt(650, 325), QColor(Qt::white)) << "the drawing cleared";
    answerAt(550, 325, Qt::RightButton); // any mouse button answers
    EXPECT_EQ(t.lblInfo->text(), "You were off by 0 units.");

    nextSet({0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.7}); // mirrored: meeting at (450, 325)
    answerAt(450, 375, Qt::MiddleButton);
    EXPECT_EQ(t.lblInfo->text(), "You were off by 25 units.");
    EXPECT_EQ(pixelAt(450, 325), QColor(Qt::black));
    EXPECT_EQ(ClosingLinesScores().TotalError, 75);
}

TEST_F(ClosingLinesScreens, TheBoxSolutionMarksTheCornerAndKeepsItsWideOutline) {
    Click(options().optRect);
    frmVC2t& t = startTherapy();
    QList<QColor> shown;
    fake().OnSleep = [&](int ms) {
        if (ms == 500) {
            shown = {pixelAt(557.5, 250), pixelAt(362.5, 445), pixelAt(557.5, 445),
                     pixelAt(362.5, 250)};
        }
    };
    nextSet({0.5, 0.5, 0.5, 0.5});
    fake().OnSleep = nullptr;
    const QColor black(Qt::black), white(Qt::white);
    EXPECT_EQ(shown, (QList<QColor>{black, black, black, white}));
    answerAt(362.5, 350);
    EXPECT_EQ(t.lblInfo->text(), "You were off by 50 units.");
    EXPECT_EQ(pixelAt(370, 258), QColor(Qt::blue)) << "the missing corner marked";
    EXPECT_EQ(pixelAt(460, 445), QColor(Qt::black)) << "the outline's bottom edge";
    EXPECT_EQ(t.surface->DrawWidth, 3);
}

TEST_F(ClosingLinesScreens, PressesThatAreNoAnswerChangeNothing) {
    frmVC2t& t = startTherapy();
    nextSet();
    const QImage before = t.surface->grab().toImage();
    ClickAt(t.surface, pixelOf(600, 300));
    EXPECT_EQ(t.surface->grab().toImage(), before) << "a press before Clk To Answer";
    EXPECT_EQ(t.lblInfo->text(), "");

    answerAt(560, 325);
    const QImage answered = t.surface->grab().toImage();
    fake().Now += 3;
    ClickAt(t.surface, pixelOf(900, 700));
    EXPECT_EQ(t.surface->grab().toImage(), answered) << "a second press";
    EXPECT_EQ(ClosingLinesScores().TotalError, 5);
    EXPECT_EQ(t.lblInfo->text(), "You were off by 5 units.");

    nextSet();
    Click(t.cmdAnswer);
    Click(t.cmdStart); // Stop
    EXPECT_FALSE(t.AnswerArmed());
    EXPECT_EQ(t.surface->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(t.cmdAnswer->isVisible() || t.cmdNextSet->isVisible());
    const QImage stopped = t.surface->grab().toImage();
    ClickAt(t.surface, pixelOf(600, 300));
    EXPECT_EQ(t.surface->grab().toImage(), stopped) << "a press after Stop";
    EXPECT_EQ(ClosingLinesScores().TotalError, 5);
    EXPECT_EQ(ClosingLinesScores().TotalResponseTime, Single(0.5));
    EXPECT_TRUE(t.cmdStart->hasFocus());
}

TEST_F(ClosingLinesScreens, ScoresCountFiguresShownAndAverageAtEachAnswer) {
    options().cboSpeed->SetText("0.10");
    frmVC2t& t = startTherapy();
    const double started = fake().Now;
    nextSet();
    fake().Now += 2.5 - 0.1;
    answerAt(570, 325); // 20 units off
    nextSet();
    fake().Now += 3.2 - 0.1;
    answerAt(550, 355); // 30 units off
    EXPECT_EQ(t.lblAveTime->text(), "AveTime= 2.85 Secs");
    nextSet(); // never answered
    fake().Now = started + 125;
    const QStringList lines{"lblTotalDis", "lblWrong", "lblAveSpd", "lblAuto4", "lblPracTime"};
    EXPECT_EQ(scoreLines(lines),
              (QStringList{"3", "8", "2.85 Secs", "0.10 Secs", "2 Mins  5 Secs"}));

    backToOptions();
    Click(&options(), "cmdStart");
    EXPECT_EQ(scoreLines({"lblTotalDis", "lblWrong"}), (QStringList{"0", ""}))
        << "no average error before a figure";
}

TEST_F(ClosingLinesScreens, SixtyWildAnswersKeepTheirAverage) {
    Click(options().optRect);
    frmVC2t& t = startTherapy();
    for (int k = 0; k < 60; ++k) {
        nextSet({0, 0, 0, 0}); // the missing corner at (50, 50)
        Click(t.cmdAnswer);
        // The far corner of the sheet lies under the button strip, out of
        // reach of a click: the press is handed to the screen directly.
        t.Form_MouseDown(1000, 1000);
    }
    EXPECT_EQ(t.lblInfo->text(), "You were off by 671 units.");
    EXPECT_EQ(ClosingLinesScores().TotalError, 671 * 60);
    EXPECT_EQ(scoreLines({"lblWrong"}), QStringList{"671"});
}
