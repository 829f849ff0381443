// A window closed, or KOVA ended from its main menu, while one of the window's
// boxes or dialogs is open: when the box returns, the handler that opened it
// leaves without reading the closed window or doing what the box asked about.
// Run under the sanitizer (or valgrind) a handler that goes on is a use after
// free; the checks below also catch most of them in a plain build.
#include "clinic/history/frmHistory.h"
#include "clinic/history/practice_history.h"
#include "clinic/history/practice_store.h"
#include "clinic/programs/frmPrograms.h"
#include "clinic/programs/program_file.h"
#include "clinic/programs/program_store.h"
#include "shell/app.h"
#include "shell/forms_apart.h"
#include "shell/framework/option_values.h"
#include "shell/main_menu.h"
#include "shell/menu_exercises.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"
#include "tests/support/practice_samples.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScrollBar>
#include <QSqlQuery>
#include <functional>
#include <memory>
#include <ostream>

namespace {

const QDateTime Monday(QDate(2026, 3, 2), QTime(9, 30, 0));

// What the platform was asked for: a handler that goes on after its box
// mostly asks for more (a random draw, a wait, another box).
struct PlatformActivity {
    qsizetype messages, inputs, sleeps, sounds, saves, helps;
    int randomizes, prints;
    bool operator==(const PlatformActivity&) const = default;
};

PlatformActivity activityOf(const FakePlatform& fake) {
    return {fake.Messages.size(),
            fake.Inputs.size(),
            fake.Sleeps.size(),
            fake.Sounds.size(),
            fake.ProposedSavePaths.size(),
            fake.HelpFiles.size(),
            fake.RandomizeCalls,
            fake.PrintDialogs};
}

QString testFile(const QString& name) {
    return QDir(TestFolder()).filePath(name);
}

// A file the handler is offered to write: none there yet.
QString offeredFile(const QString& name) {
    QFile::remove(testFile(name));
    return testFile(name);
}

// Makes the history refuse every new row of a table, as a full disk would.
void refuseWrites(const QString& table) {
    QSqlQuery refuse(PracticeHistory::Store()->Connection());
    ASSERT_TRUE(refuse.exec(QString("CREATE TRIGGER refuse_%1 BEFORE INSERT ON %1 "
                                    "BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                                .arg(table)));
}

// The options a step of the exercise has when nothing was changed on its screen.
ProgramStep defaultStep(const QString& exercise) {
    ChooseMenuExerciseMode(exercise);
    const std::unique_ptr<Form> screen = Forms::MakeApart(MenuExerciseForm(exercise));
    return {exercise, ReadOptionValues(*screen)};
}

TherapyProgram annsProgram() {
    TherapyProgram program;
    program.patient = "Ann";
    program.name = "Home";
    program.steps = {defaultStep("Flipper"), defaultStep("Flip Forms")};
    program.days = TherapyProgram::EveryDay;
    program.sessionsPerWeek = 5;
    program.current = true;
    return program;
}

QList<TherapyProgram> programsOf(const QString& patient) {
    return ProgramStore(*PracticeHistory::Store()).Programs(patient);
}

int practicesOf(const QString& patient) {
    return int(PracticeHistory::Store()->Practices(patient).size());
}

enum class Closed { Window, MainMenu };

struct Row;
void PrintTo(const Row& row, std::ostream* out);

struct Row {
    const char* name;
    // Opens the screen from the main menu as a user does and readies what
    // the box asks about; returns the button whose click opens the box.
    std::function<QWidget*(frmMain& menu)> open;
    int box;       // the box of that click during which the window is closed (1 = the first)
    Closed closed; // the window that opened the box, or the main menu (ending KOVA)
    // What the handler would have done had it gone on after the box.
    std::function<void()> notDone;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

QWidget* programsButton(frmMain& menu, const char* button) {
    Click(&menu, "cmdTools");
    Click(&menu, "cmdPrograms");
    frmPrograms& window = Loaded<frmPrograms>();
    if (window.ChooseProgram("Home")) {
        window.ShowProgram(programsOf("Ann").first().id, 1);
    }
    return Find<QWidget>(&window, button);
}

QWidget* historyButton(frmMain& menu, const char* button) {
    Click(&menu, "cmdTools");
    Click(&menu, "cmdHistory");
    frmHistory& window = Loaded<frmHistory>();
    EXPECT_TRUE(window.ChoosePatient("Ann"));
    return Find<QWidget>(&window, button);
}

// A picture exercise's therapy screen, started at picture 200 in order, so
// that its first Next Set passes the last picture and tells so in a box.
QWidget* nearTheLastPicture(frmMain& menu, const char* exercise) {
    Click(&menu, "cmdTRMenu");
    Click(&menu, exercise);
    Form* options = Forms::Active();
    Find<QScrollBar>(options, "HScroll1")->setValue(200);
    Click(options, "cmdStart");
    Form* therapy = Forms::Active();
    Click(therapy, "cmdStart");
    return Find<QWidget>(therapy, "cmdNextSet");
}

const Row rows[] = {
    {"MainMenuPatientName",
     [](frmMain& menu) {
         Click(&menu, "cmdTools");
         return Find<QWidget>(&menu, "cmdName");
     },
     1, Closed::MainMenu, nullptr},
    {"FlipperLastPictureNotice",
     [](frmMain& menu) { return nearTheLastPicture(menu, "cmdFlipper"); }, 1, Closed::Window,
     nullptr},
    {"FlipFormsLastPictureNotice",
     [](frmMain& menu) { return nearTheLastPicture(menu, "cmdFlipForm"); }, 1, Closed::MainMenu,
     nullptr},
    {"ScoresScreenPracticeNotKept",
     [](frmMain& menu) {
         QWidget* next = nearTheLastPicture(menu, "cmdFlipper");
         QWidget* therapy = next->window();
         Click(next); // the notice answered
         Click(therapy, "cmdAnswer0");
         Click(therapy, "cmdStart"); // Stop
         refuseWrites("practice");
         return Find<QWidget>(therapy, "cmdScores");
     },
     1, Closed::MainMenu, nullptr},
    {"ProgramsAddPatientName",
     [](frmMain& menu) {
         FakePlatform::Installed().InputAnswers.enqueue("Cleo");
         return programsButton(menu, "cmdAddPatient");
     },
     1, Closed::MainMenu, nullptr},
    {"ProgramsNotKept",
     [](frmMain& menu) {
         refuseWrites("program");
         FakePlatform::Installed().InputAnswers.enqueue("Clinic");
         return programsButton(menu, "cmdNewProgram");
     },
     2, Closed::Window, nullptr},
    {"ProgramsDeleteProgramQuestion",
     [](frmMain& menu) {
         FakePlatform::Installed().MsgBoxAnswers.enqueue(vbYes);
         return programsButton(menu, "cmdDeleteProgram");
     },
     1, Closed::Window, [] { EXPECT_EQ(programsOf("Ann").size(), 1); }},
    {"ProgramsRemoveStepQuestion",
     [](frmMain& menu) {
         FakePlatform::Installed().MsgBoxAnswers.enqueue(vbYes);
         return programsButton(menu, "cmdRemoveStep");
     },
     1, Closed::MainMenu, [] { EXPECT_EQ(programsOf("Ann").first().steps.size(), 2); }},
    {"ProgramsExportProgramDialog",
     [](frmMain& menu) {
         FakePlatform::Installed().SaveFileAnswers.enqueue(offeredFile("home.json"));
         return programsButton(menu, "cmdExportProgram");
     },
     1, Closed::Window, [] { EXPECT_FALSE(QFile::exists(testFile("home.json"))); }},
    {"ProgramsImportProgramDialog",
     [](frmMain& menu) {
         TherapyProgram imported = annsProgram();
         imported.name = "Imported";
         QFile file(offeredFile("imported.json"));
         EXPECT_TRUE(file.open(QIODevice::WriteOnly));
         file.write(ProgramFileText(imported));
         FakePlatform::Installed().OpenFileAnswers.enqueue(file.fileName());
         return programsButton(menu, "cmdImportProgram");
     },
     1, Closed::MainMenu, [] { EXPECT_EQ(programsOf("Ann").size(), 1); }},
    {"ProgramsExportPracticesDate",
     [](frmMain& menu) { return programsButton(menu, "cmdExportPractices"); }, 1, Closed::MainMenu,
     nullptr},
    {"ProgramsExportPracticesDialog",
     [](frmMain& menu) {
         FakePlatform::Installed().SaveFileAnswers.enqueue(offeredFile("practices.json"));
         return programsButton(menu, "cmdExportPractices");
     },
     2, Closed::Window, [] { EXPECT_FALSE(QFile::exists(testFile("practices.json"))); }},
    {"HistoryDeletePracticeQuestion",
     [](frmMain& menu) {
         FakePlatform::Installed().MsgBoxAnswers.enqueue(vbYes);
         return historyButton(menu, "cmdDeletePractice");
     },
     1, Closed::Window, [] { EXPECT_EQ(practicesOf("Ann"), 3); }},
    {"HistoryDeletePatientQuestion",
     [](frmMain& menu) {
         FakePlatform::Installed().MsgBoxAnswers.enqueue(vbYes);
         return historyButton(menu, "cmdDeletePatient");
     },
     1, Closed::MainMenu, [] { EXPECT_EQ(practicesOf("Ann"), 3); }},
    {"HistoryExportDialog",
     [](frmMain& menu) {
         FakePlatform::Installed().SaveFileAnswers.enqueue(offeredFile("ann.csv"));
         return historyButton(menu, "cmdExport");
     },
     1, Closed::Window, [] { EXPECT_FALSE(QFile::exists(testFile("ann.csv"))); }},
};

class ClosedBehindBox : public KovaTest, public ::testing::WithParamInterface<Row> {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        ModDODI::PatientName = "Ann";
        for (const PracticeReport& r : SampleSessions("Ann", 3, Monday)) {
            ASSERT_TRUE(PracticeHistory::Record(r));
        }
        ASSERT_TRUE(ProgramStore(*PracticeHistory::Store()).Save(annsProgram()).has_value());
    }

    // Closes `closed` at the nth box from now, then notes what the platform
    // was asked for until then.
    void closeAtBox(int nth, QPointer<QWidget> closed) {
        fake().OnBox = [this, nth, closed] {
            if (nth > 1) {
                closeAtBox(nth - 1, closed);
                return;
            }
            ASSERT_NE(closed, nullptr);
            closed->close();
            atBox_ = activityOf(fake());
        };
    }

    std::optional<PlatformActivity> atBox_;
};

TEST_P(ClosedBehindBox, TheHandlerLeavesWithoutReadingTheClosedWindow) {
    const Row& row = GetParam();
    frmMain& menu = StartMainMenu();
    QWidget* button = row.open(menu);
    const QPointer<QWidget> window = button->window();
    const QPointer<QWidget> closed = row.closed == Closed::Window ? window.data() : &menu;
    closeAtBox(row.box, closed);

    Click(button);

    ASSERT_TRUE(atBox_.has_value()) << "the box did not open";
    EXPECT_TRUE(closed.isNull()) << "closed while the box was open";
    EXPECT_TRUE(window.isNull()) << "the window of the box is gone";
    EXPECT_TRUE(activityOf(fake()) == *atBox_) << "the platform was asked for more after the box";
    if (row.notDone) {
        row.notDone();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBox, ClosedBehindBox, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
