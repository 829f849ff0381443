#include "exercises/closing_letters/closing_letters_scores.h"
#include "exercises/closing_letters/frmLetterO.h"
#include "exercises/closing_letters/frmLetterS.h"
#include "exercises/closing_letters/frmLetterT.h"
#include "shell/assets.h"
#include "shell/mod_dodi.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/exercise_test.h"

#include <QTemporaryDir>
#include <algorithm>

void RegisterClosingLetters();

using namespace ModDODI;

namespace {
// The Rnd value that draws letter (A to Y or a to y) in its case.
double DrawFor(char letter) {
    const int index = std::islower(letter) ? letter - 'a' : letter - 'A';
    return (index + 0.5) / 25.0;
}
} // namespace

class ClosingLettersTest : public ExerciseTest<frmLetterO, frmLetterT, RegisterClosingLetters> {
protected:
    // Next Set presenting letter (upper case unless Lower Case Only is chosen).
    void nextLetter(char letter) {
        fake().ScriptRnd({DrawFor(letter)});
        Click(therapy().cmdNextSet);
    }
    void erase(std::initializer_list<double> draws = {}) {
        fake().ScriptRnd(draws);
        Click(therapy().cmdEraseTiles);
    }
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(therapy().txtAnswer, key, modifiers);
    }
    int tilesShown() {
        const auto& tiles = therapy().lblHide;
        return static_cast<int>(
            std::count_if(tiles.begin(), tiles.end(), [](VbLabel* t) { return !t->isHidden(); }));
    }
    // The counters C=, W=, T= and the fifth, in order.
    QStringList counters() {
        const frmLetterT& t = therapy();
        return {t.lblCor->text(), t.lblWrng->text(), t.lblTotalPics->text(),
                t.lblPerFinished->text()};
    }
    bool shows(const QString& fileName) {
        return therapy().Picture0->Picture() == LoadPictureFile(fileName);
    }
    LetterScores& scores() { return Scores<LetterScores>(); }
};

TEST_F(ClosingLettersTest, NextSetCoversAWaitsAndShowsALetterOfTheChosenCase) {
    frmLetterT& screen = startTherapy();
    EXPECT_EQ(tilesShown(), 144);
    EXPECT_FALSE(screen.cmdEraseTiles->isEnabled() || screen.txtAnswer->isEnabled())
        << "nothing to erase or answer before a letter";
    EXPECT_EQ(counters(), (QStringList{"C=0", "W=0", "T=0", "0%"}));
    fake().Now += 187.2; // the letter is timed from the end of the 400 ms wait
    fake().ScriptRnd({0.0});
    Click(screen.cmdNextSet);
    EXPECT_EQ(fake().Sleeps, QList<int>{400});
    EXPECT_EQ(screen.LetterCode, 'A');
    EXPECT_TRUE(shows("LetterA.jpg"));
    EXPECT_FLOAT_EQ(QuestionShownAt, Single(36000.0 + 187.2 + 0.4));
    EXPECT_EQ(screen.windowTitle(), "KOVA.....Practice Time = 3 Mins  7 Secs");
    EXPECT_EQ(counters()[2], "T=0") << "the count of letters shows with the next answer";
    EXPECT_TRUE(screen.cmdEraseTiles->isEnabled() && screen.txtAnswer->hasFocus());
    EXPECT_FALSE(screen.cmdStart->isEnabled() || screen.cmdNextSet->isEnabled());

    type(Qt::Key_A);
    EXPECT_EQ(counters()[2], "T=1");
    fake().Now += 60;
    fake().ScriptRnd({0.999});
    Click(screen.cmdNextSet);
    EXPECT_EQ(screen.windowTitle(), "KOVA.....Practice Time = 4 Mins  7 Secs")
        << "refreshed at every Next Set";
    EXPECT_TRUE(shows("LetterY.jpg"));
    EXPECT_EQ(tilesShown(), 144);
    type(Qt::Key_Y);

    Click(backToOptions().optLC);
    startTherapy();
    nextLetter('f');
    EXPECT_TRUE(shows("LetterLCf.jpg"));
    type(Qt::Key_F);

    Click(backToOptions().OptBoth);
    startTherapy();
    fake().ScriptRnd({0.49, DrawFor('k')});
    Click(therapy().cmdNextSet);
    EXPECT_EQ(therapy().LetterCode, 'K');
}

TEST_F(ClosingLettersTest, EraseTilesRemovesDrawnTilesAndPausesWithThePointerHidden) {
    options().HScroll2->setValue(2);
    frmLetterT& screen = startTherapy();
    nextLetter('F');
    bool pointerHiddenInPause = false;
    fake().OnSleep = [&](int ms) { pointerHiddenInPause = ms == 300 && !fake().CursorVisible; };
    const int eventsBefore = fake().DoEventsCalls;
    erase({0.5, 0.5, 0.0}); // tile 72, then 72 again (gone): drawn again, tile 0
    EXPECT_TRUE(screen.lblHide[72]->isHidden() && screen.lblHide[0]->isHidden());
    EXPECT_EQ(tilesShown(), 142);
    EXPECT_GE(fake().DoEventsCalls - eventsBefore, 2) << "events run between tiles";
    EXPECT_EQ(fake().Sleeps.last(), 300);
    EXPECT_TRUE(pointerHiddenInPause);
    EXPECT_TRUE(fake().CursorVisible);
    EXPECT_EQ(counters()[3], "1.4%");
    EXPECT_TRUE(screen.cmdEraseTiles->isEnabled());
    EXPECT_TRUE(screen.txtAnswer->hasFocus());

    options().HScroll2->setValue(3);
    erase();
    EXPECT_EQ(counters()[3], "3.5%"); // 5 of 143
}

TEST_F(ClosingLettersTest, EveryKeyTypedIsAGuessInTheLettersCaseAndTheRightOneEndsTheLetter) {
    frmLetterT& screen = startTherapy();
    nextLetter('F');
    type(Qt::Key_E);
    EXPECT_EQ(screen.txtAnswer->text(), "E");
    EXPECT_EQ(screen.lblAnswer->text(), "E Is Incorrect");
    type(Qt::Key_Space);
    EXPECT_EQ(screen.lblAnswer->text(), "  Is Incorrect") << "the character as typed";
    type(Qt::Key_Backspace);
    EXPECT_EQ(screen.txtAnswer->text(), "");
    EXPECT_EQ(screen.lblAnswer->text(), " Is Incorrect");
    type(Qt::Key_Return);
    type(Qt::Key_Escape);
    type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(counters(), (QStringList{"C=0", "W=6", "T=1", "0%"}));
    type(Qt::Key_Shift);
    type(Qt::Key_Left);
    EXPECT_EQ(counters()[1], "W=6") << "keys that type no character are no guess";
    EXPECT_TRUE(screen.cmdEraseAllTiles->isHidden());

    fake().Now += 2.43;
    QTest::keyClicks(screen.txtAnswer, "f");
    EXPECT_EQ(screen.txtAnswer->text(), "F");
    EXPECT_EQ(screen.lblAnswer->text(), "F Is Correct");
    EXPECT_EQ(counters(), (QStringList{"C=1", "W=6", "T=1", "0%"}));
    EXPECT_EQ(screen.lblAveTime->text(), "2.4 Secs");
    EXPECT_EQ(scores().PercentRevealedSum, 0) << "named with no tile removed";
    EXPECT_FALSE(screen.cmdEraseTiles->isEnabled() || screen.txtAnswer->isEnabled());
    EXPECT_TRUE(screen.cmdNextSet->isEnabled() && screen.cmdStart->isEnabled());
    type(Qt::Key_F);
    EXPECT_EQ(counters()[0], "C=1") << "the answer box is off once the letter is named";

    Click(screen.cmdEraseAllTiles);
    EXPECT_EQ(tilesShown(), 0);

    Click(screen.cmdStart); // Stop covers the letter, and clears nothing else
    EXPECT_EQ(tilesShown(), 144);
    EXPECT_TRUE(screen.Picture0->Picture().isNull());
    EXPECT_EQ(counters()[3], "0%");
    EXPECT_FALSE(screen.cmdNextSet->isEnabled() || screen.cmdEraseTiles->isEnabled() ||
                 screen.txtAnswer->isEnabled());
    EXPECT_EQ(screen.lblAnswer->text() + screen.txtAnswer->text(), "F Is CorrectF");
    EXPECT_TRUE(screen.cmdEraseAllTiles->isVisible());
}

TEST_F(ClosingLettersTest, UncoveringTheLastTileCountsAMissOnceAndEndsTheLetter) {
    options().HScroll2->setValue(10);
    frmLetterT& screen = startTherapy();
    nextLetter('F');
    type(Qt::Key_E);
    for (int click = 0; click < 13; ++click) {
        erase();
    }
    options().HScroll2->setValue(9);
    erase();
    ASSERT_EQ(tilesShown(), 5);
    EXPECT_EQ(counters()[3], "97.2%");

    options().HScroll2->setValue(10);
    fake().Now += 30;
    const int eventsBefore = fake().DoEventsCalls;
    erase();
    EXPECT_EQ(tilesShown(), 0);
    EXPECT_LE(fake().DoEventsCalls - eventsBefore, 5) << "removal stops at the last tile";
    EXPECT_EQ(counters(), (QStringList{"C=0", "W=2", "T=1", "100.0%"}));
    EXPECT_EQ(scores().PercentRevealedSum, 100);
    EXPECT_GT(scores().ResponseTimeSum, 30.0f);
    EXPECT_FALSE(screen.cmdEraseTiles->isEnabled());
    EXPECT_FALSE(screen.txtAnswer->isEnabled());
    EXPECT_TRUE(screen.cmdNextSet->isEnabled() && screen.cmdStart->isEnabled());

    type(Qt::Key_F);
    EXPECT_EQ(counters()[0], "C=0") << "a missed letter cannot be named afterwards";
    EXPECT_EQ(scores().PercentRevealedSum, 100);
}

TEST_F(ClosingLettersTest, EventsDuringErasingCannotRunASecondPressOrOutliveTheScreen) {
    options().HScroll2->setValue(10);
    frmLetterT& screen = startTherapy();
    nextLetter('F');
    int removedAfterNamed = -1;
    fake().OnDoEvents = [&] {
        if (removedAfterNamed >= 0) {
            return;
        }
        Click(screen.cmdEraseTiles); // a second press while the first runs
        QTest::keyClick(screen.txtAnswer, Qt::Key_F);
        removedAfterNamed = 144 - tilesShown();
    };
    erase();
    EXPECT_EQ(144 - tilesShown(), removedAfterNamed) << "no tile goes once the letter is named";
    EXPECT_EQ(counters(), (QStringList{"C=1", "W=0", "T=1", "0.7%"}));
    EXPECT_FALSE(screen.cmdEraseTiles->isEnabled());

    Click(screen.cmdNextSet);
    fake().OnDoEvents = [this] { therapy().close(); };
    erase();
    fake().OnDoEvents = nullptr;
    ProcessEvents();
    EXPECT_FALSE(IsLoaded(frmLetterT::Name));
    EXPECT_EQ(int(scores().LettersTried), 0);
    EXPECT_TRUE(options().isVisible());
}

TEST_F(ClosingLettersTest, AMissingPictureLeavesAnEmptyBoxAndTheExerciseGoesOn) {
    QTemporaryDir empty;
    SetAssetDirectory(empty.path());
    frmLetterT& screen = startTherapy();
    nextLetter('F');
    EXPECT_TRUE(screen.Picture0->Picture().isNull());
    type(Qt::Key_F);
    EXPECT_EQ(counters()[0], "C=1");
    SetAssetDirectory({});
}

TEST_F(ClosingLettersTest, ScoresShowEachLineWithItsOwnEmptinessRule) {
    const QStringList lines{"lblCorrect", "lblWrong",  "lblTotalDis", "lblRatio",
                            "lblPerComp", "lblPerCor", "lblAveTime",  "lblPracTime"};
    startTherapy();
    EXPECT_EQ(scoreLines(lines), (QStringList{"0", "0", "0", "", "", "", "", "0 Mins  0 Secs"}));

    // One letter named at once, one missed.
    backToOptions().HScroll2->setValue(10);
    startTherapy();
    nextLetter('F');
    fake().Now += 2;
    type(Qt::Key_F);
    nextLetter('G');
    for (int click = 0; click < 15; ++click) {
        erase();
    }
    EXPECT_EQ(scoreLines(lines).mid(0, 6), (QStringList{"1", "1", "2", "100%", "50%", "50%"}));

    // Ten right and three wrong guesses.
    backToOptions();
    startTherapy();
    Click(therapy().cmdStart);
    scores().LettersCorrect = 10;
    scores().LettersWrong = 3;
    scores().LettersTried = 400;
    scores().PercentRevealedSum = 40000; // past 16 bits
    EXPECT_EQ(scoreLines({"lblRatio", "lblPerComp"}), (QStringList{"30%", "100%"}));
}

TEST_F(ClosingLettersTest, ScoresAverageThePartUncoveredAndTheTimeOfEveryLetterTried) {
    options().HScroll2->setValue(10);
    startTherapy();
    nextLetter('F');
    erase();
    fake().Now += 2;
    type(Qt::Key_F); // 10 tiles: 6%, after 2.3 s
    nextLetter('G');
    for (int click = 0; click < 12; ++click) {
        erase();
    }
    options().HScroll2->setValue(9);
    erase();
    fake().Now += 1;
    type(Qt::Key_G); // 129 tiles: 90% (89% of 144), after 4.9 s
    options().HScroll2->setValue(10);
    nextLetter('H');
    for (int click = 0; click < 15; ++click) {
        erase();
    } // missed: 100%, after the 14 pauses before the last tile, 4.2 s
    EXPECT_EQ(scoreLines({"lblPerComp", "lblAveTime"}), (QStringList{"65%", "3.8 Secs"}));
}

TEST_F(ClosingLettersTest, OptionsSetTilesPerClickAndPreviewTheLetters) {
    frmLetterO& o = options();
    o.HScroll2->setValue(8);
    EXPECT_EQ(o.lblSpd->text(), "8");

    o.HScroll1->setValue(26);
    EXPECT_EQ(o.imgShowPic->Picture(), LoadPictureFile("LetterZ.jpg"));
    Click(o.optLC);
    EXPECT_EQ(o.imgShowPic->Picture(), LoadPictureFile("LetterLCz.jpg"));

    // On activation a random upper case letter from A to X.
    Click(o.cmdMenu);
    fake().ScriptRnd({0.999});
    Forms::Show(frmLetterO::Name);
    EXPECT_EQ(options().HScroll1->value(), 24);
    EXPECT_EQ(options().imgShowPic->Picture(), LoadPictureFile("LetterX.jpg"));
}
