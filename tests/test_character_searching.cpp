// Character Searching driven as a user does: the options and their coupled
// rows list, grids counted right and wrong, the answer grid, Stop, the
// practice clock and the scores.
#include "exercises/character_searching/character_searching_scores.h"
#include "exercises/character_searching/frmFG7o.h"
#include "exercises/character_searching/frmFG7s.h"
#include "exercises/character_searching/frmFG7t.h"
#include "shell/app.h"
#include "shell/main_menu.h"
#include "tests/support/kova_test.h"

#include <QImage>

using namespace ModDODI;
using namespace CharacterSearching;

void RegisterCharacterSearching();

namespace {

// The Rnd value that draws digit 1 to 9.
double DrawDigit(int digit) {
    return (digit - 0.5) / 9.0;
}

// Whether a glyph drawn around a place shows the colour: pixels near it.
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

} // namespace

class CharacterSearchingTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterCharacterSearching();
        Forms::Show(frmFG7o::Name);
    }
    frmFG7o& options() { return Loaded<frmFG7o>(); }
    frmFG7t& therapy() { return Loaded<frmFG7t>(); }
    frmFG7t& startTherapy() {
        Click(&options(), "cmdStart");
        Click(therapy().cmdStart);
        return therapy();
    }
    // Next Set on a digit grid of 5 × 10 whose target is 7 and whose cells
    // listed hold a 7 (the others a 1).
    void nextGrid(std::initializer_list<int> targetCells) {
        QList<double> draws{DrawDigit(7)};
        for (int cell = 0; cell < 50; ++cell) {
            draws << DrawDigit(
                std::find(targetCells.begin(), targetCells.end(), cell) != targetCells.end() ? 7
                                                                                             : 1);
        }
        fake().ScriptRnd(draws);
        Click(therapy().cmdBegin);
    }
    void answer(const QString& digits) {
        for (QChar digit : digits) {
            QTest::keyClick(therapy().txtAns, digit.toLatin1());
        }
        QTest::keyClick(therapy().txtAns, Qt::Key_Return);
    }
    QString scoreValue(const char* name) { return Loaded<frmFG7s>().Value(name)->text(); }
    // Tabs out of a box after typing into it; returns the message shown, if any.
    QString leaveWith(ValidatingComboBox* box, const QString& typed) {
        fake().Messages.clear();
        TypeInto(box, typed);
        TabOut(box);
        ProcessEvents();
        return fake().Messages.isEmpty() ? QString() : fake().Messages.last().prompt;
    }
};

TEST_F(CharacterSearchingTest, OptionsOpenFromTheMenuWithTheirDefaultsAndHelp) {
    Forms::UnloadAll();
    frmMain& main = StartMainMenu();
    Click(&main, "cmdTRMenu");
    Click(&main, "cmdCharSearch");
    ASSERT_TRUE(IsShown(frmFG7o::Name));
    frmFG7o& o = options();
    EXPECT_EQ(Find<QLabel>(&o, "lblTitle")->text(), "Character Searching");
    EXPECT_EQ(o.cboRows->Text(), "5");
    EXPECT_EQ(o.cboRows->count(), 11);
    EXPECT_EQ(o.cboPerRow->Text(), "10");
    EXPECT_EQ(o.cboFont->Text(), "12");
    EXPECT_EQ(o.cboFont->itemText(6), "30");
    EXPECT_EQ(o.cboPracTime->Text(), "5");
    EXPECT_TRUE(o.optNumbers->isChecked());
    EXPECT_EQ(o.Frame1->title(), "Character Type");
    EXPECT_EQ(o.cboRows->toolTip(), "Number of rwos of characters in each grid.");
    EXPECT_EQ(Find<QLabel>(&o, "Label2")->toolTip(), o.cboRows->toolTip());
    EXPECT_EQ(Find<QLabel>(&o, "Label3")->toolTip(),
              "If Font Size > 18 then max number of rows = 10, else max number of rows = 15.");
    EXPECT_EQ(Find<QLabel>(&o, "label4")->text(), "Characters Per Row");
    EXPECT_TRUE(Find<QLabel>(&o, "Label7")->toolTip().isEmpty());
    for (QWidget* child : o.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(o.rect().contains(child->geometry())) << child->objectName().toStdString();
    }
    Click(&o, "cmdHelp");
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_TRUE(fake().HelpFiles[0].endsWith("\\ChaacterSearching.hlp"));
    Click(&o, "cmdToMain");
    EXPECT_FALSE(IsLoaded(frmFG7o::Name));
}

TEST_F(CharacterSearchingTest, EachBoxRefusesValuesOutsideItsBoundsAndKeepsTheFocus) {
    options().activateWindow();
    ProcessEvents();
    frmFG7o& o = options();
    const QString perRow = "Characters Per Row must be between 5 and 15.";
    const QString font = "Font Size must be between 12 and 30.";
    const struct {
        ValidatingComboBox* box;
        const char* typed;
        QString message; // empty when accepted
    } cases[] = {
        {o.cboPerRow, "4", perRow},
        {o.cboPerRow, "5", ""},
        {o.cboPerRow, "15", ""},
        {o.cboPerRow, "16", perRow},
        {o.cboFont, "11", font},
        {o.cboFont, "12", ""},
        {o.cboFont, "30", ""},
        {o.cboFont, "31", font},
        {o.cboFont, "12", ""},
        {o.cboRows, "16", "Rows Of Characters must between 5 and15."},
        {o.cboRows, "15", ""},
        {o.cboPracTime, "0", "Practice Time must be between 1 and 60 minutes."},
        {o.cboPracTime, "60", ""},
    };
    for (const auto& c : cases) {
        const std::string what = c.box->objectName().toStdString() + " " + c.typed;
        EXPECT_EQ(leaveWith(c.box, c.typed), c.message) << what;
        EXPECT_EQ(c.box->hasFocus(), !c.message.isEmpty()) << what;
        if (!c.message.isEmpty()) {
            EXPECT_EQ(fake().Messages.last().style, vbExclamation);
            EXPECT_EQ(fake().Messages.last().title, "Information");
            EXPECT_EQ(leaveWith(c.box, c.box == o.cboFont ? "12" : "10"), "");
        }
    }
    EXPECT_EQ(leaveWith(o.cboFont, "25"), "");
    EXPECT_EQ(leaveWith(o.cboRows, "11"), "Rows Of Characters must between 5 and10.");
    EXPECT_EQ(o.cboRows->Text(), "11");
    EXPECT_EQ(leaveWith(o.cboRows, "9.7"), "");
    EXPECT_EQ(o.cboRows->Text(), "9");
}

TEST_F(CharacterSearchingTest, TheFontDecidesTheRowsListAndTheRowsChosenComeBack) {
    options().activateWindow();
    ProcessEvents();
    frmFG7o& o = options();
    leaveWith(o.cboRows, "15");
    leaveWith(o.cboFont, "20");
    EXPECT_EQ(o.cboRows->Text(), "10");
    EXPECT_EQ(o.cboRows->count(), 6);
    EXPECT_EQ(o.cboRows->itemText(5), "10");
    leaveWith(o.cboFont, "14");
    EXPECT_EQ(o.cboRows->Text(), "15");
    EXPECT_EQ(o.cboRows->count(), 11);

    // A refused font rebuilds the list too, from the number it leaves.
    EXPECT_EQ(leaveWith(o.cboFont, "31"), "Font Size must be between 12 and 30.");
    EXPECT_EQ(o.cboRows->Text(), "10");
    EXPECT_EQ(o.cboRows->count(), 6);
    leaveWith(o.cboFont, "18");
    leaveWith(o.cboRows, "7");
    leaveWith(o.cboFont, "25");
    EXPECT_EQ(o.cboRows->Text(), "7");
}

TEST_F(CharacterSearchingTest, StartOffersNextSetAndTheControlsSitBelowTheGridFrame) {
    Click(&options(), "cmdStart");
    frmFG7t& t = therapy();
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 0 Mins 0 Secs");
    EXPECT_EQ(t.lblRows->text(), "Rows= 5");
    EXPECT_EQ(t.lblCor->text(), "C=0");
    EXPECT_EQ(t.lblWrng->text(), "W=0");
    EXPECT_FALSE(t.cmdBegin->isVisible() || t.txtAns->isVisible());
    EXPECT_EQ(t.cmdStart->text(), "Start ");
    // On an 800 x 600 screen, below a title bar.
    t.showNormal();
    t.resize(800, 570);
    ProcessEvents();
    const int frameBottom = int(t.surface->ToPixels(0, frmFG7t::FrameBottom).y());
    for (QWidget* child : t.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(t.rect().contains(child->geometry())) << child->objectName().toStdString();
        if (child != t.surface) {
            EXPECT_GT(child->y(), frameBottom) << child->objectName().toStdString();
        }
    }
    EXPECT_EQ(t.height(), 570);

    Click(t.cmdStart);
    EXPECT_EQ(t.cmdStart->text(), "Stop");
    EXPECT_TRUE(t.cmdBegin->isVisible() && t.cmdBegin->isEnabled() && t.cmdBegin->hasFocus());
    EXPECT_TRUE(t.txtAns->isVisible());
    EXPECT_FALSE(t.txtAns->isEnabled());
    EXPECT_FALSE(t.cmdScores->isEnabled() || t.cmdOptions->isEnabled());
}

TEST_F(CharacterSearchingTest, AnAnswerIsJudgedTimedAndShownOnTheAnswerGrid) {
    frmFG7t& t = startTherapy();
    fake().Now += 65;
    nextGrid({0, 12, 25, 49});
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 1 Mins  5 Secs");
    EXPECT_EQ(t.lblInfo->text(), "How many  7's  are in the grid?");
    EXPECT_EQ(t.CurrentGrid().targets, 4);
    EXPECT_TRUE(t.txtAns->isEnabled() && t.txtAns->hasFocus());
    EXPECT_FALSE(t.cmdBegin->isEnabled());
    const QImage grid = t.surface->grab().toImage();
    const QPointF corner = t.surface->ToPixels(frmFG7t::FrameLeft, frmFG7t::FrameBottom);
    EXPECT_TRUE(ShowsColour(grid, QRect(corner.toPoint() - QPoint(2, 2), QSize(4, 4)),
                            frmFG7t::FrameColor));

    fake().Now += 3;
    answer("4");
    EXPECT_EQ(t.lblInfo->text(), "4 Is Correct!");
    EXPECT_EQ(t.lblCor->text(), "C= 1");
    EXPECT_EQ(t.lblAveTime->text(), "AveTime= 3.00");
    EXPECT_FALSE(t.txtAns->isEnabled());
    EXPECT_TRUE(t.cmdBegin->isEnabled() && t.cmdBegin->hasFocus());

    // The answer grid: magenta exactly at the targets.
    const QImage shown = t.surface->grab().toImage();
    for (std::size_t i = 0; i < t.CurrentGrid().chars.size(); ++i) {
        const PrintPoint at = AnswerPlace(t.PrintPlaces()[i]);
        const QRectF box(t.surface->ToPixels(at.x, at.y),
                         QSizeF(t.surface->ToPixelsX(t.surface->TextWidth("7")),
                                t.surface->ToPixelsY(t.surface->TextHeight("7"))));
        const bool target = t.CurrentGrid().chars[i] == "7";
        EXPECT_EQ(ShowsColour(shown, box.toRect(), frmFG7t::TargetColor), target) << i;
        EXPECT_EQ(ShowsColour(shown, box.toRect(), Qt::black), !target) << i;
    }

    QTest::keyClick(t.cmdBegin, Qt::Key_Return); // Enter on Next Set: the next grid
    EXPECT_TRUE(t.txtAns->isEnabled());
    fake().Now += 6;
    answer("3");
    EXPECT_EQ(t.lblAveTime->text(), "AveTime= 4.50");
    EXPECT_EQ(t.lblWrng->text(), "W= 1");
    EXPECT_TRUE(t.lblInfo->text().startsWith("3 Is Wrong! There are "));
    EXPECT_EQ(CharacterSearchingScores().CharSearchAnswered, 2);
}

TEST_F(CharacterSearchingTest, OnlyDigitsAndBackspaceTypeAndAnEmptyAnswerIsZero) {
    frmFG7t& t = startTherapy();
    nextGrid({});
    QTest::keyClick(t.txtAns, 'a');
    QTest::keyClick(t.txtAns, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(fake().Beeps, 2);
    QTest::keyClick(t.txtAns, '1');
    QTest::keyClick(t.txtAns, Qt::Key_Backspace);
    EXPECT_EQ(t.txtAns->text(), "");
    answer("");
    EXPECT_EQ(t.lblInfo->text(), "0 Is Correct!");
    QTest::keyClick(t.txtAns, Qt::Key_Return);
    EXPECT_EQ(CharacterSearchingScores().CharSearchAnswered, 1) << "one answer per grid";

    nextGrid({});
    answer("99999999");
    EXPECT_EQ(t.txtAns->text(), "99999");
    EXPECT_EQ(t.lblInfo->text(), "99999 Is Wrong! There are 0 7's.");
}

TEST_F(CharacterSearchingTest, StopMidGridThenANewGridCountsOnlyItsOwnTargets) {
    frmFG7t& t = startTherapy();
    nextGrid({1, 2, 3, 4});
    Click(t.lblCor);
    EXPECT_FALSE(t.lblCor->isVisible() || t.lblWrng->isVisible());
    Click(t.cmdStart); // Stop, the grid unanswered
    EXPECT_TRUE(t.lblCor->isVisible() && t.lblWrng->isVisible());
    EXPECT_FALSE(t.cmdBegin->isVisible() || t.txtAns->isVisible());
    EXPECT_EQ(t.cmdStart->text(), "Start");
    Click(t.cmdStart);
    nextGrid({5, 6});
    answer("2");
    EXPECT_EQ(t.lblInfo->text(), "2 Is Correct!");
    EXPECT_EQ(CharacterSearchingScores().CharSearchAnswered, 1);
}

TEST_F(CharacterSearchingTest, OtherTypesAndSizesComeFromTheOptions) {
    frmFG7o& o = options();
    Click(o.optUCLetters);
    o.cboFont->SetText("30");
    o.cboFont->Validate();
    o.cboPerRow->SetText("15");
    frmFG7t& t = startTherapy();
    Click(t.cmdBegin);
    EXPECT_EQ(t.CurrentGrid().chars.size(), 75u);
    EXPECT_EQ(t.surface->font().pointSizeF(), 30);
    EXPECT_DOUBLE_EQ(t.PrintPlaces()[0].x, 9);
    for (const QString& c : t.CurrentGrid().chars) {
        EXPECT_TRUE(c >= "A" && c <= "Y") << c.toStdString();
    }
    Click(t.cmdStart);
    Click(t.cmdOptions);
    Click(options().OptRandom);
    options().cboRows->SetText("10");
    Click(startTherapy().cmdBegin);
    EXPECT_EQ(therapy().CurrentGrid().chars.size(), 150u);
    EXPECT_EQ(therapy().lblRows->text(), "Rows= 10");
}

TEST_F(CharacterSearchingTest, ScoresCountAnsweredGridsAndZeroOnLeaving) {
    frmFG7t& t = startTherapy();
    for (bool right : {true, false, true}) {
        nextGrid({3});
        fake().Now += 2;
        answer(right ? "1" : "2");
    }
    nextGrid({3}); // never answered
    Click(t.cmdStart);
    Click(t.cmdScores);
    frmFG7s& s = Loaded<frmFG7s>();
    EXPECT_EQ(s.Title()->text(), "Character Searching Scores");
    EXPECT_EQ(s.Caption("Label1")->text(), "Total  Grids Correct");
    EXPECT_EQ(scoreValue("lblCorrect"), "2");
    EXPECT_EQ(scoreValue("lblWrong"), "1");
    EXPECT_EQ(scoreValue("lblPerCor"), "66%");
    EXPECT_EQ(scoreValue("lblTotalDis"), "3");
    EXPECT_EQ(scoreValue("lblAveSpd"), "2.00 Secs");
    EXPECT_EQ(scoreValue("lblAuto4"), "5");
    EXPECT_EQ(scoreValue("lblAuto6"), "10");
    EXPECT_FALSE(IsShown(frmFG7t::Name) || IsShown(frmFG7o::Name));
    Click(&s, "cmdOptions");
    EXPECT_EQ(CharacterSearchingScores().CharSearchCorrect, 0);
    EXPECT_TRUE(IsShown(frmFG7o::Name));

    Click(startTherapy().cmdStart);
    Click(therapy().cmdScores);
    EXPECT_EQ(scoreValue("lblPerCor"), "") << "no percent before an answer";
}

TEST_F(CharacterSearchingTest, NextSetAfterThePracticeTimeOpensTheScoresWithoutAGrid) {
    options().cboPracTime->SetText("1");
    frmFG7t& t = startTherapy();
    fake().Now += 59.9;
    nextGrid({1});
    answer("1");
    fake().Now += 0.1;
    const int draws = fake().RandomizeCalls;
    Click(t.cmdBegin);
    EXPECT_EQ(fake().RandomizeCalls, draws) << "no grid drawn";
    ASSERT_TRUE(IsShown(frmFG7s::Name));
    EXPECT_EQ(scoreValue("lblPracTime"), "1 Mins  0 Secs");
    EXPECT_EQ(scoreValue("lblTotalDis"), "1");
}
