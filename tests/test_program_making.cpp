// Making therapy programs: the Programs window from the Tools frame, a step's
// options chosen and checked on its exercise's own options screen, a
// finished practice added to the patient's program from its scores screen.
#include "clinic/history/practice_history.h"
#include "clinic/programs/frmPrograms.h"
#include "clinic/programs/program_store.h"
#include "shell/app.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/scores_screen.h"
#include "shell/main_menu.h"
#include "shell/menu_exercises.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"
#include "tests/support/menu_screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

namespace {

class ProgramsWindowTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        ModDODI::PatientName = "Ann";
    }
    frmPrograms& openFromMenu() {
        frmMain& menu = StartMainMenu();
        Click(&menu, "cmdTools");
        Click(&menu, "cmdPrograms");
        return Loaded<frmPrograms>();
    }
    static QList<TherapyProgram> kept(const QString& patient) {
        return ProgramStore(*PracticeHistory::Store()).Programs(patient);
    }
    static QStringList exercisesOf(const TherapyProgram& program) {
        QStringList exercises;
        for (const ProgramStep& step : program.steps) {
            exercises << step.exercise;
        }
        return exercises;
    }
    // A new program of that name for the chosen patient.
    void newProgram(frmPrograms& window, const QString& name) {
        fake().InputAnswers.enqueue(name);
        Click(&window, "cmdNewProgram");
    }
    // The chosen exercise's options screen opened for a new step.
    OptionsScreen& addStep(frmPrograms& window, const QString& exercise) {
        auto* box = Find<QComboBox>(&window, "cboExercise");
        box->setCurrentIndex(box->findText(exercise));
        Click(&window, "cmdAddStep");
        ProcessEvents();
        OptionsScreen* screen = window.StepScreen();
        if (screen == nullptr || !screen->isVisible()) {
            throw std::runtime_error("no step screen for " + exercise.toStdString());
        }
        return *screen;
    }
    static QPushButton* keepButton(const OptionsScreen& screen) {
        return ButtonCaptioned(screen, KeepForProgramCaption);
    }
};

TEST_F(ProgramsWindowTest, OpensFromTheToolsFrameAndKeepsEachChangeAtOnce) {
    frmPrograms& window = openFromMenu();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(Loaded<frmMain>().isEnabled());
    EXPECT_EQ(window.ChosenPatient(), "Ann");
    EXPECT_FALSE(Find<QPushButton>(&window, "cmdAddStep")->isEnabled()); // no program yet

    newProgram(window, "Home");
    ASSERT_EQ(kept("Ann").size(), 1);
    TherapyProgram home = kept("Ann").first();
    EXPECT_EQ(home.name, "Home");
    EXPECT_TRUE(home.current);                  // the patient's first program
    EXPECT_EQ(home.days, 0x1f);                 // Monday to Friday
    Click(Find<QCheckBox>(&window, "chkDay6")); // Saturday
    Click(Find<QCheckBox>(&window, "chkDay1")); // not Monday
    Find<QSpinBox>(&window, "spnSessions")->setValue(3);
    home = kept("Ann").first();
    EXPECT_EQ(home.days, 0x3e);
    EXPECT_EQ(home.sessionsPerWeek, 3);

    // A second program of the same name is refused; another becomes current when asked.
    newProgram(window, "Home");
    EXPECT_EQ(kept("Ann").size(), 1);
    EXPECT_TRUE(window.Status().contains("already has a program named \"Home\""));
    newProgram(window, "Clinic");
    ASSERT_EQ(kept("Ann").size(), 2);
    EXPECT_FALSE(kept("Ann")[1].current);
    ASSERT_TRUE(window.ChooseProgram("Clinic"));
    Click(&window, "cmdMakeCurrent");
    EXPECT_FALSE(kept("Ann")[0].current);
    EXPECT_TRUE(kept("Ann")[1].current);
    fake().InputAnswers.enqueue("Clinic, week 2");
    Click(&window, "cmdRenameProgram");
    EXPECT_EQ(kept("Ann")[1].name, "Clinic, week 2");

    fake().MsgBoxAnswers.enqueue(vbNo);
    Click(&window, "cmdDeleteProgram");
    EXPECT_EQ(kept("Ann").size(), 2);
    fake().MsgBoxAnswers.enqueue(vbYes);
    Click(&window, "cmdDeleteProgram");
    ASSERT_EQ(kept("Ann").size(), 1);
    EXPECT_EQ(kept("Ann")[0].name, "Home");

    Click(&window, "cmdClose");
    EXPECT_FALSE(IsLoaded(frmPrograms::Name));
    EXPECT_TRUE(Loaded<frmMain>().isEnabled());
}

TEST_F(ProgramsWindowTest, StepsAreAddedCopiedMovedAndRemoved) {
    frmPrograms& window = openFromMenu();
    newProgram(window, "Home");
    for (const char* exercise : {"Flipper", "Shape Counting", "Visual Sequencing"}) {
        Click(keepButton(addStep(window, exercise)));
        ProcessEvents();
    }
    EXPECT_EQ(exercisesOf(kept("Ann")[0]),
              (QStringList{"Flipper", "Shape Counting", "Visual Sequencing"}));
    EXPECT_EQ(window.ChosenStep(), 2); // the step just added

    window.ChooseStep(1);
    Click(&window, "cmdCopyStep");
    EXPECT_EQ(window.ChosenStep(), 2);
    Click(&window, "cmdStepUp");
    Click(&window, "cmdStepUp");
    EXPECT_EQ(window.ChosenStep(), 0);
    EXPECT_FALSE(Find<QPushButton>(&window, "cmdStepUp")->isEnabled());
    EXPECT_EQ(exercisesOf(kept("Ann")[0]),
              (QStringList{"Shape Counting", "Flipper", "Shape Counting", "Visual Sequencing"}));
    window.ChooseStep(3);
    EXPECT_FALSE(Find<QPushButton>(&window, "cmdStepDown")->isEnabled());
    window.ChooseStep(1);
    Click(&window, "cmdStepDown");
    fake().MsgBoxAnswers.enqueue(vbYes);
    Click(&window, "cmdRemoveStep"); // step 3, Flipper
    EXPECT_EQ(exercisesOf(kept("Ann")[0]),
              (QStringList{"Shape Counting", "Shape Counting", "Visual Sequencing"}));
    auto* grid = Find<QTableWidget>(&window, "grdSteps");
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(0, 2)->text(), "5 Mins");
}

TEST_F(ProgramsWindowTest, KeepForProgramStoresTheValuesShown) {
    frmPrograms& window = openFromMenu();
    newProgram(window, "Home");
    OptionsScreen& screen = addStep(window, "Tracking Sequences");
    EXPECT_FALSE(window.isEnabled()); // the window waits while a step's options are chosen
    EXPECT_TRUE(Find<QWidget>(&screen, "cboSeqLen")->isVisible()); // set up for its mode
    TypeInto(Find<QComboBox>(&screen, "cboPracTime"), "12.7");     // kept as the box shows it: 12
    Click(keepButton(screen));
    ProcessEvents();
    EXPECT_EQ(window.StepScreen(), nullptr);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_TRUE(fake().Messages.isEmpty());
    ASSERT_EQ(kept("Ann")[0].steps.size(), 1);
    const ProgramStep step = kept("Ann")[0].steps[0];
    EXPECT_EQ(step.exercise, "Tracking Sequences");
    EXPECT_EQ(step.PracticeMinutes(), 12);
    EXPECT_FALSE(IsLoaded("frmTrackO"));
    EXPECT_FALSE(Loaded<frmMain>().findChild<QWidget*>("frmMenu")->isVisible());

    // Opened again, the step's screen shows what was kept; a change is kept in its place.
    Click(&window, "cmdStepOptions");
    ProcessEvents();
    ASSERT_NE(window.StepScreen(), nullptr);
    EXPECT_EQ(Find<QComboBox>(window.StepScreen(), "cboPracTime")->currentText(), "12");
    TypeInto(Find<QComboBox>(window.StepScreen(), "cboPracTime"), "20");
    Click(keepButton(*window.StepScreen()));
    ProcessEvents();
    ASSERT_EQ(kept("Ann")[0].steps.size(), 1);
    EXPECT_EQ(kept("Ann")[0].steps[0].PracticeMinutes(), 20);

    // Left by its Main Menu button, the screen keeps nothing.
    Click(&window, "cmdStepOptions");
    ProcessEvents();
    TypeInto(Find<QComboBox>(window.StepScreen(), "cboPracTime"), "30");
    Click(window.StepScreen(), "cmdMain");
    ProcessEvents();
    EXPECT_EQ(kept("Ann")[0].steps[0].PracticeMinutes(), 20);
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(ProgramsWindowTest, KeepForProgramRefusesWhatTheScreenRefusesWithItsMessage) {
    const struct {
        const char* exercise;
        const char* box;
        const char* bad;
        const char* message;
    } cases[] = {
        {"Shape Counting", "cboPracTime", "0", "Practice Time must be between 1 and 60 minutes."},
        {"Character Searching", "cboFont", "99", "Font Size must be between 12 and 30."},
    };
    frmPrograms& window = openFromMenu();
    newProgram(window, "Home");
    for (const auto& c : cases) {
        fake().Messages.clear();
        OptionsScreen& screen = addStep(window, c.exercise);
        auto* box = Find<QComboBox>(&screen, c.box);
        const QString good = box->currentText();
        TypeInto(box, c.bad);
        Click(keepButton(screen));
        ProcessEvents();
        ASSERT_EQ(fake().Messages.size(), 1) << c.exercise;
        EXPECT_EQ(fake().Messages[0].prompt, c.message);
        EXPECT_EQ(fake().Messages[0].title, "Information");
        EXPECT_EQ(window.StepScreen(), &screen); // still open, the box to be mended
        EXPECT_TRUE(kept("Ann")[0].steps.isEmpty());
        TypeInto(box, good);
        Click(keepButton(screen));
        ProcessEvents();
        ASSERT_EQ(kept("Ann")[0].steps.size(), 1) << c.exercise;
        EXPECT_EQ(ValueOf(kept("Ann")[0].steps[0].options, c.box), good);
        fake().MsgBoxAnswers.enqueue(vbYes);
        Click(&window, "cmdRemoveStep");
    }
}

TEST_F(ProgramsWindowTest, ClosingTheWindowClosesAStepScreenKeepingNothing) {
    frmPrograms& window = openFromMenu();
    newProgram(window, "Home");
    addStep(window, "Flipper");
    window.close();
    ProcessEvents();
    EXPECT_FALSE(IsLoaded(frmPrograms::Name));
    EXPECT_FALSE(IsLoaded("frmFlipperO"));
    EXPECT_TRUE(kept("Ann")[0].steps.isEmpty());
    EXPECT_TRUE(Loaded<frmMain>().isEnabled());
}

TEST_F(ProgramsWindowTest, ANameOfAnyLengthAndAnyCharactersIsKeptAsTyped) {
    const QString patient = "Zoë \"Z\" O'Neil;\t-- " + QString(500, QChar(0x4e2d));
    const QString name = QString::fromUtf8("Week \xF0\x9F\x98\x80 <b>1</b> & ") + QString(300, 'x');
    ModDODI::PatientName = patient;
    frmPrograms& window = openFromMenu();
    EXPECT_EQ(window.ChosenPatient(), patient);
    newProgram(window, name);
    ASSERT_EQ(kept(patient).size(), 1);
    EXPECT_EQ(kept(patient)[0].name, name);
    EXPECT_EQ(window.ChosenProgram()->name, name);
}

TEST_F(ProgramsWindowTest, AFinishedPracticeIsAddedToTheCurrentProgramWithItsOptions) {
    ModDODI::PatientName = "Ben";
    Form& options = OpenFromMenu("cmdMNBD");
    TypeInto(Find<QComboBox>(&options, "cboPracTime"), "20");
    Click(&options, "cmdStart");
    Form& therapy = *Forms::Find("frmFG1t");
    Click(&therapy, "cmdStart");
    Click(&therapy, "cmdStart"); // Stop
    Click(&therapy, "cmdScores");
    ScoresScreen& scores = *qobject_cast<ScoresScreen*>(Forms::Find("frmFG1s"));
    ASSERT_TRUE(scores.isVisible());
    const OptionValues shown = ReadOptionValues(options);

    // Without a current program, one is made for the step.
    Click(&scores, "cmdAddToProgram");
    ASSERT_EQ(kept("Ben").size(), 1);
    EXPECT_EQ(kept("Ben")[0].name, "Program 1");
    EXPECT_TRUE(kept("Ben")[0].current);
    ASSERT_EQ(kept("Ben")[0].steps.size(), 1);
    EXPECT_EQ(kept("Ben")[0].steps[0], (ProgramStep{"Shape Counting", shown}));
    EXPECT_EQ(kept("Ben")[0].steps[0].PracticeMinutes(), 20);
    frmPrograms& window = Loaded<frmPrograms>();
    EXPECT_EQ(window.StaysAbove(), scores.objectName());
    EXPECT_EQ(window.ChosenStep(), 0);
    // Its own exercise's options cannot be opened for a step while its practice is open.
    Click(&window, "cmdStepOptions");
    EXPECT_EQ(window.StepScreen(), nullptr);
    EXPECT_TRUE(window.Status().contains("close it first"));
    Click(&window, "cmdClose");

    Click(&scores, "cmdAddToProgram");
    ASSERT_EQ(kept("Ben").size(), 1);
    EXPECT_EQ(kept("Ben")[0].steps.size(), 2);
    // The window goes with the scores screen, closed with its title-bar button.
    scores.close();
    ProcessEvents();
    EXPECT_FALSE(IsLoaded(frmPrograms::Name));
}

TEST_F(ProgramsWindowTest, AddToProgramWaitsForAPatientName) {
    ModDODI::PatientName = "";
    Form& options = OpenFromMenu("cmdMNBD");
    Click(&options, "cmdStart");
    Form& therapy = *Forms::Find("frmFG1t");
    Click(&therapy, "cmdScores");
    EXPECT_FALSE(Find<QPushButton>(Forms::Find("frmFG1s"), "cmdAddToProgram")->isEnabled());
}

} // namespace
