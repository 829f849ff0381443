// Whole practices with the keyboard alone: from the main menu to an
// exercise, one option set, three right answers and one wrong, the scores,
// and back to the main menu; and the answer marks of a right and a wrong
// answer.
#include "exercises/color_grids/color_grids_rules.h"
#include "exercises/color_grids/frmVD1t.h"
#include "exercises/flipper/frmFlipperT.h"
#include "shell/app.h"
#include "shell/controls/answer_marks.h"
#include "shell/main_menu.h"
#include "tests/support/keys.h"
#include "tests/support/kova_test.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <functional>

namespace {

// One exercise as a keyboard user practises it.
struct KeyboardPractice {
    const char* menuButton;
    const char* optionsForm;
    const char* therapyForm;
    const char* scoresForm;
    // Sets one option on the options screen with keys.
    std::function<void(QWidget& options)> setOption;
    // Scripts the next set and returns the key of its right or wrong answer.
    std::function<Qt::Key(FakePlatform& fake, QWidget& therapy, bool right)> nextSet;
    // Answers the set shown with keys, after Next Set.
    std::function<void(Qt::Key answer)> answer;
    // The scores lines of the right and the wrong answers.
    const char* correctLine;
    const char* wrongLine;
    // The answer controls that show the last answer's marks.
    std::function<QList<AnswerMark>(QWidget& therapy)> marks;
};

Qt::Key DigitKey(int number) {
    return static_cast<Qt::Key>(Qt::Key_0 + number);
}

const KeyboardPractice Practices[] = {
    {"cmdFlipper", "frmFlipperO", "frmFlipperT", "frmFlipperS",
     [](QWidget& options) {
         // Tab stops at the checked choice of a group; an arrow picks the next.
         TabTo(&options, "optInOrder");
         PressKey(Qt::Key_Down);
         EXPECT_TRUE(Find<QRadioButton>(&options, "optRandom")->isChecked());
     },
     [](FakePlatform& fake, QWidget&, bool right) {
         const int answer = 2; // the unchanged picture under button 3
         fake.ScriptRnd({0.0, (answer + 0.5) / 4.0, 0.1});
         return DigitKey(right ? answer + 1 : 1);
     },
     [](Qt::Key key) { PressKey(key); }, "lblCorrect", "lblWrong",
     [](QWidget& therapy) {
         QList<AnswerMark> marks;
         for (VbButton* button : static_cast<frmFlipperT&>(therapy).cmdAnswer) {
             marks << button->Mark();
         }
         return marks;
     }},
    {"cmdColorGrids", "frmVD1o", "frmVD1t", "frmVD1s",
     [](QWidget& options) {
         auto* borders = Find<QCheckBox>(&options, "chkBorders");
         const bool before = borders->isChecked();
         TabTo(borders);
         PressKey(Qt::Key_Space);
         EXPECT_NE(borders->isChecked(), before);
     },
     [](FakePlatform& fake, QWidget& therapy, bool right) {
         const int oddGrid = 3;
         const auto& screen = static_cast<frmVD1t&>(therapy);
         const int cells = ColorGrids::CellCount(ColorGrids::Geometry(screen.GridSizeCode()));
         QList<double> draws{0.0, (oddGrid - 1) / 3.0};
         draws.append(QList<double>(cells, 0.0));
         draws << 0.0 << 0.0;
         fake.ScriptRnd(draws);
         return DigitKey(right ? oddGrid : 4);
     },
     [](Qt::Key key) { PressKey(key); }, "lblCorrect", "lblTotalWrong",
     [](QWidget& therapy) {
         QList<AnswerMark> marks;
         for (VbButton* button : static_cast<frmVD1t&>(therapy).cmdAns) {
             marks << button->Mark();
         }
         return marks;
     }},
};

} // namespace

class KeyboardOnly : public KovaTest, public ::testing::WithParamInterface<KeyboardPractice> {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        main_ = &StartMainMenu();
        main_->activateWindow();
        ProcessEvents();
    }
    // From the main menu to the exercise's options screen, by keys.
    QWidget& openOptions() {
        EnterOn(main_, "cmdTRMenu");
        EnterOn(main_, GetParam().menuButton);
        Form* options = Forms::Find(GetParam().optionsForm);
        if (options == nullptr || !options->isVisible()) {
            throw std::runtime_error("the options screen did not open");
        }
        return *options;
    }
    // The therapy screen opened from the options and started, by keys.
    QWidget& startTherapy(QWidget& options) {
        EnterOn(&options, "cmdStart");
        Form& therapy = Forms::Get(GetParam().therapyForm);
        EnterOn(&therapy, "cmdStart");
        return therapy;
    }
    void answerSet(QWidget& therapy, bool right) {
        const Qt::Key key = GetParam().nextSet(fake(), therapy, right);
        EnterOn(&therapy, "cmdNextSet");
        GetParam().answer(key);
    }
    frmMain* main_ = nullptr;
};

TEST_P(KeyboardOnly, PractisesFromTheMainMenuAndBack) {
    const KeyboardPractice& p = GetParam();
    QWidget& options = openOptions();
    p.setOption(options);
    QWidget& therapy = startTherapy(options);
    for (const bool right : {true, true, false, true}) {
        answerSet(therapy, right);
    }
    PressKey(Qt::Key_Escape); // Stop
    EnterOn(&therapy, "cmdScores");
    Form& scores = Forms::Get(p.scoresForm);
    ASSERT_TRUE(scores.isVisible());
    EXPECT_EQ(Find<QLabel>(&scores, p.correctLine)->text().trimmed(), "3");
    EXPECT_EQ(Find<QLabel>(&scores, p.wrongLine)->text().trimmed(), "1");

    PressKey(Qt::Key_Escape); // to the options
    EXPECT_TRUE(options.isVisible());
    EXPECT_FALSE(IsLoaded(p.scoresForm));
    PressKey(Qt::Key_Escape); // to the main menu
    EXPECT_FALSE(IsLoaded(p.optionsForm));
    EXPECT_TRUE(Find<QGroupBox>(main_, "frmMenu")->isVisible());
}

TEST_P(KeyboardOnly, EscapeOnTheTherapyScreenGoesBackToTheOptionsWhenStopped) {
    QWidget& options = openOptions();
    EnterOn(&options, "cmdStart");
    EXPECT_TRUE(IsShown(GetParam().therapyForm));
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(IsLoaded(GetParam().therapyForm));
    EXPECT_TRUE(options.isVisible());
}

TEST_P(KeyboardOnly, AnswerMarksShowOnARightAndAWrongAnswer) {
    EnterOn(main_, "cmdTools");
    auto* choice = Find<QCheckBox>(main_, "chkAnswerMarks");
    EXPECT_FALSE(choice->isChecked());
    TabTo(choice);
    PressKey(Qt::Key_Space);
    EXPECT_TRUE(AnswerMarks::Shown());
    EXPECT_TRUE(choice->isChecked());
    EXPECT_EQ(fake().Settings.value("AnswerMarks"), "On");

    QWidget& options = openOptions();
    GetParam().setOption(options); // the sets are scripted for this option
    QWidget& therapy = startTherapy(options);
    answerSet(therapy, true);
    const QList<AnswerMark> afterRight = GetParam().marks(therapy);
    EXPECT_EQ(afterRight.count(AnswerMark::Right), 1);
    EXPECT_EQ(afterRight.count(AnswerMark::Wrong), 0);
    answerSet(therapy, false);
    const QList<AnswerMark> afterWrong = GetParam().marks(therapy);
    EXPECT_EQ(afterWrong.count(AnswerMark::Right), 1);
    EXPECT_EQ(afterWrong.count(AnswerMark::Wrong), 1);
}

INSTANTIATE_TEST_SUITE_P(Exercises, KeyboardOnly, ::testing::ValuesIn(Practices),
                         [](const auto& info) { return std::string(info.param.menuButton); });
