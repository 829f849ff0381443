// Running a patient's therapy program through the real screens: Today's
// Program on the main menu, each step's exercise opened with its options,
// Next Exercise on the scores screen, every practice kept with its program
// and step, the summary, going on the same day from the first step not
// done, and the sessions planned and done week by week.
#include "app/program_extras.h"
#include "clinic/history/frmHistory.h"
#include "clinic/history/practice_history.h"
#include "clinic/programs/adherence.h"
#include "clinic/programs/frmProgramSummary.h"
#include "clinic/programs/program_run.h"
#include "clinic/programs/program_store.h"
#include "clinic/report/report_document.h"
#include "exercises/color_grids/frmVD1t.h"
#include "exercises/pattern_duplicator/frmVD8t.h"
#include "exercises/shape_counting/frmFG1t.h"
#include "shell/app.h"
#include "shell/forms_apart.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/scores_screen.h"
#include "shell/main_menu.h"
#include "shell/menu_exercises.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"
#include "tests/support/menu_screens.h"
#include "tests/support/practice_samples.h"
#include "tests/support/store_backends.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTextDocument>

namespace {

FakePlatform& fake() {
    return FakePlatform::Installed();
}

QPushButton* visibleButton(const QWidget& screen, const QString& name) {
    auto* button = Find<QPushButton>(&screen, name);
    return button->isVisible() ? button : nullptr;
}

// One practice on each step's therapy screen, as a patient does it.
void practiseShapeCounting() {
    auto& t = Loaded<frmFG1t>();
    Click(t.cmdStart);
    Click(t.cmdNextSet);
    QTest::keyClicks(t.txtAns, QString::number(t.CurrentSet().Count()));
    QTest::keyClick(t.txtAns, Qt::Key_Return);
    Click(t.cmdStart);
    Click(t.cmdScores);
}

void practisePatternDuplicator() {
    auto& t = Loaded<frmVD8t>();
    Click(t.cmdStart);
    Click(t.cmdNextSet);
    Click(t.cmdChkAnsw); // nothing copied: a wrong answer
    Click(t.cmdStart);
    Click(t.cmdScores);
}

// Answered right, then the practice time of one minute runs out at Next Set.
void practiseColorGridsUntilTimeIsUp(double openedAt) {
    auto& t = Loaded<frmVD1t>();
    Click(t.cmdStart);
    Click(t.cmdNextSet);
    Click(t.cmdAns[std::size_t(t.CurrentSet().oddGrid - 1)]);
    fake().Now = openedAt + 60;
    Click(t.cmdNextSet);
}

class ProgramRunTest : public KovaTest, public ::testing::WithParamInterface<Backend> {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        QString target;
        FreshStore(GetParam(), &target);
        if (target.isEmpty()) {
            return;
        }
        PracticeHistory::UseTarget(target);
        ASSERT_NE(PracticeHistory::Store(), nullptr);
        StartMainMenu();
        program.patient = Patient;
        program.name = "Three a day";
        program.days = TherapyProgram::EveryDay;
        program.sessionsPerWeek = 3;
        program.current = true;
        program.steps = {
            StepOf("Shape Counting", {{"cboPracTime", "7"}}),
            StepOf("Pattern Duplicator", {{"cboPracTime", "4"}}),
            StepOf("Discriminating Color Grids", {{"cboPracTime", "1"}, {"cboGridSize", "5x5"}})};
    }

    ProgramStore programs() { return ProgramStore(*PracticeHistory::Store()); }

    void storeProgram() {
        const std::optional<qint64> id = programs().Save(program);
        ASSERT_TRUE(id.has_value()) << programs().LastError().toStdString();
        program.id = *id;
    }

    // The patient's name entered on the main menu, as the therapist does.
    void enterPatientName() {
        fake().InputAnswers.enqueue(Patient);
        auto& menu = Loaded<frmMain>();
        menu.cmdTools_Click();
        Click(&menu, "cmdName");
    }

    void startTodaysProgram() {
        QPushButton* button = visibleButton(Loaded<frmMain>(), "cmdProgram");
        ASSERT_NE(button, nullptr) << "no Today's Program on the main menu";
        Click(button);
    }

    // The step's exercise is open on its therapy screen with the step's options.
    void expectStepOpen(int step, const QString& therapy) {
        ASSERT_TRUE(IsShown(therapy)) << therapy.toStdString();
        const auto& therapyScreen = dynamic_cast<const TherapyScreen&>(*Forms::Find(therapy));
        EXPECT_EQ(ReadOptionValues(Forms::Get(therapyScreen.Names().options)),
                  program.steps[step].options);
        EXPECT_EQ(ProgramRun::Active()->CurrentStep(), step);
    }

    ScoresScreen& shownScores() {
        for (Form* form : Forms::ShownOrder()) {
            if (auto* scores = dynamic_cast<ScoresScreen*>(form); scores && scores->isVisible()) {
                return *scores;
            }
        }
        throw std::runtime_error("no scores screen shown");
    }

    void nextExercise() {
        QPushButton* next = visibleButton(shownScores(), "cmdNextExercise");
        ASSERT_NE(next, nullptr) << "no Next Exercise on the scores screen";
        Click(next);
    }

    // The practices kept for the patient: their program and step, oldest first.
    QList<std::pair<qint64, int>> keptPlaces() {
        QSqlQuery query(PracticeHistory::Store()->Connection());
        query.prepare(
            "SELECT program_id, program_step FROM practice WHERE patient = ? ORDER BY id");
        query.addBindValue(Patient);
        EXPECT_TRUE(query.exec()) << query.lastError().text().toStdString();
        QList<std::pair<qint64, int>> places;
        while (query.next()) {
            places << std::pair{query.value(0).toLongLong(), query.value(1).toInt()};
        }
        return places;
    }

    QStringList summaryScores() {
        const ReportTable& steps = Loaded<frmProgramSummary>().Summary().steps;
        QStringList scores;
        for (const QStringList& row : steps.rows) {
            scores << row.value(2);
        }
        return scores;
    }

    static inline const QString Patient = "Ann \"A\" O'Neil";
    TherapyProgram program;
};

TEST_P(ProgramRunTest, ThreeStepsRunThroughTheRealScreensAndTheSummaryListsTheirScores) {
    storeProgram();
    auto& menu = Loaded<frmMain>();
    EXPECT_EQ(visibleButton(menu, "cmdProgram"), nullptr) << "no patient named yet";
    enterPatientName();
    startTodaysProgram();

    expectStepOpen(0, frmFG1t::Name);
    practiseShapeCounting();
    nextExercise();
    EXPECT_FALSE(IsLoaded(frmFG1t::Name));

    expectStepOpen(1, frmVD8t::Name);
    practisePatternDuplicator();
    nextExercise();

    expectStepOpen(2, frmVD1t::Name);
    practiseColorGridsUntilTimeIsUp(fake().Now);
    ASSERT_TRUE(IsShown("frmVD1s")) << "the practice time ran out";
    nextExercise();

    EXPECT_EQ(ProgramRun::Active(), nullptr);
    EXPECT_FALSE(IsLoaded("frmVD1o"));
    ASSERT_TRUE(IsShown(frmProgramSummary::Name));
    EXPECT_EQ(summaryScores(),
              QStringList({"Percent Correct 100%", "Percent Correct 0%", "Percent Correct 100%"}));
    EXPECT_EQ(Loaded<frmProgramSummary>().Summary().steps.rows.value(1).mid(0, 2),
              (QStringList{"2", "Pattern Duplicator"}));
    const auto* grid = Find<QTableWidget>(&Loaded<frmProgramSummary>(), "grdSteps");
    EXPECT_EQ(grid->item(2, 2)->text(), "Percent Correct 100%");

    EXPECT_EQ(keptPlaces(),
              (QList<std::pair<qint64, int>>{{program.id, 0}, {program.id, 1}, {program.id, 2}}));
    EXPECT_EQ(programs().StepsDoneOn(program.id, fake().Today), (QSet<int>{0, 1, 2}));
    EXPECT_TRUE(fake().Messages.isEmpty());

    // The summary is saved as a PDF as the scores report is.
    const QString pdf = QDir(TestFolder()).filePath("summary.pdf");
    fake().SaveFileAnswers.enqueue(pdf);
    Click(&Loaded<frmProgramSummary>(), "cmdSavePdf");
    EXPECT_TRUE(QFile(pdf).size() > 0);
    const std::unique_ptr<QTextDocument> printed =
        ProgramSummaryDocument(Loaded<frmProgramSummary>().Summary(), QDateTime());
    EXPECT_TRUE(printed->toPlainText().contains("Percent Correct 100%"));
}

TEST_P(ProgramRunTest, LeftAtStepTwoItGoesOnThereTheSameDayAndFromTheStartTheNextDay) {
    program.steps.insert(1, ProgramStep{"Juggling", {}}); // not in this build
    storeProgram();
    enterPatientName();
    startTodaysProgram();
    practiseShapeCounting();
    nextExercise();
    expectStepOpen(2, frmVD8t::Name);
    // Left half-way: the therapy screen's Options, then the options' Main Menu.
    Click(Loaded<frmVD8t>().cmdOptions);
    Click(Forms::Find("frmVD8o"), "cmdToMain");
    EXPECT_EQ(ProgramRun::Active(), nullptr);
    EXPECT_FALSE(IsLoaded(frmProgramSummary::Name));
    EXPECT_EQ(programs().StepsDoneOn(program.id, fake().Today), QSet<int>{0})
        << "nothing is done that was not practised";

    fake().Now += 600;
    startTodaysProgram();
    expectStepOpen(2, frmVD8t::Name);
    practisePatternDuplicator();
    // Closed with its title-bar button at the scores screen: the practice is kept.
    Forms::Unload(shownScores());
    Forms::Unload("frmVD8o");
    EXPECT_EQ(ProgramRun::Active(), nullptr);
    startTodaysProgram();
    expectStepOpen(3, frmVD1t::Name);
    practiseColorGridsUntilTimeIsUp(fake().Now);
    nextExercise();
    // The first taken from the history; the step of an exercise this build lacks not run.
    EXPECT_EQ(summaryScores(), QStringList({"Percent Correct 100%", "not available",
                                            "Percent Correct 0%", "Percent Correct 100%"}));
    Click(&Loaded<frmProgramSummary>(), "cmdClose");

    // The next day the program starts again from its first step.
    fake().Today = fake().Today.addDays(1);
    startTodaysProgram();
    expectStepOpen(0, frmFG1t::Name);
}

TEST_P(ProgramRunTest, APracticeOutsideTheProgramHasNoNextExerciseAndNoPlace) {
    storeProgram();
    enterPatientName();
    Click(&OpenFromMenu("cmdMNBD"), "cmdStart");
    practiseShapeCounting();
    EXPECT_EQ(visibleButton(shownScores(), "cmdNextExercise"), nullptr);
    EXPECT_EQ(keptPlaces(), (QList<std::pair<qint64, int>>{{0, 0}}));
}

// Three weeks from Monday 16 November 2026: days with every step, days
// with two of the three, practices outside the program, a step done twice.
TEST_P(ProgramRunTest, ThreeWeeksOfPracticesGiveTheSessionsPlannedAndDone) {
    storeProgram();
    PracticeStore& history = *PracticeHistory::Store();
    const QDate firstMonday(2026, 11, 16);
    struct Day {
        int offset;
        QList<int> steps;
    } const days[] = {
        {0, {0, 1, 2}},  {2, {2, 1, 0, 0}}, {4, {0, 1}}, // week 1: 2 done
        {7, {0, 2}},     {8, {1}},                       // week 2: none (split days)
        {14, {0, 1, 2}}, {15, {0, 1, 2}},   {16, {0, 1, 2}}, {20, {0, 1, 2}}, // week 3: 4
    };
    for (const Day& day : days) {
        for (int step : day.steps) {
            const QDateTime at(firstMonday.addDays(day.offset), QTime(10, 0));
            ASSERT_TRUE(history.Record(SamplePractice(Patient, "Flipper", at, 3, 4, 1.0),
                                       ProgramPlace{program.id, step}));
        }
    }
    ASSERT_TRUE(history.Record(SamplePractice(
        Patient, "Flipper", QDateTime(firstMonday.addDays(9), QTime(9, 0)), 1, 2, 1.0)));

    const QDate today = firstMonday.addDays(20); // Sunday of the third week
    ProgramStore store = programs();
    EXPECT_EQ(RecentAdherence(store, program, today, 3),
              (QList<AdherenceWeek>{{firstMonday, 3, 2},
                                    {firstMonday.addDays(7), 3, 0},
                                    {firstMonday.addDays(14), 3, 4}}));
    // Without sessions per week, the days it is meant for are planned.
    TherapyProgram twoDays = program;
    twoDays.sessionsPerWeek = 0;
    twoDays.days = TherapyProgram::DayBit(Qt::Monday) | TherapyProgram::DayBit(Qt::Friday);
    EXPECT_EQ(RecentAdherence(store, twoDays, today, 1).value(0),
              (AdherenceWeek{firstMonday.addDays(14), 2, 4}));

    // The History window and the printed report show the last weeks.
    fake().Today = today;
    frmHistory& window = frmHistory::OpenOver(frmMain::Name, Patient);
    const auto* grid = Find<QTableWidget>(&window, "grdAdherence");
    ASSERT_EQ(grid->rowCount(), ReportedAdherenceWeeks);
    EXPECT_EQ(grid->item(7, 0)->text(), "2026-11-30");
    EXPECT_EQ(grid->item(7, 2)->text(), "4");
    EXPECT_EQ(grid->item(5, 2)->text(), "2");
    EXPECT_EQ(grid->item(0, 1)->text(), "3");
    const QList<ReportTable> tables = ProgramTablesFor(Patient);
    ASSERT_EQ(tables.size(), 1);
    EXPECT_EQ(tables[0].rows.size(), ReportedAdherenceWeeks);
    PracticeReport report =
        SamplePractice(Patient, "Flipper", QDateTime(today, QTime(9, 0)), 1, 2, 1.0);
    report.tables = tables;
    const QString printed = ReportDocument(report, QDateTime(today, QTime(12, 0)))->toPlainText();
    EXPECT_TRUE(printed.contains("Sessions Planned and Done")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("2026-11-30")) << printed.toStdString();
    EXPECT_TRUE(ProgramTablesFor("Nobody").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Backends, ProgramRunTest, BothBackends, BackendTestName);

class TodaysProgramButtonTest : public KovaTest {};

TEST_F(TodaysProgramButtonTest, TheTopRowClosesUpAroundItAndFitsAt800By600) {
    RegisterExercises();
    auto& menu = StartMainMenu();
    const QStringList row = {"cmdTRMenu", "cmdTools", "cmdProgram", "cmdHelp", "cmdExit2"};
    const QRect designedHelp = Find<QWidget>(&menu, "cmdHelp")->geometry();
    TherapyProgram program;
    program.patient = "Ben";
    program.name = "Daily";
    program.current = true;
    program.steps = {StepOf("Shape Counting", {})};
    ASSERT_TRUE(ProgramStore(*PracticeHistory::Store()).Save(program).has_value());
    fake().InputAnswers.enqueue("Ben");
    menu.cmdName_Click();
    ASSERT_TRUE(Find<QWidget>(&menu, "cmdProgram")->isVisible());
    // The menu stretched to another screen keeps the row closed up.
    menu.resize(1024, 768);
    EXPECT_GT(Find<QWidget>(&menu, "cmdHelp")->x(),
              Find<QWidget>(&menu, "cmdProgram")->geometry().right());
    menu.resize(800, 600);
    const QRect title = Find<QWidget>(&menu, "lblTitle")->geometry();
    QRect last;
    for (const QString& name : row) {
        auto* button = Find<QPushButton>(&menu, name);
        const QRect at = button->geometry();
        EXPECT_GT(at.left(), last.right()) << name.toStdString();
        EXPECT_LT(at.right(), title.left()) << name.toStdString();
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, at.width())
            << name.toStdString();
        last = at;
    }
    EXPECT_EQ(Find<QPushButton>(&menu, "cmdProgram")->text(), "Today's Program");
    // A patient without a program: the row is as designed again.
    fake().InputAnswers.enqueue("Carl");
    menu.cmdName_Click();
    EXPECT_FALSE(Find<QWidget>(&menu, "cmdProgram")->isVisible());
    EXPECT_EQ(Find<QWidget>(&menu, "cmdHelp")->geometry(), designedHelp);
}

} // namespace
