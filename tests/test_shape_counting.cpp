// Shape Counting driven as a user does: the options and their checks, sets
// counted right or wrong up to the third count, the green targets, the
// response times, Stop, the practice clock and the scores.
#include "exercises/shape_counting/frmFG1o.h"
#include "exercises/shape_counting/frmFG1s.h"
#include "exercises/shape_counting/frmFG1t.h"
#include "exercises/shape_counting/shape_counting_scores.h"
#include "shell/app.h"
#include "shell/main_menu.h"
#include "tests/support/kova_test.h"

using namespace ModDODI;
using namespace ShapeCounting;

void RegisterShapeCounting();

namespace {

const QColor TargetGrey(0xBF, 0xBF, 0xBF);
const QColor Green(0, 255, 0);
constexpr int LevelOneDraws = 3 * 1000; // width, x and y of each dot

} // namespace

class ShapeCountingScreens : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterShapeCounting();
        Forms::Show(frmFG1o::Name);
    }
    frmFG1o& options() { return Loaded<frmFG1o>(); }
    frmFG1t& therapy() { return Loaded<frmFG1t>(); }
    frmFG1t& startTherapy() {
        Click(&options(), "cmdStart");
        Click(therapy().cmdStart);
        return therapy();
    }
    // Next Set at level 1 with count targets of a kind, each placed by its
    // own draws (four for a box, three for a circle).
    void nextSet(int count, TargetKind kind, const QList<double>& placements = {}) {
        QList<double> draws(LevelOneDraws, 0.5);
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
    QString scoreValue(const char* name) { return Loaded<frmFG1s>().Value(name)->text(); }
};

TEST_F(ShapeCountingScreens, OptionsOpenFromTheMenuWithTheirDefaultsAndTips) {
    Forms::UnloadAll();
    frmMain& main = StartMainMenu();
    Click(&main, "cmdTRMenu");
    Click(&main, "cmdMNBD");
    ASSERT_TRUE(IsShown(frmFG1o::Name));
    frmFG1o& o = options();
    EXPECT_EQ(o.windowTitle(), "KOVA");
    EXPECT_EQ(Find<QLabel>(&o, "lblTitle")->text(), "Shape Counting");
    const QString practiceTip = "Practice time in minutes. Therapy ends and the Score Screen "
                                "will be displayed when the Practice Time has elapsed.";
    const struct {
        ValidatingComboBox* combo;
        const char* label;
        const char* caption;
        const char* text;
        const char* last;
        QString tip;
    } rows[] = {{o.cboBackG, "Label2", "Background Complexity", "1", "5",
                 "1=Easiest: How complex the background appears."},
                {o.cboBorder, "Label3", "Shape Edge Thickness", "1", "4",
                 "How thick the target edge appears. 1=thinnest=hardest."},
                {o.cboMaxTarg, "Label1", "Max Shapes", "6", "25",
                 "Approximate maximum number of targets drawn onto screen."},
                {o.cboPracTime, "Label7", "Practice Time (mins)", "5", "60", practiceTip}};
    for (const auto& row : rows) {
        auto* label = Find<QLabel>(&o, row.label);
        EXPECT_EQ(label->text(), row.caption);
        EXPECT_EQ(row.combo->Text(), row.text) << row.caption;
        EXPECT_EQ(row.combo->itemText(row.combo->count() - 1), row.last) << row.caption;
        EXPECT_EQ(row.combo->toolTip(), row.tip) << row.caption;
        if (row.combo != o.cboMaxTarg) {
            EXPECT_EQ(label->toolTip(), row.tip) << row.caption;
        }
    }
    EXPECT_EQ(o.cboMaxTarg->count(), 10);
    EXPECT_EQ(Find<QLabel>(&o, "Label1")->toolTip(),
              "Approximate, maximum number of targets drawn onto screen.");

    Click(&o, "cmdHelp");
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_TRUE(fake().HelpFiles[0].endsWith("\\ShapeCounting.hlp"));
    Click(&o, "cmdToMain");
    EXPECT_FALSE(IsLoaded(frmFG1o::Name));
}

TEST_F(ShapeCountingScreens, EachSettingIsCheckedAgainstItsRange) {
    options().activateWindow();
    ProcessEvents();
    const struct {
        ValidatingComboBox* box;
        int low, high;
        const char* message;
    } ranges[] = {
        {options().cboBackG, 1, 5, "Background Complexity must be between 1 and 5."},
        {options().cboBorder, 1, 4, "Target Border Size must be between 1 and 4."},
        {options().cboMaxTarg, 4, 25, "Max Targets must be between 4 and 25."},
        {options().cboPracTime, 1, 60, "Practice Time must be between 1 and 60 minutes."}};
    for (const auto& range : ranges) {
        for (int typed : {range.low - 1, range.low, range.high, range.high + 1}) {
            fake().Messages.clear();
            TypeInto(range.box, QString::number(typed));
            TabOut(range.box);
            ProcessEvents();
            const bool refused = typed < range.low || typed > range.high;
            EXPECT_EQ(range.box->hasFocus(), refused) << range.message << typed;
            ASSERT_EQ(fake().Messages.size(), refused ? 1 : 0) << range.message << typed;
            if (refused) {
                EXPECT_EQ(fake().Messages[0].prompt, range.message);
                TypeInto(range.box, QString::number(range.low));
                TabOut(range.box);
                ProcessEvents();
            }
        }
    }
}

TEST_F(ShapeCountingScreens, TherapyOpensStoppedWithTheBoxHiddenUntilStartAndOffUntilASet) {
    ShapeCountingScores().Correct = 3;
    Click(&options(), "cmdStart");
    frmFG1t& t = therapy();
    EXPECT_EQ(ShapeCountingScores().Correct, 0) << "activation zeroes the scores";
    EXPECT_EQ(PracticeStart, Single(fake().Now));
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 0 Mins 0 Secs");
    EXPECT_EQ(t.lblAveTime->text(), "AveTime=");
    EXPECT_EQ(t.lblCorrect->text(), "C=0");
    EXPECT_EQ(t.lblWrong->text(), "W=0");
    EXPECT_FALSE(t.txtAns->isVisible() || t.cmdNextSet->isVisible());

    Click(t.cmdStart);
    EXPECT_EQ(t.cmdStart->text(), "Stop");
    EXPECT_TRUE(t.txtAns->isVisible() && t.cmdNextSet->isEnabled());
    EXPECT_FALSE(t.txtAns->isEnabled()) << "nothing to count before the first set";

    Click(t.lblCorrect);
    EXPECT_FALSE(t.lblCorrect->isVisible() || t.lblWrong->isVisible()) << "a click hides both";
    fake().Now += 75;
    Click(t.cmdStart);
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 1 Mins  15 Secs");
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

    Click(t.cmdStart);
    Click(t.cmdScores);
    EXPECT_EQ(scoreValue("lblPerCor"), "") << "no percent before a right count";
}

TEST_F(ShapeCountingScreens, ARightCountClosesTheSet) {
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
}

TEST_F(ShapeCountingScreens, AClickJudgesOnlyACountTyped) {
    frmFG1t& t = startTherapy();
    nextSet(7, TargetKind::Boxes);
    Click(t.txtAns);
    QTest::keyClick(t.txtAns, Qt::Key_Return);
    EXPECT_EQ(ShapeCountingScores().Wrong, 0);
    EXPECT_EQ(t.lblInfo->text(), "Looking For Boxes");
    QTest::keyClicks(t.txtAns, "7");
    Click(t.txtAns);
    EXPECT_EQ(t.lblInfo->text(), "Very Good, 7 Is Correct!");
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
    frmFG1t& t = startTherapy();
    nextSet(7, TargetKind::Boxes);
    fake().Now += 10;
    for (const char* count : {"4", "5", "6"}) {
        answer(count);
    }
    nextSet(5, TargetKind::Boxes);
    answer("5");
    Click(t.cmdStart);
    Click(t.cmdScores);
    ASSERT_TRUE(IsShown(frmFG1s::Name));
    frmFG1s& s = Loaded<frmFG1s>();
    EXPECT_EQ(s.Title()->text(), "Shape Counting");
    EXPECT_EQ(s.Caption("Label2")->text(), "Total Grids Displayed");
    EXPECT_EQ(scoreValue("lblCorrect"), "1");
    EXPECT_EQ(scoreValue("lblWrong"), "3");
    EXPECT_EQ(scoreValue("lblTotalDis"), "2");
    EXPECT_EQ(scoreValue("lblPerCor"), "25%");
    EXPECT_EQ(scoreValue("lblAveSpd"), "15.00 Secs");
    EXPECT_EQ(scoreValue("lblAuto4"), "6");
    EXPECT_EQ(scoreValue("lblPracTime"), "0 Mins  10 Secs");

    Click(&s, "cmdOptions");
    EXPECT_EQ(ShapeCountingScores().SetsDisplayed, 0);
    EXPECT_FALSE(IsLoaded(frmFG1t::Name));
}

TEST_F(ShapeCountingScreens, PracticeTimeUsedUpOpensTheScoresAtNextSetWithNothingDrawn) {
    options().cboPracTime->SetText("1");
    const double loaded = fake().Now;
    frmFG1t& t = startTherapy();
    fake().Now = loaded + 59;
    nextSet(7, TargetKind::Boxes);
    answer("7");
    fake().Now = loaded + 60;
    const int beeps = fake().Beeps;
    Click(t.cmdNextSet);
    ASSERT_TRUE(IsShown(frmFG1s::Name));
    EXPECT_EQ(fake().Beeps, beeps) << "no set drawn";
    EXPECT_EQ(scoreValue("lblTotalDis"), "1");
    EXPECT_EQ(scoreValue("lblPracTime"), "1 Mins  0 Secs");
}
