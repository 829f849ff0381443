// A finished practice goes into the history once, with every option and
// score line its scores screen shows, and the scores screen opens the
// History window on it. Every exercise of the main menu, on SQLite and on
// PostgreSQL: a practice with nothing presented is not kept, one with only
// wrong answers and a normal one are.
#include "clinic/history/frmHistory.h"
#include "clinic/history/practice_history.h"
#include "exercises/closing_lines/frmVC2t.h"
#include "exercises/eye_rotations/frmDotT.h"
#include "exercises/flip_forms/frmFlipFormT.h"
#include "exercises/flipper/frmFlipperO.h"
#include "exercises/flipper/frmFlipperS.h"
#include "exercises/flipper/frmFlipperT.h"
#include "exercises/tracking/frmTrackT.h"
#include "shell/app.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/practice_report.h"
#include "shell/framework/scores_screen.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "tests/picture_files.h"
#include "tests/support/menu_screens.h"
#include "tests/support/practice_samples.h"
#include "tests/support/set_answers.h"
#include "tests/support/store_backends.h"

#include <QGroupBox>
#include <QRegularExpression>

void RegisterFlipper();

namespace {

class HistoryPracticeTest : public PictureExerciseTest<frmFlipperO, frmFlipperT, RegisterFlipper> {
protected:
    // Two pictures answered (one right), stopped, and the scores shown.
    frmFlipperS& practiseAndShowScores() {
        frmFlipperT& screen = startTherapy();
        for (int answer : {0, 3}) {
            fake().ScriptRnd({0.1, 0.1}); // the right answer under button 0
            Click(screen.cmdNextSet);
            fake().Now += 2.0;
            Click(screen.cmdAnswer[answer]);
        }
        Click(screen.cmdStart);
        Click(screen.cmdScores);
        return Loaded<frmFlipperS>();
    }
    static QList<PracticeSummary> kept(const QString& patient) {
        return PracticeHistory::Store()->Practices(patient);
    }
};

TEST_F(HistoryPracticeTest, APracticeIsKeptOnceWithEveryOptionAndScoreLine) {
    ModDODI::PatientName = "Ann \"A\" O'Neil";
    frmFlipperS& scores = practiseAndShowScores();
    const PracticeReport shown = ReportOf(scores);
    ASSERT_EQ(kept(ModDODI::PatientName).size(), 1);
    const StoredPractice stored = PracticeHistory::Store()->Details(
        ModDODI::PatientName, {kept(ModDODI::PatientName)[0].id})[0];
    EXPECT_EQ(stored.report.exercise, "Flipper");
    EXPECT_EQ(kept(ModDODI::PatientName)[0].headline, "Percent Correct 50%");
    EXPECT_EQ(LinesOf(stored.report.options), LinesOf(shown.options));
    EXPECT_EQ(LinesOf(stored.report.scores), LinesOf(shown.scores));
    EXPECT_FALSE(shown.options.isEmpty());

    // The History window from the scores screen, and back: the scores
    // screen is shown again, and the practice is not kept twice.
    Click(&scores, "cmdHistory");
    auto& history = Loaded<frmHistory>();
    EXPECT_EQ(history.ChosenPatient(), ModDODI::PatientName);
    EXPECT_FALSE(scores.isEnabled());
    Click(&history, "cmdClose");
    EXPECT_TRUE(scores.isEnabled());
    Forms::Show(scores);
    EXPECT_EQ(kept(ModDODI::PatientName).size(), 1);
    EXPECT_TRUE(fake().Messages.isEmpty());
}

// The practice clock goes on past midnight, when the time of day starts
// again at 0: the caption, the scores and the history all tell two minutes.
TEST_F(HistoryPracticeTest, APracticeFromJustBeforeMidnightRunsItsTwoMinutes) {
    fake().Now = 86370; // 23:59:30
    frmFlipperT& screen = startTherapy();
    fake().Now += 60;
    fake().ScriptRnd({0.1, 0.1});
    Click(screen.cmdNextSet);
    EXPECT_EQ(screen.windowTitle(), "KOVA.....Practice Time = 1 Mins  0 Secs");
    Click(screen.cmdAnswer[0]);
    fake().Now = 86370 + 120;
    Click(screen.cmdStart);
    EXPECT_EQ(screen.windowTitle(), "KOVA.....Practice Time = 2 Mins  0 Secs");
    Click(screen.cmdScores);
    EXPECT_EQ(Loaded<frmFlipperS>().Value("lblPracTime")->text(), "2 Mins  0 Secs");
    const PracticeSummary practice = kept("No name entered").value(0);
    EXPECT_EQ(practice.practiceTime, "2 Mins  0 Secs");
    EXPECT_EQ(practice.started, QDateTime(QDate(2026, 12, 7), QTime(23, 59, 30)));
    EXPECT_EQ(practice.ended, QDateTime(QDate(2026, 12, 8), QTime(0, 1, 30)));
}

TEST_F(HistoryPracticeTest, TheHistoryWindowClosesWithTheExerciseItWasOpenedFrom) {
    frmFlipperS& scores = practiseAndShowScores();
    Click(&scores, "cmdHistory");
    ASSERT_TRUE(IsShown(frmHistory::Name));
    Forms::Unload(frmFlipperO::Name); // the options window closed: the whole exercise ends
    ProcessEvents();
    EXPECT_FALSE(IsLoaded(frmHistory::Name));
    EXPECT_FALSE(IsLoaded(frmFlipperS::Name));
}

// ---- Every exercise of the main menu ----

FakePlatform& fake() {
    return FakePlatform::Installed();
}

// One run on a therapy screen as a patient does it: Start, one stimulus
// answered right or wrong, and stopped again.
using PracticeRun = std::function<void(Form& therapy, bool right)>;

// Start, the next set shown with that button and answered, Stop.
PracticeRun StartAnswerStop(const char* next, SetAnswer answer) {
    return [next, answer](Form& therapy, bool right) {
        Click(&therapy, "cmdStart");
        Click(&therapy, next);
        answer(therapy, right, fake());
        Click(&therapy, "cmdStart");
    };
}

bool AnswerFlipper(Form& form, bool right, FakePlatform&) {
    auto& t = static_cast<frmFlipperT&>(form);
    Click(t.cmdAnswer[right ? t.CorrectAnswer : (t.CorrectAnswer + 1) % 4]);
    return right;
}

// A box's first click flips it right to left below 0.5, upside down from
// 0.5; each click after turns it on by one step.
bool AnswerFlipForm(Form& form, bool right, FakePlatform& platform) {
    auto& t = static_cast<frmFlipFormT&>(form);
    const double first[3] = {right ? 0.1 : 0.9, 0.9, right ? 0.9 : 0.1};
    const int clicks[3] = {1, right ? 2 : 1, 1};
    for (int box = 0; box < 3; ++box) {
        platform.ScriptRnd({first[box]});
        for (int click = 0; click < clicks[box]; ++click) {
            Click(t.Boxes[box]);
        }
        Click(t.cmdOK[box]);
    }
    return right;
}

// Wrong: one X where the pattern has none, and no other (the score counts
// the squares: an X left out would leave most of them right).
bool AnswerPatternWithAStrayX(Form& form, bool right, FakePlatform& platform) {
    auto& t = static_cast<frmVSS1t&>(form);
    platform.AdvanceTime(t.Timer1->Interval());
    const TicTacToe::XPattern expected =
        TicTacToe::Rotated(t.Pattern, Forms::Get<frmVSS1o>().ChosenRotation());
    for (int cell = 0; cell < TicTacToe::CellCount; ++cell) {
        if (expected[std::size_t(cell)] == right) {
            Click(t.cmdX->Cell(cell));
            if (!right) {
                break;
            }
        }
    }
    Click(t.cmdChkAnswer);
    return right;
}

// A click on the target's place, or far from it.
bool AnswerLines(Form& form, bool right, FakePlatform&) {
    auto& t = static_cast<frmVC2t&>(form);
    Click(t.cmdAnswer);
    const QPointF target = t.Target().Target();
    const double off = right ? 0 : target.x() > 500 ? -300 : 300;
    ClickAt(t.surface, t.surface->ToPixels(target.x() + off, target.y()).toPoint());
    return right;
}

// A page of Tracking (counting targets): the first target pressed (right),
// or every target missed.
void TrackPage(Form& therapy, bool right) {
    auto& t = static_cast<frmTrackT&>(therapy);
    bool pressed = false;
    fake().OnDoEvents = [&t, &pressed, right] {
        if (t.frmStartMess->isVisible()) {
            Click(t.frmStartMess->cmdOK2);
        } else if (right && !pressed && t.cmdClkScore->isEnabled() && t.TargetShown) {
            pressed = true;
            Click(t.cmdClkScore);
        }
    };
    Click(t.cmdStart);
    fake().OnDoEvents = nullptr;
}

// Discs go round until one is (or is not) the target, which is then pressed.
void RotateAndPress(Form& therapy, bool right) {
    auto& t = static_cast<frmDotT&>(therapy);
    fake().OnDoEvents = [&t] {
        if (t.frmStartMess->isVisible()) {
            Click(t.frmStartMess->cmdOK2);
        }
    };
    Click(t.cmdStart);
    fake().OnDoEvents = nullptr;
    for (int disc = 0; disc < 100 && (t.DisplayChar() == t.TargetChar()) != right; ++disc) {
        fake().AdvanceTime(t.Timer1->Interval());
    }
    Click(t.cmdScore);
    Click(t.cmdStart);
}

// Every exercise button of the main menu with a run of its exercise.
const QMap<QString, PracticeRun>& PracticeRuns() {
    static const QMap<QString, PracticeRun> runs = {
        {"cmdFlipper", StartAnswerStop("cmdNextSet", AnswerFlipper)},
        {"cmdFlipForm", StartAnswerStop("cmdNextSet", AnswerFlipForm)},
        {"cmdRL", StartAnswerStop("cmdNextSet", AnswerFigure)},
        {"cmdCloseNL", StartAnswerStop("cmdNextSet", AnswerLetter)},
        {"cmdTNL", TrackPage},
        {"cmdTS", TrackPage},
        {"cmdEyeRot", RotateAndPress},
        {"cmdTicTacToe", StartAnswerStop("cmdNextPat", AnswerPatternWithAStrayX)},
        {"cmdVisSequence", StartAnswerStop("cmdNextPat", AnswerSequence)},
        {"cmdCharSearch", StartAnswerStop("cmdBegin", AnswerSearch)},
        {"cmdColorGrids", StartAnswerStop("cmdNextSet", AnswerGrids)},
        {"cmdPatternDup", StartAnswerStop("cmdNextSet", AnswerDuplicate)},
        {"cmdMNBD", StartAnswerStop("cmdNextSet", AnswerShapes)},
        {"cmdLinesBoxes", StartAnswerStop("cmdNextSet", AnswerLines)},
    };
    return runs;
}

// The exercise buttons the main menu offers.
QStringList ExerciseButtons() {
    RegisterExercises();
    return MenuExerciseButtons();
}

class EveryExercise : public KovaTest,
                      public ::testing::WithParamInterface<std::tuple<QString, Backend>> {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        QString target;
        FreshStore(std::get<1>(GetParam()), &target);
        if (target.isEmpty()) {
            return;
        }
        PracticeHistory::UseTarget(target);
        ASSERT_NE(PracticeHistory::Store(), nullptr);
        StartMainMenu();
    }

    // The exercise's therapy screen, opened with Therapy on its options
    // screen (which the main menu's button opens first).
    Form& openTherapy() {
        if (options_ == nullptr || Forms::Find(options_->objectName()) != options_) {
            options_ = &OpenFromMenu(std::get<0>(GetParam()));
        }
        Click(ButtonCaptioned(*options_, "Therapy"));
        return Forms::Get(options_->Names().therapy);
    }
    ScoresScreen& showScores(Form& therapy) {
        Click(ButtonCaptioned(therapy, "Scores"));
        return dynamic_cast<ScoresScreen&>(Forms::Get(options_->Names().scores));
    }
    // No box was shown, the history holds that many practices, and the
    // newest holds every score line as the scores screen shows it.
    void expectKept(ScoresScreen& scores, int practices) {
        for (const RecordedMessage& message : fake().Messages) {
            ADD_FAILURE() << "a box: " << message.prompt.toStdString();
        }
        const QList<PracticeSummary> kept = PracticeHistory::Store()->Practices(NoName);
        ASSERT_EQ(kept.size(), practices);
        if (practices > 0) {
            const PracticeReport shown = ReportOf(scores);
            const PracticeReport stored =
                PracticeHistory::Store()->Details(NoName, {kept[0].id}).value(0).report;
            EXPECT_EQ(stored.practiceTime, shown.practiceTime);
            EXPECT_EQ(LinesOf(stored.scores), LinesOf(shown.scores));
        }
        Click(&scores, "cmdOptions");
    }

    static std::optional<double> newestPercentCorrect() {
        return PracticeHistory::Store()->Practices(NoName).value(0).percentCorrect;
    }

    static inline const QString NoName = "No name entered";
    OptionsScreen* options_ = nullptr;
};

TEST_P(EveryExercise, APracticeIsKeptWhenSomethingWasPresentedWithItsLinesAsShown) {
    const PracticeRun practise = PracticeRuns().value(std::get<0>(GetParam()));
    ASSERT_TRUE(practise) << "no practice run for this exercise yet";
    expectKept(showScores(openTherapy()), 0); // Therapy, then Scores at once

    Form& onlyWrong = openTherapy();
    practise(onlyWrong, false);
    practise(onlyWrong, false);
    expectKept(showScores(onlyWrong), 1);
    EXPECT_EQ(newestPercentCorrect().value_or(0), 0);

    // A normal practice from 23:59:30 with a minute's pause: past midnight it
    // goes on (no end by time) and keeps its length.
    fake().Now = 86370;
    Form& normal = openTherapy();
    practise(normal, true);
    fake().Now += 60;
    practise(normal, false);
    ScoresScreen& scores = showScores(normal);
    EXPECT_TRUE(QRegularExpression("^[12] Mins  \\d+ Secs$")
                    .match(ReportOf(scores).practiceTime)
                    .hasMatch())
        << ReportOf(scores).practiceTime.toStdString();
    expectKept(scores, 2);
    EXPECT_GT(newestPercentCorrect().value_or(1), 0) << "one answer was right";
}

INSTANTIATE_TEST_SUITE_P(Menu, EveryExercise,
                         ::testing::Combine(::testing::ValuesIn(ExerciseButtons()), BothBackends),
                         [](const auto& info) {
                             return std::get<0>(info.param).toStdString() + "_" +
                                    BackendName(std::get<1>(info.param));
                         });

} // namespace
