// Every exercise's button for the next set, each exercise opened by its
// main-menu button: the therapy screen opens stopped and within an 800 x 600
// display, Start offers the button with the focus on it, Stop takes it away;
// where the button looks at the clock, asking for a set once the practice
// time is used up opens the scores screen without drawing one.
#include "shell/controls/combo_box.h"
#include "shell/framework/options_screen.h"
#include "shell/main_menu.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/menu_screens.h"

#include <algorithm>
#include <iterator>

void RegisterExercises();

namespace {

struct NextSetScreen {
    const char* exercise;
    const char* menuButton;
    const char* nextButton;
    bool endsPracticeAtNext = true;
};

void PrintTo(const NextSetScreen& screen, std::ostream* out) {
    *out << screen.exercise;
}

const NextSetScreen Screens[] = {
    {"TicTacToe", "cmdTicTacToe", "cmdNextPat"},
    // These two end the practice their own way: a cue first, the grid size kept.
    {"VisualSequencing", "cmdVisSequence", "cmdNextPat", false},
    {"ColorGrids", "cmdColorGrids", "cmdNextSet", false},
    {"PatternDuplicator", "cmdPatternDup", "cmdNextSet"},
    {"ShapeCounting", "cmdMNBD", "cmdNextSet"},
    {"ClosingLines", "cmdLinesBoxes", "cmdNextSet"},
    {"CharacterSearching", "cmdCharSearch", "cmdBegin"},
    {"Flipper", "cmdFlipper", "cmdNextSet", false},
    {"FlipForms", "cmdFlipForm", "cmdNextSet", false},
    {"RightOrLeft", "cmdRL", "cmdNextSet", false},
    {"ClosingLetters", "cmdCloseNL", "cmdNextSet", false},
};

class NextSet : public KovaTest, public ::testing::WithParamInterface<NextSetScreen> {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        options_ = &OpenFromMenu(GetParam().menuButton);
    }
    QWidget& therapy() { return Forms::Get(options_->Names().therapy); }
    QWidget* nextButton() { return Find<QWidget>(&therapy(), GetParam().nextButton); }

    OptionsScreen* options_ = nullptr;
};

TEST_P(NextSet, OfferedFromStartToStopWithTheFocus) {
    Click(options_, "cmdStart");
    QWidget& screen = therapy();
    EXPECT_FALSE(nextButton()->isVisible() && nextButton()->isEnabled()) << "stopped at first";
    if (!(screen.windowState() & Qt::WindowMaximized)) {
        EXPECT_LE(screen.frameGeometry().width(), 800);
        EXPECT_LE(screen.frameGeometry().height(), 600);
    }
    Click(&screen, "cmdStart");
    EXPECT_TRUE(nextButton()->isVisible() && nextButton()->isEnabled());
    EXPECT_EQ(screen.focusWidget(), nextButton());
    Click(&screen, "cmdStart");
    EXPECT_FALSE(nextButton()->isVisible() && nextButton()->isEnabled());
}

// The screens whose button ends the practice period and does nothing else.
class NextSetAtTheEnd : public NextSet {};

std::vector<NextSetScreen> EndingPracticeAtNext() {
    std::vector<NextSetScreen> ending;
    std::copy_if(std::begin(Screens), std::end(Screens), std::back_inserter(ending),
                 [](const NextSetScreen& screen) { return screen.endsPracticeAtNext; });
    return ending;
}

TEST_P(NextSetAtTheEnd, OfThePracticeTimeOpensTheScoresAndDrawsNothing) {
    Find<ValidatingComboBox>(options_, "cboPracTime")->SetText("1");
    Click(options_, "cmdStart");
    const double opened = fake().Now;
    Click(&therapy(), "cmdStart");

    fake().Now = opened + 60;
    const int draws = fake().RandomizeCalls;
    const int beeps = fake().Beeps;
    fake().Sleeps.clear();
    Click(nextButton());
    const QString scores = options_->Names().scores;
    ASSERT_TRUE(IsShown(scores));
    EXPECT_FALSE(IsShown(options_->Names().therapy));
    EXPECT_EQ(fake().RandomizeCalls, draws) << "no set drawn";
    EXPECT_EQ(fake().Beeps, beeps);
    EXPECT_TRUE(fake().Sleeps.isEmpty());
    EXPECT_EQ(Texts(&Forms::Get(scores), {"lblPracTime"}), QStringList{"1 Mins  0 Secs"});
}

const auto ExerciseName = [](const auto& info) { return std::string(info.param.exercise); };
INSTANTIATE_TEST_SUITE_P(Menu, NextSet, ::testing::ValuesIn(Screens), ExerciseName);
INSTANTIATE_TEST_SUITE_P(Menu, NextSetAtTheEnd, ::testing::ValuesIn(EndingPracticeAtNext()),
                         ExerciseName);

} // namespace
