// Shape Counting driven as a user does: the options and their checks, sets
// counted right or wrong up to the third count, the green targets, the
// response times, Stop, the practice clock and the scores.
#include "exercises/shape_counting/frmFG1o.h"
#include "exercises/shape_counting/frmFG1s.h"
#include "exercises/shape_counting/frmFG1t.h"
#include "exercises/shape_counting/shape_counting_scores.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/exercise_test.h"

using namespace ModDODI;
using namespace ShapeCounting;

void RegisterShapeCounting();

namespace {

const QColor TargetGrey(0xBF, 0xBF, 0xBF);
const QColor DarkGrey(0x8F, 0x8F, 0x8F);
const QColor Green(0, 255, 0);
constexpr int LevelOneDraws = 3 * 1000; // width, x and y of each dot
// 7000 pairs of dots, 30 circles, 20 squares and 20 long rectangles.
constexpr int LevelFiveDraws = 3 * 7000 + 2 * (30 + 20 + 20);

} // namespace

class ShapeCountingScreens : public ExerciseTest<frmFG1o, frmFG1t, RegisterShapeCounting> {
protected:
    // Next Set at level 1 with count targets of a kind, each placed by its
    // own draws (four for a box, three for a circle).
    void nextSet(int count, TargetKind kind, const QList<double>& placements = {},
                 int backgroundDraws = LevelOneDraws) {
        QList<double> draws(backgroundDraws, 0.5);
        draws << (count - 3) / double(options().MaxShapes()) + 1e-9;
        draws << (kind == TargetKind::Boxes ? 0.25 : 0.75);
        draws << placements;
        fake().ScriptRnd(draws);
        Click(therapy().cmdNextSet);
    }
    void answer(const QString& count) {
        QTest::keyClicks(therapy().txtAns, count);
        QTest::keyClick(therapy().txtAns, Qt::Key_Return);
    }
    QColor pixelAt(double x, double y) {
        const QImage drawn = therapy().Surface->grab().toImage();
        const QPointF at = therapy().Surface->ToPixels(x, y);
        return drawn.pixelColor(int(at.x()), int(at.y()));
    }
    // Pixels of colour in the row through (x, y), from dx pixels left to dx right.
    int pixelsAcross(double x, double y, const QColor& colour, int dx = 8) {
        const QImage drawn = therapy().Surface->grab().toImage();
        const QPoint at = therapy().Surface->ToPixels(x, y).toPoint();
        int count = 0;
        for (int px = at.x() - dx; px <= at.x() + dx; ++px) {
            for (int py = at.y() - 1; py <= at.y() + 1; ++py) {
                count += drawn.pixelColor(px, py) == colour;
            }
        }
        return count;
    }
};

TEST_F(ShapeCountingScreens, TherapyOpensStoppedWithTheBoxHiddenUntilStartAndOffUntilASet) {
    ShapeCountingScores().Correct = 3;
    Click(&options(), "cmdStart");
    frmFG1t& t = therapy();
    EXPECT_EQ(ShapeCountingScores().Correct, 0) << "activation zeroes the scores";
    EXPECT_FALSE(t.txtAns->isVisible() || t.cmdNextSet->isVisible());

    Click(t.cmdStart);
    EXPECT_TRUE(t.txtAns->isVisible() && t.cmdNextSet->isEnabled());
    EXPECT_FALSE(t.txtAns->isEnabled()) << "nothing to count before the first set";

    Click(t.lblCorrect);
    EXPECT_FALSE(t.lblCorrect->isVisible() || t.lblWrong->isVisible()) << "a click hides both";
    Click(t.cmdStart);
    EXPECT_FALSE(t.txtAns->isVisible() || t.cmdNextSet->isVisible());
    EXPECT_TRUE(t.lblCorrect->isVisible() && t.lblWrong->isVisible()) << "Stop shows them";
}

TEST_F(ShapeCountingScreens, NextSetDrawsTargetsBeepsAndAsksForTheCount) {
    options().cboBorder->SetText("4");
    frmFG1t& t = startTherapy();
    const int reseeds = fake().RandomizeCalls;
    nextSet(4, TargetKind::Boxes, {0.5, 0.5, 0.5, 0.5});
    EXPECT_EQ(fake().RandomizeCalls, reseeds + 1000 + 2);
    EXPECT_EQ(fake().Beeps, 1);
    EXPECT_EQ(t.lblInfo->text(), "Looking For Boxes");
    EXPECT_EQ(t.CurrentSet().Count(), 4);
    EXPECT_EQ(t.CurrentSet().edgeWidth, 4);
    EXPECT_EQ(ShapeCountingScores().SetsDisplayed, 1);
    EXPECT_TRUE(t.txtAns->isEnabled());
    EXPECT_EQ(t.focusWidget(), t.txtAns);
    EXPECT_FALSE(t.cmdNextSet->isEnabled());
    EXPECT_EQ(pixelAt(410, 340), TargetGrey) << "left edge of the box from (410, 310)";

    QTest::keyClicks(t.txtAns, "1a2.");
    EXPECT_EQ(t.txtAns->text(), "12");
    EXPECT_EQ(fake().Beeps, 3) << "letters and stops beep and do not appear";
}

TEST_F(ShapeCountingScreens, EveryDigitTypedIsJudgedAndDeleteDeletes) {
    options().cboMaxTarg->SetText("10");
    frmFG1t& t = startTherapy();
    nextSet(12, TargetKind::Boxes);
    answer("120");
    EXPECT_EQ(t.lblInfo->text(), "120 Is Wrong, Try Again") << "a third digit is not dropped";
    QTest::keyClicks(t.txtAns, "712");
    QTest::keyClick(t.txtAns, Qt::Key_Home);
    QTest::keyClick(t.txtAns, Qt::Key_Delete);
    EXPECT_EQ(t.txtAns->text(), "12");
    QTest::keyClick(t.txtAns, Qt::Key_Return);
    EXPECT_EQ(t.lblInfo->text(), "Very Good, 12 Is Correct!");
}

TEST_F(ShapeCountingScreens, ThreeWrongCountsGiveTheAnswerAndShowTheTargetsInGreen) {
    frmFG1t& t = startTherapy();
    nextSet(7, TargetKind::Boxes, QList<double>(28, 0.5));
    answer("6");
    EXPECT_EQ(t.lblInfo->text(), "6 Is Wrong, Try Again");
    EXPECT_EQ(t.lblWrong->text(), "W= 1");
    EXPECT_EQ(t.txtAns->text(), "");
    EXPECT_EQ(fake().Beeps, 2);
    answer("8");
    EXPECT_TRUE(t.txtAns->isEnabled()) << "two wrong counts leave the set open";
    EXPECT_EQ(pixelAt(410, 340), TargetGrey);
    answer("9");
    EXPECT_EQ(t.lblInfo->text(), "There are 7 Targets");
    EXPECT_EQ(t.lblWrong->text(), "W= 3");
    EXPECT_EQ(t.lblCorrect->text(), "C= 0");
    EXPECT_FALSE(t.txtAns->isEnabled());
    EXPECT_TRUE(t.cmdNextSet->isEnabled());
    EXPECT_EQ(t.focusWidget(), t.cmdNextSet);
    EXPECT_EQ(pixelAt(410, 340), Green);

    EXPECT_EQ(scoreLines({"lblPerCor"}), QStringList{""}) << "no percent before a right count";
}

TEST_F(ShapeCountingScreens, ARightCountClosesTheSetAndAClickJudgesOnlyACountTyped) {
    frmFG1t& t = startTherapy();
    nextSet(7, TargetKind::Circles, QList<double>(21, 0.5));
    EXPECT_EQ(t.lblInfo->text(), "Looking For Circles");
    answer("6");
    answer("7");
    EXPECT_EQ(t.lblInfo->text(), "Very Good, 7 Is Correct!");
    EXPECT_EQ(t.lblCorrect->text(), "C= 1");
    EXPECT_EQ(t.lblWrong->text(), "W= 1");
    EXPECT_FALSE(t.txtAns->isEnabled());
    EXPECT_EQ(t.focusWidget(), t.cmdNextSet);
    // The circle around (500, 400) of radius 65 is green at its top.
    const double radiusInRows = 65 * t.Surface->ToPixelsX(1) / t.Surface->ToPixelsY(1);
    EXPECT_EQ(pixelAt(500, 400 - radiusInRows), Green);

    answer("7");
    Click(t.txtAns);
    EXPECT_EQ(ShapeCountingScores().Correct, 1) << "a closed set is not judged again";
    EXPECT_EQ(t.lblCorrect->text(), "C= 1");

    nextSet(7, TargetKind::Boxes);
    Click(t.txtAns);
    QTest::keyClick(t.txtAns, Qt::Key_Return);
    EXPECT_EQ(ShapeCountingScores().Wrong, 1) << "nothing typed: nothing judged";
    QTest::keyClicks(t.txtAns, "7");
    Click(t.txtAns);
    EXPECT_EQ(t.lblInfo->text(), "Very Good, 7 Is Correct!") << "a click judges a typed count";
}

TEST_F(ShapeCountingScreens, EachSetStartsOnAClearedScreenWithThreeCountsOfItsOwn) {
    frmFG1t& t = startTherapy();
    nextSet(4, TargetKind::Boxes, {0.5, 0.5, 0.5, 0.5});
    answer("5");
    answer("6");
    answer("4");
    ASSERT_EQ(pixelAt(410, 340), Green);
    nextSet(4, TargetKind::Boxes, QList<double>(16, 0.1));
    EXPECT_EQ(pixelAt(410, 340), QColor(Qt::black)) << "the last set is gone";
    answer("5");
    answer("6");
    EXPECT_TRUE(t.txtAns->isEnabled()) << "two wrong counts of this set leave it open";
    EXPECT_EQ(t.lblInfo->text(), "6 Is Wrong, Try Again");
}

TEST_F(ShapeCountingScreens, TheChosenBackgroundAndEdgeThicknessAreDrawn) {
    frmFG1t& t = startTherapy();
    nextSet(4, TargetKind::Boxes, {0.5, 0.5, 0.5, 0.5});
    const int thinEdge = pixelsAcross(410, 340, TargetGrey);
    EXPECT_EQ(pixelsAcross(200, 500, DarkGrey, 0), 0);
    answer("4");
    options().cboBackG->SetText("5");
    options().cboBorder->SetText("4");
    nextSet(4, TargetKind::Boxes, {0.5, 0.5, 0.5, 0.5}, LevelFiveDraws);
    EXPECT_GT(pixelsAcross(200, 500, DarkGrey, 0), 0) << "a long rectangle of level 5";
    EXPECT_GE(pixelsAcross(410, 340, TargetGrey), thinEdge + 2 * 3) << "four times as thick";
    EXPECT_EQ(t.lblInfo->text(), "Looking For Boxes");
}

TEST_F(ShapeCountingScreens, EveryCountAddsTheTimeSinceTheSetWasDrawnAveragedPerSet) {
    frmFG1t& t = startTherapy();
    nextSet(7, TargetKind::Boxes);
    fake().Now += 4;
    answer("5");
    fake().Now += 2;
    answer("7");
    EXPECT_EQ(t.lblAveTime->text(), "AveTime= 10.00 Secs");
    nextSet(7, TargetKind::Boxes);
    fake().Now += 1.5;
    answer("7");
    EXPECT_EQ(t.lblAveTime->text(), "AveTime= 5.75 Secs");
}

TEST_F(ShapeCountingScreens, TwentyEightTargetsAreAllDrawnAndAllShownGreen) {
    options().cboMaxTarg->SetText("25");
    options().cboBorder->SetText("4");
    frmFG1t& t = startTherapy();
    QList<double> placements;
    for (int box = 0; box < 28; ++box) {
        placements << box / 28.0 << box / 28.0 << 0.5 << 0.5;
    }
    fake().ScriptRnd(QList<double>(LevelOneDraws, 0.5) << 0.99 << 0.1 << placements);
    Click(t.cmdNextSet);
    ASSERT_EQ(t.CurrentSet().Count(), 28);
    for (const Target& box : t.CurrentSet().targets) {
        EXPECT_EQ(pixelAt(box.x, box.y), TargetGrey) << box.x;
    }
    for (int wrong = 0; wrong < 3; ++wrong) {
        answer("27");
    }
    EXPECT_EQ(t.lblInfo->text(), "There are 28 Targets");
    for (const Target& box : t.CurrentSet().targets) {
        EXPECT_EQ(pixelAt(box.x, box.y), Green) << box.x;
    }
}

TEST_F(ShapeCountingScreens, NoControlCoversWhereATargetCanBe) {
    Click(&options(), "cmdStart");
    frmFG1t& t = therapy();
    t.setWindowState(Qt::WindowNoState);
    for (const QSize size : {QSize(800, 570), QSize(1920, 1050), QSize(1024, 740)}) {
        t.resize(size);
        ProcessEvents();
        const DrawingSurface& s = *t.Surface;
        const double radius = s.ToPixelsX(125);
        const QRectF boxes(s.ToPixels(10, 10), s.ToPixels(930, 730));
        const QRectF circles(s.ToPixels(100, 100) - QPointF(radius, radius),
                             s.ToPixels(900, 700) + QPointF(radius, radius));
        const QRect reach = (boxes | circles).toAlignedRect() & s.rect();
        EXPECT_GE(s.rect().bottom(), circles.bottom()) << "the lowest circle fits";
        for (QWidget* control : QList<QWidget*>{t.Frame1, t.txtAns, t.cmdStart, t.cmdScores,
                                                t.cmdOptions, t.cmdNextSet}) {
            EXPECT_FALSE(control->geometry().intersects(reach.translated(s.pos())))
                << control->objectName().toStdString() << " at " << size.width();
            EXPECT_TRUE(t.rect().contains(control->geometry()));
        }
    }
}

TEST_F(ShapeCountingScreens, ScoresCountRightWrongAndSetsWithThePercentOfCounts) {
    startTherapy();
    nextSet(7, TargetKind::Boxes);
    fake().Now += 10;
    for (const char* count : {"4", "5", "6"}) {
        answer(count);
    }
    nextSet(5, TargetKind::Boxes);
    answer("5");
    EXPECT_EQ(scoreLines({"lblCorrect", "lblWrong", "lblTotalDis", "lblPerCor", "lblAveSpd",
                          "lblAuto4", "lblPracTime"}),
              (QStringList{"1", "3", "2", "25%", "15.00 Secs", "6", "0 Mins  10 Secs"}));
}
