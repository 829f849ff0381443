// Character Searching driven as a user does: the options and their coupled
// rows list, grids counted right and wrong, the answer grid, Stop, the
// practice clock and the scores.
#include "exercises/character_searching/character_searching_scores.h"
#include "exercises/character_searching/frmFG7o.h"
#include "exercises/character_searching/frmFG7s.h"
#include "exercises/character_searching/frmFG7t.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/exercise_test.h"

#include <QImage>
#include <cmath>

using namespace ModDODI;
using namespace CharacterSearching;

void RegisterCharacterSearching();

namespace {

// Whether some pixel of the area is near the colour.
bool ShowsColour(const QImage& image, const QRect& area, const QColor& colour) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <
                90) {
                return true;
            }
        }
    }
    return false;
}

// Where the answer grid prints character i again: from the point just past
// the character as first printed, less one unit, both rounded down.
PrintPoint AnswerPlaceOf(const frmFG7t& t, std::size_t i) {
    const PrintPoint printed = t.PrintPlaces()[i];
    const double end = printed.x + t.surface->TextWidth(t.CurrentGrid().chars[i]);
    return {std::floor(end - 1), std::floor(printed.y)};
}

} // namespace

class CharacterSearchingTest : public ExerciseTest<frmFG7o, frmFG7t, RegisterCharacterSearching> {
protected:
    // Next Set on the 5 × 10 digit grid: target 7 in the cells listed, 1 elsewhere.
    void nextGrid(const QList<int>& targetCells) {
        QList<double> draws{6.5 / 9};
        for (int cell = 0; cell < 50; ++cell) {
            draws << (targetCells.contains(cell) ? 6.5 / 9 : 0.0);
        }
        fake().ScriptRnd(draws);
        Click(therapy().cmdBegin);
    }
    // Each character of the grid shown at its place in the window's present
    // scale: magenta where the answer grid shows a target, black otherwise;
    // and the frame's corner. The answer grid's places are the screen's own,
    // or worked out here from the grid as first printed.
    void expectGridShown(bool answerGrid, bool placesWorkedOut = false) {
        frmFG7t& t = therapy();
        const QImage shown = t.surface->grab().toImage();
        const QSizeF cell(t.surface->ToPixelsX(t.surface->TextWidth("7")),
                          t.surface->ToPixelsY(t.surface->TextHeight("7")));
        for (std::size_t i = 0; i < 50; ++i) {
            const PrintPoint at = !answerGrid       ? t.PrintPlaces()[i]
                                  : placesWorkedOut ? AnswerPlaceOf(t, i)
                                                    : t.AnswerPlaces()[i];
            const QRect box = QRectF(t.surface->ToPixels(at.x, at.y), cell).toRect();
            const bool magenta = answerGrid && t.CurrentGrid().chars[i] == "7";
            EXPECT_EQ(ShowsColour(shown, box, frmFG7t::TargetColor), magenta) << i;
            EXPECT_EQ(ShowsColour(shown, box, Qt::black), !magenta) << i;
        }
        const QPointF corner = t.surface->ToPixels(frmFG7t::FrameRight, frmFG7t::FrameBottom);
        EXPECT_TRUE(ShowsColour(shown, QRect(corner.toPoint() - QPoint(1, 1), QSize(3, 3)),
                                frmFG7t::FrameColor));
    }
    void answer(const QString& digits) {
        QTest::keyClicks(therapy().txtAns, digits);
        QTest::keyClick(therapy().txtAns, Qt::Key_Return);
    }
};

TEST_F(CharacterSearchingTest, TheFontDecidesTheRowsListAndTheRowsChosenComeBack) {
    frmFG7o& o = options();
    ExpectComboChecks(fake(), {{o.cboRows, "15", ""}, {o.cboFont, "20", ""}});
    EXPECT_EQ(o.cboRows->Text(), "10");
    EXPECT_EQ(o.cboRows->itemText(o.cboRows->count() - 1), "10");
    ExpectComboChecks(fake(), {{o.cboFont, "14", ""}});
    EXPECT_EQ(o.cboRows->Text(), "15");
    EXPECT_EQ(o.cboRows->count(), 11);
    // A refused font rebuilds the list too, from the number it leaves.
    TypeInto(o.cboFont, "31");
    TabOut(o.cboFont);
    ProcessEvents();
    EXPECT_EQ(o.cboRows->count(), 6);
}

TEST_F(CharacterSearchingTest, AGridIsAskedJudgedTimedAndShownAgainInMagenta) {
    frmFG7t& t = startTherapy();
    EXPECT_EQ(t.lblRows->text(), "Rows= 5");
    EXPECT_FALSE(t.txtAns->isEnabled()) << "no answer before a grid";

    nextGrid({0, 12, 25, 49});
    EXPECT_EQ(t.lblInfo->text(), "How many  7's  are in the grid?");
    EXPECT_TRUE(t.txtAns->hasFocus());
    EXPECT_FALSE(t.cmdBegin->isEnabled());
    fake().Now += 3;
    answer("4");
    EXPECT_EQ(t.lblInfo->text(), "4 Is Correct!");
    EXPECT_EQ(t.lblCor->text(), "C= 1");
    EXPECT_EQ(t.lblAveTime->text(), "AveTime= 3.00");
    EXPECT_TRUE(!t.txtAns->isEnabled() && t.cmdBegin->hasFocus());
    expectGridShown(true, true);

    QTest::keyClick(t.cmdBegin, Qt::Key_Return); // Enter on Next Set
    fake().Now += 6;
    answer("3");
    EXPECT_EQ(t.lblAveTime->text(), "AveTime= 4.50");
    EXPECT_EQ(t.lblWrng->text(), "W= 1");
}

TEST_F(CharacterSearchingTest, EveryDigitTypedCountsDeleteDeletesAndAnEmptyAnswerIsZero) {
    frmFG7t& t = startTherapy();
    nextGrid({});
    QTest::keyClick(t.txtAns, 'a');
    QTest::keyClick(t.txtAns, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(fake().Beeps, 2);
    QTest::keyClicks(t.txtAns, "18");
    QTest::keyClick(t.txtAns, Qt::Key_Backspace);
    QTest::keyClick(t.txtAns, Qt::Key_Home);
    QTest::keyClick(t.txtAns, Qt::Key_Delete);
    EXPECT_EQ(t.txtAns->text(), "");
    EXPECT_EQ(fake().Beeps, 2) << "Delete is no refused key";
    answer("");
    EXPECT_EQ(t.lblInfo->text(), " Is Correct!") << "read as 0, shown as typed";
    nextGrid({7, 8, 9, 10});
    answer("400000");
    EXPECT_EQ(t.lblInfo->text(), "400000 Is Wrong! There are 4 7's.");

    Click(t.cmdStart); // Stop, then Start: the last line stays
    Click(t.cmdStart);
    EXPECT_EQ(t.lblInfo->text(), "400000 Is Wrong! There are 4 7's.");
}

TEST_F(CharacterSearchingTest, StopMidGridThenANewGridCountsOnlyItsOwnTargets) {
    frmFG7t& t = startTherapy();
    nextGrid({1, 2, 3, 4});
    Click(t.lblCor);
    EXPECT_FALSE(t.lblCor->isVisible() || t.lblWrng->isVisible());
    Click(t.cmdStart); // Stop, the grid unanswered
    EXPECT_TRUE(t.lblCor->isVisible() && t.lblWrng->isVisible());
    EXPECT_FALSE(t.cmdBegin->isVisible() || t.txtAns->isVisible());
    Click(t.cmdStart);
    nextGrid({5, 6});
    answer("2");
    EXPECT_EQ(t.lblInfo->text(), "2 Is Correct!");
}

TEST_F(CharacterSearchingTest, TheGridTakesItsTypeSizeAndFontFromTheOptions) {
    Click(options().optUCLetters);
    options().cboFont->SetText("30");
    options().cboPerRow->SetText("15");
    frmFG7t& t = startTherapy();
    Click(t.cmdBegin);
    EXPECT_EQ(t.CurrentGrid().chars.size(), 75u);
    EXPECT_EQ(t.surface->font().pointSizeF(), 30);
    EXPECT_DOUBLE_EQ(t.PrintPlaces()[0].x, 9);
    EXPECT_TRUE(t.CurrentGrid().chars[0] >= "A" && t.CurrentGrid().chars[0] <= "Y");
    // On an 800 x 600 screen, below a title bar, the controls sit under the frame.
    t.showNormal();
    t.resize(800, 570);
    const int frameBottom = int(t.surface->ToPixels(0, frmFG7t::FrameBottom).y());
    for (QWidget* child : t.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(t.rect().contains(child->geometry())) << child->objectName().toStdString();
        EXPECT_TRUE(child == t.surface || child->y() > frameBottom);
    }
}

TEST_F(CharacterSearchingTest, LargeFontsStartTheRowsHigherAndFiveApart) {
    struct Case {
        const char* font;
        double firstRow, secondRow, rowStart;
    };
    for (const Case c :
         {Case{"18", 22, 26, 33.5}, Case{"20", 17, 22, 33.5}, Case{"25", 17, 22, 27.5}}) {
        options().cboFont->SetText(c.font);
        frmFG7t& t = startTherapy();
        nextGrid({});
        const std::vector<PrintPoint>& places = t.PrintPlaces();
        EXPECT_EQ(QList<double>({places[0].y, places[10].y, places[0].x, places[10].x}),
                  QList<double>({c.firstRow, c.secondRow, c.rowStart, c.rowStart}))
            << "font " << c.font;
        backToOptions();
    }
}

TEST_F(CharacterSearchingTest, ScoresCountAnsweredGridsAndNoPercentBeforeAnAnswer) {
    startTherapy();
    for (const char* count : {"1", "2", "1"}) {
        nextGrid({3});
        fake().Now += 2;
        answer(count);
    }
    nextGrid({3}); // never answered
    EXPECT_EQ(scoreLines({"lblCorrect", "lblWrong", "lblPerCor", "lblTotalDis", "lblAveSpd",
                          "lblAuto4", "lblAuto6"}),
              (QStringList{"2", "1", "66%", "3", "2.00 Secs", "5", "10"}));
    backToOptions();
    startTherapy();
    EXPECT_EQ(scoreLines({"lblPerCor"}), QStringList{""}) << "no percent before an answer";
}

TEST_F(CharacterSearchingTest, AGridIsDrawnAgainInPlaceWhenTheWindowChangesSize) {
    frmFG7t& t = startTherapy();
    nextGrid({3, 30});
    const QSize designed = t.size();
    const QImage asDrawn = t.surface->grab().toImage();
    t.resize(designed + QSize(300, 200)); // the window is made larger mid-set
    ProcessEvents();
    expectGridShown(false);
    t.resize(designed);
    ProcessEvents();
    EXPECT_EQ(t.surface->grab().toImage(), asDrawn) << "drawn afresh, not stretched twice";
    answer("2");
    t.resize(t.width() - 350, t.height() - 250);
    ProcessEvents();
    expectGridShown(true);
}

TEST_F(CharacterSearchingTest, AnAdaptiveLevelWithMoreRowsShowsThemAtTheNextGrid) {
    frmFG7o& o = options();
    ChooseAdaptive(o, 3); // 10 per row, 6 rows
    frmFG7t& t = startTherapy();
    EXPECT_EQ(t.lblRows->text(), "Rows= 6");
    for (int grid = 0; grid < 5; ++grid) {
        Click(t.cmdBegin);
        EXPECT_EQ(t.CurrentGrid().chars.size(), 60u);
        QTest::keyClicks(t.txtAns, QString::number(t.CurrentGrid().targets));
        QTest::keyClick(t.txtAns, Qt::Key_Return);
    }
    Click(t.cmdBegin);
    EXPECT_EQ(t.lblRows->text(), "Rows= 7");
    EXPECT_EQ(t.CurrentGrid().chars.size(), 70u);
}
