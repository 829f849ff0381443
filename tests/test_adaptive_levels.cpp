// Adaptive levels: the block rule, every declared ladder on its own options
// screen, and a simulated patient on the real screens of Visual Sequencing,
// Color Grids and Tic Tac Toe Rotations settling near four answers in five.
#include "exercises/character_searching/character_searching_scores.h"
#include "exercises/character_searching/frmFG7o.h"
#include "exercises/closing_letters/closing_letters_scores.h"
#include "exercises/closing_letters/frmLetterO.h"
#include "exercises/color_grids/color_grids_scores.h"
#include "exercises/color_grids/frmVD1o.h"
#include "exercises/eye_rotations/eye_rotations_rules.h"
#include "exercises/eye_rotations/eye_rotations_scores.h"
#include "exercises/eye_rotations/frmDotO.h"
#include "exercises/eye_rotations/frmDotT.h"
#include "exercises/pattern_duplicator/frmVD8o.h"
#include "exercises/pattern_duplicator/pattern_duplicator_scores.h"
#include "exercises/right_or_left/frmRLO.h"
#include "exercises/right_or_left/right_or_left_scores.h"
#include "exercises/shape_counting/frmFG1o.h"
#include "exercises/shape_counting/shape_counting_scores.h"
#include "exercises/tic_tac_toe/tic_tac_toe_scores.h"
#include "exercises/tracking/frmTrackO.h"
#include "exercises/tracking/frmTrackT.h"
#include "exercises/tracking/tracking_scores.h"
#include "exercises/visual_sequencing/frmVSS2o.h"
#include "exercises/visual_sequencing/visual_sequencing_scores.h"
#include "shell/app.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/option_values.h"
#include "tests/support/kova_test.h"
#include "tests/support/menu_screens.h"
#include "tests/support/set_answers.h"
#include "tests/support/simulated_responder.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <iterator>
#include <numeric>
#include <vector>

namespace {

struct StepCase {
    int right;
    int judged;
    int step;
};

TEST(AdaptiveBlockRule, FiveRightGoUpFourStayThreeOrFewerGoDown) {
    const StepCase cases[] = {{5, 5, 1},
                              {4, 5, 0},
                              {3, 5, -1},
                              {0, 5, -1},
                              // a set that judges several answers at once
                              {7, 7, 1},
                              {6, 7, 0},
                              {5, 8, 0},
                              {4, 7, -1}};
    for (const StepCase& c : cases) {
        EXPECT_EQ(BlockStep(c.right, c.judged), c.step) << c.right << " of " << c.judged;
    }
}

struct WalkCase {
    const char* what;
    int start, floor, ceiling;
    QList<JudgedAnswers> totals; // running totals, one a set
    QList<int> levels;           // the level after each
};

TEST(AdaptiveStaircase, MovesOnlyAtTheEndOfABlockAndStaysWithinItsBounds) {
    const WalkCase cases[] = {
        {"four answers are no block", 3, 1, 8, {{4, 0}}, {3}},
        {"a block of five right", 3, 1, 8, {{4, 0}, {5, 0}, {9, 0}, {10, 0}}, {3, 4, 4, 5}},
        {"two wrong go down, five right up", 3, 1, 8, {{3, 2}, {8, 2}}, {2, 3}},
        {"four right stay", 3, 1, 8, {{4, 1}, {8, 2}}, {3, 3}},
        {"the ceiling holds", 8, 1, 8, {{5, 0}, {10, 0}}, {8, 8}},
        {"the floor holds", 2, 2, 8, {{0, 5}}, {2}},
        {"a start outside is moved in", 12, 2, 6, {{0, 0}}, {6}},
        {"bounds given the wrong way round", 4, 6, 3, {{5, 0}, {10, 0}}, {5, 6}},
    };
    for (const WalkCase& c : cases) {
        LevelStaircase walk(c.start, c.floor, c.ceiling);
        QList<int> levels;
        for (const JudgedAnswers& totals : c.totals) {
            walk.TakeTotals(totals);
            levels << walk.Level();
        }
        EXPECT_EQ(levels, c.levels) << c.what;
        EXPECT_EQ(walk.HighestReached(),
                  std::max(walk.StartLevel(), *std::max_element(levels.begin(), levels.end())))
            << c.what;
    }
}

// Every ladder declared, for every exercise, on its own options screen: each
// level is a set of values the screen accepts and shows as the ladder says.
class EveryLadder : public KovaTest {};

TEST_F(EveryLadder, EachLevelIsAcceptedByItsOptionsScreen) {
    RegisterExercises();
    ASSERT_GE(DeclaredAdaptiveLadders().size(), 3);
    for (const AdaptiveLadderDeclaration& declared : DeclaredAdaptiveLadders()) {
        const std::string exercise = declared.optionsForm.toStdString();
        const AdaptiveLadder& ladder = declared.ladder;
        EXPECT_GE(ladder.LevelCount(), 8) << exercise;
        Forms::Show(declared.optionsForm);
        Form& options = Forms::Get(declared.optionsForm);
        auto* start = Find<ValidatingComboBox>(&options, AdaptiveNames::StartLevel);
        auto* lowest = Find<ValidatingComboBox>(&options, AdaptiveNames::LowestLevel);
        Click(Find<QCheckBox>(&options, AdaptiveNames::ModeCheck));
        for (int level = 1; level <= ladder.LevelCount(); ++level) {
            const std::string where = exercise + " level " + std::to_string(level);
            ASSERT_EQ(ladder.levels[level - 1].size(), ladder.controls.size()) << where;
            // The practice starts at that level, set through the screen's own boxes.
            TypeInto(lowest, "1");
            TypeInto(start, QString::number(level));
            TabOut(start);
            Click(ButtonCaptioned(options, "Therapy"));
            const OptionValues shown = ReadOptionValues(options);
            for (int i = 0; i < ladder.controls.size(); ++i) {
                EXPECT_EQ(ValueOf(shown, ladder.controls[i]), ladder.levels[level - 1][i])
                    << where << " " << ladder.controls[i].toStdString();
            }
            for (ValidatingComboBox* box : options.findChildren<ValidatingComboBox*>()) {
                EXPECT_EQ(box->Refusal(), std::nullopt)
                    << where << " " << box->objectName().toStdString();
            }
            Forms::Unload(declared.therapyForm);
            Forms::Show(options);
        }
        Forms::Unload(options);
    }
}

// How a simulated patient works one exercise: starts a set and answers it.
struct ExerciseDriver {
    const char* name;
    const char* options;
    const char* therapy;
    double eightyLevel; // where the simulated patient is right four times in five
    // The button that shows the next set. Where a set stays open after a
    // wrong answer (a count or a check may be tried again) it is offered only
    // after a right one; until then the patient answers the set shown again.
    const char* next;
    // Answers the set shown, right or wrong as asked where the set allows
    // it; returns whether the answer given is right.
    SetAnswer answer;
    JudgedAnswers (*judged)();
    // Whether the settling of a simulated patient is checked here too (it
    // takes thirty blocks from each end); every ladder's ends are.
    bool settles = false;
    // Where Start itself shows a set: how the driver shows the next one.
    void (*startSet)(Form& therapy) = nullptr;
};

// The patient's answer at a level, for a screen that takes its answers
// while the set runs: a Tracking page runs to its end inside Start.
std::function<bool(int level)> AnswerWhileShown;

int LevelShownOn(const Form& therapy) {
    return Find<QLabel>(&therapy, AdaptiveNames::LevelLabel)->text().mid(6).toInt();
}

// Tracking: a page of twelve items with one target, the fourth; the patient
// presses after it or lets it go by (a missed target is wrong).
bool trackingPageRight = false;

void StartPage(Form& form) {
    QPointer<frmTrackT> t(&static_cast<frmTrackT&>(form));
    QList<double> draws{0.01}; // the target, 1
    for (int position = 1; position <= 12; ++position) {
        draws << (position == 4 ? 0.01 : 0.12); // 1 or 2
    }
    FakePlatform::Installed().ScriptRnd(draws);
    FakePlatform::Installed().OnDoEvents = [t] {
        if (t == nullptr) {
            return;
        }
        if (t->frmStartMess->isVisible()) {
            Click(t->frmStartMess->cmdOK2);
        } else if (Scores<TrackScores>().PositionIndex == 4 && AnswerWhileShown) {
            trackingPageRight = AnswerWhileShown(LevelShownOn(*t));
            if (trackingPageRight) {
                Click(t->cmdClkScore);
            }
        }
    };
    Click(t->cmdStart);
}

bool AnswerPage(Form&, bool, FakePlatform&) {
    return trackingPageRight;
}

// Eye Rotations: a rotation of eight discs with one target, the first.
void StartRotation(Form& form) {
    auto& t = static_cast<frmDotT&>(form);
    FakePlatform& fake = FakePlatform::Installed();
    QList<double> draws;
    if (!t.Running()) {
        draws << 0.01; // the target, 1
    }
    for (int disc = 1; disc <= 8; ++disc) {
        draws << (disc == 1 ? 0.01 : 0.12); // 1 or 2
    }
    fake.ScriptRnd(draws);
    if (t.Running()) {
        fake.AdvanceTime(t.Timer1->Interval()); // the last disc goes, the next rotation begins
        return;
    }
    fake.OnDoEvents = [screen = QPointer<frmDotT>(&t)] {
        if (screen != nullptr && screen->frmStartMess->isVisible()) {
            Click(screen->frmStartMess->cmdOK2);
        }
    };
    Click(t.cmdStart);
}

bool AnswerRotation(Form& form, bool right, FakePlatform& fake) {
    auto& t = static_cast<frmDotT&>(form);
    if (right) {
        Click(t.cmdScore);
    }
    for (int disc = 2; disc <= 8; ++disc) {
        fake.AdvanceTime(t.Timer1->Interval());
    }
    return right;
}

const ExerciseDriver Drivers[] = {
    {"VisualSequencing", frmVSS2o::Name, frmVSS2t::Name, 6, "cmdNextPat", AnswerSequence,
     [] {
         return JudgedAnswers{VisualSequencingScores().VisSeqSeqCorrect,
                              VisualSequencingScores().VisSeqSeqWrong};
     },
     true},
    {"ColorGrids", frmVD1o::Name, frmVD1t::Name, 6, "cmdNextSet", AnswerGrids,
     [] {
         return JudgedAnswers{ColorGridsScores().Correct, ColorGridsScores().Wrong};
     },
     true},
    {"TicTacToe", frmVSS1o::Name, frmVSS1t::Name, 5, "cmdNextPat", AnswerPattern,
     [] {
         const auto& s = TicTacToeScores();
         return JudgedAnswers{s.TicTacToeGridsAllCorrect,
                              s.TicTacToeGrids - s.TicTacToeGridsAllCorrect};
     },
     true},
    {"ShapeCounting", frmFG1o::Name, frmFG1t::Name, 7, "cmdNextSet", AnswerShapes,
     [] {
         return JudgedAnswers{ShapeCountingScores().Correct, ShapeCountingScores().Wrong};
     }},
    {"PatternDuplicator", frmVD8o::Name, frmVD8t::Name, 5, "cmdNextSet", AnswerDuplicate,
     [] {
         return JudgedAnswers{PatternDuplicatorScores().Correct, PatternDuplicatorScores().Wrong};
     }},
    {"CharacterSearching", frmFG7o::Name, frmFG7t::Name, 5, "cmdBegin", AnswerSearch,
     [] {
         return JudgedAnswers{CharacterSearchingScores().CharSearchCorrect,
                              CharacterSearchingScores().CharSearchWrong};
     }},
    {"RightOrLeft", frmRLO::Name, frmRLT::Name, 6, "cmdNextSet", AnswerFigure,
     [] {
         return JudgedAnswers{RLScores().RLCorrect, RLScores().RLWrong};
     }},
    {"ClosingLetters", frmLetterO::Name, frmLetterT::Name, 5, "cmdNextSet", AnswerLetter,
     [] {
         return JudgedAnswers{Scores<LetterScores>().LettersCorrect,
                              Scores<LetterScores>().LettersWrong};
     }},
    {"Tracking", frmTrackO::Name, frmTrackT::Name, 6, nullptr, AnswerPage,
     [] { return Scores<TrackScores>().Judged; }, false, StartPage},
    {"EyeRotations", frmDotO::Name, frmDotT::Name, 6, nullptr, AnswerRotation,
     [] {
         const auto& s = EyeScores();
         return JudgedAnswers{s.CorrectCount,
                              s.WrongCount + TargetsMissed(s.TargetsShown, s.CorrectCount)};
     },
     false, StartRotation},
};

// What one simulated practice showed, set by set.
struct Practice {
    QList<int> levels;     // the level each set was shown at
    QList<bool> right;     // the answer given to it
    QStringList mixedSets; // sets whose waits saw another level or other options
    JudgedAnswers judged;  // as the screen counted them
};

class SimulatedPatient : public KovaTest, public ::testing::WithParamInterface<ExerciseDriver> {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        Forms::Show(GetParam().options);
        options_ = &Forms::Get(GetParam().options);
        ladder_ = AdaptiveLadderOf(GetParam().options)->ladder;
    }

    // The adaptive mode on, from start within lowest and highest, with the
    // pre-display beep on where the screen has one.
    void chooseAdaptive(int start, int lowest, int highest) {
        if (auto* mode = Find<QCheckBox>(options_, AdaptiveNames::ModeCheck); !mode->isChecked()) {
            Click(mode);
        }
        if (auto* beep = options_->findChild<QCheckBox*>("chkSound"); beep && !beep->isChecked()) {
            beep->click();
        }
        for (auto [name, value] : {std::pair{AdaptiveNames::LowestLevel, lowest},
                                   std::pair{AdaptiveNames::HighestLevel, highest},
                                   std::pair{AdaptiveNames::StartLevel, start}}) {
            auto* box = Find<ValidatingComboBox>(options_, name);
            TypeInto(box, QString::number(value));
            TabOut(box);
        }
        if (auto* time = options_->findChild<ValidatingComboBox*>("cboPracTime")) {
            TypeInto(time, "60");
            TabOut(time);
        }
    }

    QStringList ladderValues() {
        const OptionValues values = ReadOptionValues(*options_);
        QStringList shown;
        for (const QString& control : ladder_.controls) {
            shown << ValueOf(values, control);
        }
        return shown;
    }

    Practice practise(SimulatedResponder responder, int sets) {
        Click(ButtonCaptioned(*options_, "Therapy"));
        Form& therapy = Forms::Get(GetParam().therapy);
        if (GetParam().startSet == nullptr) {
            Click(&therapy, "cmdStart");
        }
        Practice practice;
        AnswerWhileShown = [&responder](int level) { return responder.AnswersRight(level); };
        QSet<QString> seen; // level and options at each wait of the set shown
        fake().OnSleep = [&](int) {
            const int level = LevelShownOn(therapy);
            const bool asLadder = ladderValues() == ladder_.levels.value(level - 1);
            seen << QString("%1 %2").arg(level).arg(asLadder ? "as ladder" : "other options");
        };
        for (int set = 0; set < sets; ++set) {
            seen.clear();
            if (GetParam().startSet != nullptr) {
                GetParam().startSet(therapy);
            } else {
                Click(&therapy, GetParam().next);
            }
            const int level = LevelShownOn(therapy);
            const bool right = GetParam().answer(therapy, responder.AnswersRight(level), fake());
            practice.levels << level;
            practice.right << right;
            if (seen.size() > 1 ||
                (seen.size() == 1 && !seen.contains(QString("%1 as ladder").arg(level)))) {
                practice.mixedSets
                    << QString("set %1: %2").arg(set).arg(QStringList(seen.values()).join(", "));
            }
        }
        fake().OnSleep = nullptr;
        AnswerWhileShown = nullptr;
        practice.judged = GetParam().judged();
        return practice;
    }

    Form* options_ = nullptr;
    AdaptiveLadder ladder_;
};

constexpr int BlocksRun = 30;
constexpr int BlocksJudged = 20;

std::vector<ExerciseDriver> SettlingDrivers() {
    std::vector<ExerciseDriver> settling;
    std::copy_if(std::begin(Drivers), std::end(Drivers), std::back_inserter(settling),
                 [](const ExerciseDriver& driver) { return driver.settles; });
    return settling;
}

class SettlingPatient : public SimulatedPatient {};

TEST_P(SettlingPatient, SettlesNearFourAnswersInFiveFromTheBottomAndFromTheTop) {
    const ExerciseDriver& exercise = GetParam();
    const int top = ladder_.LevelCount();
    for (int start : {1, top}) {
        const std::string from =
            exercise.name + std::string(" from level ") + std::to_string(start);
        chooseAdaptive(start, 1, top);
        const Practice p = practise(SimulatedResponder(exercise.eightyLevel, 7u + unsigned(start)),
                                    BlocksRun * AdaptiveBlockSize);
        EXPECT_EQ(p.levels.first(), start) << from;
        EXPECT_EQ(p.mixedSets, QStringList()) << from;
        const int rightGiven = int(std::count(p.right.begin(), p.right.end(), true));
        EXPECT_EQ(p.judged.right, rightGiven) << from << ": the screen judged otherwise";
        EXPECT_EQ(p.judged.wrong, p.right.size() - rightGiven) << from;

        const int lastSets = BlocksJudged * AdaptiveBlockSize;
        const auto lastLevels = p.levels.mid(p.levels.size() - lastSets);
        const double meanLevel =
            std::accumulate(lastLevels.begin(), lastLevels.end(), 0.0) / lastSets;
        EXPECT_NEAR(meanLevel, exercise.eightyLevel, 1.0) << from;
        const auto lastAnswers = p.right.mid(p.right.size() - lastSets);
        const double share =
            double(std::count(lastAnswers.begin(), lastAnswers.end(), true)) / lastSets;
        EXPECT_GE(share, 0.70) << from;
        EXPECT_LE(share, 0.90) << from;

        Click(&Forms::Get(exercise.therapy), "cmdStart"); // Stop
        Click(&Forms::Get(exercise.therapy), "cmdOptions");
    }
}

TEST_P(SimulatedPatient, AlwaysRightClimbsToTheCeilingAndStaysAlwaysWrongSinksToTheFloor) {
    const ExerciseDriver& exercise = GetParam();
    const int ceiling = ladder_.LevelCount() - 1;
    chooseAdaptive(1, 1, ceiling);
    const Practice up = practise(SimulatedResponder::AlwaysRight(), 12 * AdaptiveBlockSize);
    QList<int> expectedUp;
    for (int set = 0; set < up.levels.size(); ++set) {
        expectedUp << std::min(1 + set / AdaptiveBlockSize, ceiling);
    }
    EXPECT_EQ(up.levels, expectedUp) << exercise.name;
    EXPECT_EQ(up.mixedSets, QStringList()) << exercise.name;

    Click(&Forms::Get(exercise.therapy), "cmdStart");
    Click(&Forms::Get(exercise.therapy), "cmdOptions");
    EXPECT_EQ(Find<ValidatingComboBox>(options_, AdaptiveNames::StartLevel)->Text(),
              QString::number(ceiling))
        << "the next practice starts where this one ended";
    chooseAdaptive(ceiling, 3, ceiling);
    const Practice down = practise(SimulatedResponder::AlwaysWrong(), 12 * AdaptiveBlockSize);
    EXPECT_EQ(down.levels.last(), 3) << exercise.name;
    EXPECT_EQ(down.levels.mid(down.levels.size() - 10), QList<int>(10, 3)) << exercise.name;
    EXPECT_EQ(down.judged.wrong, down.levels.size());
}

const auto DriverName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(EveryLadder, SimulatedPatient, ::testing::ValuesIn(Drivers), DriverName);
INSTANTIATE_TEST_SUITE_P(Settling, SettlingPatient, ::testing::ValuesIn(SettlingDrivers()),
                         DriverName);

} // namespace
