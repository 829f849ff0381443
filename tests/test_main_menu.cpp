#include "clinic/history/practice_history.h"
#include "shell/app.h"
#include "shell/first_paint.h"
#include "shell/framework/options_screen.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"
#include "tests/support/menu_screens.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QWindow>

using namespace ModDODI;

class MainMenu : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
    }
    frmMain& start(QSize display = {800, 600}) {
        fake().Display = display;
        return StartMainMenu();
    }
    static bool open(frmMain& main, const char* frame) {
        return Find<QGroupBox>(&main, frame)->isVisible();
    }
};

TEST_F(MainMenu, WarnsWhenTheDisplayIsNotEightHundredBySixHundred) {
    fake().Settings.insert("ScreenSize", "Design"); // only design size needs the warning
    struct Case {
        QSize display;
        bool warned;
    } const cases[] = {
        {{1024, 768}, true}, {{800, 768}, true}, {{1024, 600}, true}, {{800, 600}, false}};
    for (const Case& c : cases) {
        frmMain& main = start(c.display);
        EXPECT_EQ(open(main, "frmDisplayMode"), c.warned) << c.display.width();
        EXPECT_EQ(main.size(), c.display);
        if (c.warned) {
            EXPECT_EQ(Find<QLabel>(&main, "lblDisplayMode")->text(), frmMain::DisplayWarningText());
            Click(&main, "cmdOK2");
            EXPECT_FALSE(open(main, "frmDisplayMode")) << "OK closes the warning";
        }
        Forms::UnloadAll();
        ProcessEvents();
    }
}

TEST_F(MainMenu, FramesOpenAndCloseAsDesigned) {
    frmMain& main = start({1024, 768});
    EXPECT_EQ(main.windowTitle(), "KOVA:  V1.00");
    EXPECT_FALSE(open(main, "frmMenu"));
    EXPECT_FALSE(open(main, "frmTools"));
    Click(&main, "cmdTRMenu");
    EXPECT_TRUE(open(main, "frmMenu"));
    EXPECT_FALSE(open(main, "frmDisplayMode")) << "Therapy closes the warning";
    Click(&main, "cmdTools");
    EXPECT_FALSE(open(main, "frmMenu"));
    EXPECT_TRUE(open(main, "frmTools"));
    ClickAt(&main, QPoint(main.width() - 5, main.height() - 5)); // the background
    EXPECT_FALSE(open(main, "frmTools"));
    Click(&main, "cmdTRMenu");
    ClickAt(Find<QGroupBox>(&main, "frmMenu"), QPoint(5, 40)); // inside the frame
    EXPECT_TRUE(open(main, "frmMenu"));
}

TEST_F(MainMenu, HelpClosesTheFramesAndOpensTheMainHelp) {
    frmMain& main = start({1024, 768});
    Click(&main, "cmdTRMenu");
    Click(&main, "cmdHelp");
    EXPECT_FALSE(open(main, "frmMenu"));
    EXPECT_FALSE(open(main, "frmDisplayMode"));
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_EQ(fake().HelpFiles[0], QDir::currentPath() + "\\KOVA_MainHelp.hlp");
}

TEST_F(MainMenu, PatientNameIsAskedWithTheCurrentNameAndCancelClearsIt) {
    frmMain& main = start();
    fake().InputAnswers.enqueue("Ann Smith");
    Click(&main, "cmdTools");
    Click(&main, "cmdName");
    EXPECT_EQ(PatientName, "Ann Smith");
    EXPECT_FALSE(open(main, "frmTools"));
    ASSERT_EQ(fake().Inputs.size(), 1);
    const auto& asked = fake().Inputs[0];
    EXPECT_EQ(asked.prompt, "Enter Patient or Student Name that will be used on Score "
                            "printouts (Or leave blank):");
    EXPECT_EQ(asked.title, "KOVA");
    EXPECT_EQ(asked.defaultText, "");

    fake().InputAnswers.enqueue(QString()); // Cancel
    Click(&main, "cmdTools");
    Click(&main, "cmdName");
    EXPECT_EQ(fake().Inputs[1].defaultText, "Ann Smith");
    EXPECT_EQ(PatientName, "");
    Click(&main, "cmdTools");
    Click(&main, "cmdName");
    EXPECT_EQ(fake().Inputs[2].defaultText, "");
}

// Every built exercise: closing its options screen with the title-bar button
// while the practice runs ends the whole exercise and gives the menu back, so
// no therapy screen runs on beside the next exercise. Screens that wait in a
// loop at Start (a start message) are closed from inside that loop.
TEST_F(MainMenu, ClosingAnOptionsScreenMidPracticeEndsTheExercise) {
    const QStringList buttons = MenuExerciseButtons();
    frmMain& main = start();
    int exercisesTried = 0;
    for (const QString& button : buttons) {
        const std::string exercise = button.toStdString();
        QPointer<OptionsScreen> options = &OpenFromMenu(button);
        const Triad names = options->Names();
        Click(ButtonCaptioned(*options, "Therapy"));
        Form* therapy = Forms::Find(names.therapy);
        ASSERT_NE(therapy, nullptr) << exercise;

        fake().OnDoEvents = [&options] {
            if (options != nullptr && !Forms::IsUnloading(*options)) {
                options->close();
            }
        };
        Click(therapy, "cmdStart");
        fake().OnDoEvents = nullptr;
        if (options != nullptr && !Forms::IsUnloading(*options)) {
            options->close();
        }
        ProcessEvents();

        for (const QString& name : {names.options, names.therapy, names.scores}) {
            EXPECT_FALSE(IsLoaded(name)) << exercise << " " << name.toStdString();
        }
        EXPECT_TRUE(main.isEnabled()) << exercise;
        EXPECT_TRUE(open(main, "frmMenu")) << exercise;
        EXPECT_EQ(Forms::Active(), &main) << exercise;
        ++exercisesTried;
    }
    EXPECT_GE(exercisesTried, 6) << "every landed exercise, Tracking from both its buttons";
}

// An exercise button opens the options over the menu. A window manager keeps
// a window above the one it is transient for: the exercise above the menu,
// the therapy screen above its greyed options.
TEST_F(MainMenu, AnExerciseOpensOverTheMenuAndItsWindowsSayWhichTheyStayAbove) {
    frmMain& main = start();
    Click(&main, "cmdTRMenu");
    Click(&main, "cmdFlipper");
    ASSERT_TRUE(IsShown("frmFlipperO"));
    Form& options = *Forms::Find("frmFlipperO");
    EXPECT_FALSE(open(main, "frmMenu")) << "the exercise button closes the menu";
    EXPECT_EQ(Forms::Active(), &options);
    ASSERT_NE(options.windowHandle(), nullptr);
    EXPECT_EQ(options.windowType(), Qt::Dialog); // the hint reaches X only for dialogs
    EXPECT_EQ(options.windowHandle()->transientParent(), main.windowHandle());
    Click(&options, "cmdStart");
    ASSERT_TRUE(IsLoaded("frmFlipperT"));
    Form& therapy = *Forms::Find("frmFlipperT");
    EXPECT_EQ(therapy.windowHandle()->transientParent(), options.windowHandle());
    Click(&therapy, "cmdScores");
    ASSERT_TRUE(IsLoaded("frmFlipperS"));
    Form& scores = *Forms::Find("frmFlipperS");
    EXPECT_EQ(scores.windowHandle()->transientParent(), main.windowHandle());
    EXPECT_EQ(main.windowType(), Qt::Window);
}

TEST_F(MainMenu, LogoKeepsItsProportionsOnAWideScreen) {
    frmMain& main = start({1920, 1080});
    const QRect logo = Find<ImageBox>(&main, "Image1")->PictureRect();
    EXPECT_EQ(logo.width(), logo.height());
}

TEST_F(MainMenu, ClosingTheMenuUnloadsEveryScreen) {
    frmMain& main = start();
    Click(&main, "cmdTRMenu");
    Click(&main, "cmdFlipper");
    main.close(); // the title-bar close button
    ProcessEvents();
    EXPECT_FALSE(IsLoaded("frmMain"));
    EXPECT_FALSE(IsLoaded("frmFlipperO"));
}

TEST_F(MainMenu, ScreenSizeIsChosenInTheToolsFrameAndKeptForTheNextRun) {
    frmMain& main = start({1920, 1080});
    EXPECT_FALSE(open(main, "frmDisplayMode")) << "screens that fill the display need no warning";
    Click(&main, "cmdTools");
    Click(&main, "cmdScreenSize");
    EXPECT_FALSE(open(main, "frmTools"));
    ASSERT_TRUE(open(main, "frmScreenSize"));
    auto* fill = Find<QRadioButton>(&main, "optFillScreen");
    auto* design = Find<QRadioButton>(&main, "optDesignSize");
    EXPECT_EQ(fill->text(), "Fill The Screen");
    EXPECT_EQ(design->text(), "Design Size (800 x 600)");
    EXPECT_TRUE(fill->isChecked()) << "the default on a display larger than 800 x 600";
    ClickAt(design, QPoint(8, design->height() / 2));
    EXPECT_EQ(fake().Settings.value("ScreenSize"), "Design");
    Click(&main, "cmdScreenSizeOK");
    EXPECT_FALSE(open(main, "frmScreenSize"));
    EXPECT_TRUE(open(main, "frmDisplayMode")) << "at design size the warning applies again";

    Click(&main, "cmdTRMenu");
    Click(&main, "cmdFlipper");
    EXPECT_EQ(Forms::Find("frmFlipperO")->UniformScaler(), nullptr);
    Forms::UnloadAll();
    ProcessEvents();

    frmMain& next = start({1920, 1080}); // the settings outlive the run
    EXPECT_TRUE(open(next, "frmDisplayMode"));
    Click(&next, "cmdTools");
    Click(&next, "cmdScreenSize");
    EXPECT_TRUE(Find<QRadioButton>(&next, "optDesignSize")->isChecked());
    auto* fillAgain = Find<QRadioButton>(&next, "optFillScreen");
    ClickAt(fillAgain, QPoint(8, fillAgain->height() / 2)); // on its round button
    EXPECT_EQ(fake().Settings.value("ScreenSize"), "Fill");
    Click(&next, "cmdScreenSizeOK");
    EXPECT_FALSE(open(next, "frmDisplayMode"));
    Click(&next, "cmdTRMenu");
    Click(&next, "cmdFlipper");
    const Form& options = *Forms::Find("frmFlipperO");
    EXPECT_EQ(options.size(), QSize(1920, 1080));
    const QSize designSize = options.DesignSize();
    EXPECT_DOUBLE_EQ(options.UniformFactor(),
                     std::min(1920.0 / designSize.width(), 1080.0 / designSize.height()));
}

TEST_F(MainMenu, ScreensOpenAtDesignSizeOnAnEightHundredBySixHundredDisplay) {
    frmMain& main = start({800, 600});
    Click(&main, "cmdTools");
    Click(&main, "cmdScreenSize");
    EXPECT_TRUE(Find<QRadioButton>(&main, "optDesignSize")->isChecked());
    Click(&main, "cmdScreenSizeOK");
    EXPECT_FALSE(open(main, "frmDisplayMode"));
}

TEST_F(MainMenu, TheHistoryWindowLaysItselfOutWhenScreensFillTheScreen) {
    frmMain& main = start({1920, 1080});
    Click(&main, "cmdTools");
    Click(&main, "cmdHistory");
    const Form* history = Forms::Find("frmHistory");
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->UniformScaler(), nullptr) << "its own layout places and sizes its parts";
    EXPECT_LT(history->width(), 1920);
}

// What the menu does not need waits until it is painted: the practice
// history is opened then, and one that cannot be used is told over the menu.
TEST_F(MainMenu, StartUpWorkWaitsUntilTheMenuIsPaintedAndRunsOnce) {
    // A folder that cannot be made: a file stands where it would be.
    const QString blocker = QDir(TestFolder()).filePath("menu_blocker");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    PracticeHistory::UseTarget(blocker + "/practice_history.sqlite");
    frmMain& menu = start();
    int runs = 0;
    bool menuShownThen = false;
    RunAfterFirstPaint(menu, [&] {
        ++runs;
        menuShownThen = menu.isVisible();
        PracticeHistory::Store();
    });
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(fake().Messages.isEmpty());
    menu.repaint();
    EXPECT_EQ(runs, 0); // from the event loop, not inside the paint
    ProcessEvents();
    menu.repaint();
    ProcessEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(menuShownThen);
    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_TRUE(fake().Messages[0].prompt.startsWith("The practice history cannot be opened"))
        << qPrintable(fake().Messages[0].prompt);
}
