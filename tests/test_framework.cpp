// A small test-only exercise proves the hand-over between the three screens.
#include "shell/framework/options_screen.h"
#include "shell/framework/scores_screen.h"
#include "shell/framework/therapy_screen.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"

#include <QDir>
#include <QWindow>
#include <functional>

using namespace ModDODI;

namespace {

struct PracticeScores {
    Counter16 Correct;
    Counter16 Tried;
    Single TotalTime = 0;
};

const Triad practiceTriad{"frmPracticeO", "frmPracticeT", "frmPracticeS", "Practice.hlp"};

class frmPracticeO : public OptionsScreen {
public:
    static constexpr const char* Name = "frmPracticeO";
    frmPracticeO() : OptionsScreen(Name, practiceTriad) {
        AddPracticeTimeRow(1080, 2400, 600);
        AddButtonRow(
            ButtonRow(1200, {120, 2160, 3720}).Widths({1935, 1455, 1935}).MenuName("cmdMenu"));
    }
    void Form_Activate() override { ++activations; }
    int activations = 0;
};

class frmPracticeT : public PictureTherapyScreen {
public:
    static constexpr const char* Name = "frmPracticeT";
    frmPracticeT() : PictureTherapyScreen(Name, practiceTriad) {
        cmdStart->move(0, 0);
        cmdScores->move(100, 0);
        cmdOptions->move(200, 0);
        cmdNextSet->move(300, 0);
        lblPerFinished = AddPerFinishedCounter();
        PlaceCounters(0, 600, 6000, 495);
    }
    void cmdNextSet_Click() override {
        QuestionShownAt = platform().Timer();
        ++Scores<PracticeScores>().Tried;
    }
    void Answer(bool right, double afterSeconds) {
        FakePlatform::Installed().Now += afterSeconds;
        auto& s = Scores<PracticeScores>();
        if (right) {
            ++s.Correct;
        }
        const Single time = TakeResponseTime();
        s.TotalTime += time;
        ShowCounters(s.Correct, s.Tried - s.Correct, s.Tried, time);
    }
    void TakeStartingSettings() override { settingsTaken++; }
    void ClearStimulus() override { cleared++; }
    // A loop that lets events run, as the loop-driven exercises do.
    bool LoopUntilStopped() {
        return RunEventLoop([this] { return WaitFor([] { return false; }); });
    }
    VbLabel* lblPerFinished;
    int settingsTaken = 0;
    int cleared = 0;
};

class frmPracticeS : public ScoresScreen {
public:
    static constexpr const char* Name = "frmPracticeS";
    frmPracticeS()
        : ScoresScreen(Name, practiceTriad, "Practice Scores",
                       {{"Label2", "", ""},
                        {"Label1", "Total Correct", "lblCorrect"},
                        {"Label6", "Percent Correct", "lblPerCor"},
                        {"Label10", "Correct / Total Displayed + Repeats", "lblPerRepeat"},
                        {"Label7", "Ave Response Time", "lblAveTime"},
                        {"Label5", "Practice Time   ", "lblPracTime"}}) {}

protected:
    void FillLines() override {
        Caption("Label2")->setText("  Increasing Sequence Lengths  ");
        Caption("Label7")->setText("Ave Response Time  ");
        const auto& s = Scores<PracticeScores>();
        SetValue("lblCorrect", s.Correct);
        SetValue("lblPerCor", PercentText(s.Correct, s.Tried));
        SetValue("lblAveTime", AverageText(s.TotalTime, s.Tried));
    }
};

} // namespace

class Framework : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        Forms::Register(frmPracticeO::Name, [] { return new frmPracticeO; });
        Forms::Register(frmPracticeT::Name, [] { return new frmPracticeT; });
        Forms::Register(frmPracticeS::Name, [] { return new frmPracticeS; });
        main_ = &Forms::Get<frmMain>();
        Forms::Show(*main_);
        Forms::Show("frmPracticeO");
    }
    frmPracticeO& options() { return Loaded<frmPracticeO>(); }
    frmPracticeT& therapy() { return Loaded<frmPracticeT>(); }
    frmPracticeS& scores() { return Loaded<frmPracticeS>(); }
    frmPracticeT& openTherapy() {
        Click(&options(), "cmdStart");
        return therapy();
    }
    void playOneAnswer() {
        Click(therapy().cmdStart);
        Click(therapy().cmdNextSet);
        therapy().Answer(true, 1.5);
        Click(therapy().cmdStart);
    }
    // Scores opened, then left by the button of that name, or closed.
    void fromScores(const QString& button) {
        Click(therapy().cmdScores);
        button.isEmpty() ? void(scores().close()) : Click(&scores(), button);
    }
    bool menuOpen() { return Find<QWidget>(main_, "frmMenu")->isVisible(); }
    frmMain* main_ = nullptr;
};

TEST_F(Framework, TherapyOpensOverTheOptionsAndStartsAFreshPracticePeriod) {
    Scores<PracticeScores>().Correct = 4;
    fake().Now = 5000;
    frmPracticeT& screen = openTherapy();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(options().isVisible());
    EXPECT_EQ(Forms::Active(), &screen);
    EXPECT_EQ(int(Scores<PracticeScores>().Correct), 0);
    EXPECT_EQ(screen.settingsTaken, 1);
    EXPECT_EQ(PracticeStart, 5000.0f);
    EXPECT_EQ(ReadyToStart, VbTrue);
    EXPECT_EQ(screen.windowTitle(), "KOVA.....Practice Time = 0  Mins  &  0 Secs");
    EXPECT_EQ(screen.cmdStart->text(), "Start ");
    EXPECT_EQ(screen.lblCor->text(), "C = 0");
    EXPECT_EQ(screen.lblPerFinished->text(), "0%");
    EXPECT_EQ(screen.lblPerFinished->parentWidget(), screen.Frame1);
    EXPECT_GT(screen.lblPerFinished->x(), screen.lblAveTime->x())
        << "a fifth counter, after the four";
}

TEST_F(Framework, ScreensUnderneathTakeNoClicksWhileTheTherapyIsUp) {
    EXPECT_FALSE(main_->isEnabled());
    openTherapy();
    EXPECT_FALSE(options().isEnabled());
    Click(&options(), "cmdMenu");
    EXPECT_TRUE(IsLoaded("frmPracticeO"));
    Click(therapy().cmdOptions);
    EXPECT_TRUE(options().isEnabled());
    Click(&options(), "cmdMenu");
    EXPECT_TRUE(main_->isEnabled());
}

TEST_F(Framework, ClosingTheOptionsWindowEndsTheWholeExercise) {
    for (bool onScores : {false, true}) {
        openTherapy();
        playOneAnswer();
        if (onScores) {
            Click(therapy().cmdScores);
        }
        options().windowHandle()->close(); // its title-bar button
        ProcessEvents();
        EXPECT_FALSE(IsLoaded("frmPracticeO"));
        EXPECT_FALSE(IsLoaded("frmPracticeT"));
        EXPECT_FALSE(IsLoaded("frmPracticeS"));
        EXPECT_EQ(int(Scores<PracticeScores>().Correct), 0);
        EXPECT_TRUE(main_->isEnabled());
        Forms::Show("frmPracticeO");
    }
}

TEST_F(Framework, StartAndStopToggleTheButtonsAndShowThePracticeTime) {
    frmPracticeT& screen = openTherapy();
    Click(screen.cmdStart);
    EXPECT_EQ(screen.cmdStart->text(), "Stop");
    EXPECT_FALSE(screen.cmdScores->isEnabled());
    EXPECT_FALSE(screen.cmdOptions->isEnabled());
    EXPECT_TRUE(screen.cmdNextSet->isEnabled());
    EXPECT_TRUE(screen.cmdNextSet->hasFocus());
    EXPECT_EQ(ReadyToStart, VbFalse);

    fake().Now += 187.5;
    Click(screen.cmdStart);
    EXPECT_EQ(screen.cmdStart->text(), "Start");
    EXPECT_TRUE(screen.cmdScores->isEnabled());
    EXPECT_TRUE(screen.cmdOptions->isEnabled());
    EXPECT_FALSE(screen.cmdNextSet->isEnabled());
    EXPECT_TRUE(screen.cmdStart->hasFocus());
    EXPECT_EQ(screen.windowTitle(), "KOVA.....Practice Time = 3 Mins  7 Secs");
    EXPECT_EQ(screen.cleared, 1);
    EXPECT_EQ(screen.lblCor->text(), "C = 0") << "no answer, counters untouched";
    EXPECT_EQ(ReadyToStart, VbTrue);
}

TEST_F(Framework, ScoresScreenHidesTheOthersAndShowsPercentAndAverage) {
    openTherapy();
    Click(therapy().cmdStart);
    for (bool right : {true, false, true}) {
        Click(therapy().cmdNextSet);
        therapy().Answer(right, 2.5);
    }
    Click(therapy().cmdStart);
    Click(therapy().cmdScores);
    EXPECT_TRUE(scores().isVisible());
    EXPECT_TRUE(IsLoaded("frmPracticeT"));
    EXPECT_FALSE(therapy().isVisible());
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(scores().Value("lblCorrect")->text(), "2");
    EXPECT_EQ(scores().Value("lblPerCor")->text(), "66%");
    EXPECT_EQ(scores().Value("lblAveTime")->text(), "2.5 Secs");
    EXPECT_EQ(scores().Value("lblPracTime")->text(), "0 Mins  7 Secs");
}

TEST_F(Framework, ScoresBeforeAnyAnswerLeavePercentAndAverageEmptyAndLineUp) {
    openTherapy();
    Click(therapy().cmdScores);
    frmPracticeS& screen = scores();
    EXPECT_EQ(screen.Value("lblCorrect")->text(), "0");
    EXPECT_EQ(screen.Value("lblPerCor")->text(), "");
    EXPECT_EQ(screen.Value("lblAveTime")->text(), "");
    EXPECT_EQ(screen.Value("lblPracTime")->text(), "0 Mins  0 Secs");
    const QList<QString> captions = {"Label1", "Label6", "Label10", "Label7", "Label5"};
    const QRect column = screen.Caption("Label1")->geometry();
    for (const QString& name : captions) {
        const VbLabel* caption = screen.Caption(name);
        const std::string label = caption->text().toStdString();
        EXPECT_FALSE(caption->text().endsWith(' ')) << label << ": trailing blanks shift it left";
        EXPECT_EQ(caption->geometry().left(), column.left()) << label;
        EXPECT_EQ(caption->width(), column.width()) << label;
        EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()),
                  caption->contentsRect().width())
            << label;
    }
    EXPECT_EQ(screen.Caption("Label5")->text(), "Practice Time");
    EXPECT_EQ(screen.Caption("Label7")->text(), "Ave Response Time")
        << "also when set on activation";
    EXPECT_GT(screen.Value("lblPracTime")->x(), column.right()) << "values beside the captions";
    EXPECT_LE(screen.Value("lblPracTime")->geometry().right(), screen.width());

    // The mode line: a caption alone, across the lines, above them.
    const VbLabel* mode = screen.Caption("Label2");
    EXPECT_EQ(mode->text(), "  Increasing Sequence Lengths  ");
    EXPECT_EQ(screen.Value(""), nullptr);
    EXPECT_EQ(mode->geometry().left(), column.left());
    EXPECT_GT(mode->width(), column.width());
    EXPECT_LT(mode->y(), column.y());
    EXPECT_TRUE(mode->alignment() & Qt::AlignHCenter);
    screen.SetLineVisible("Label2", false);
    screen.StackVisibleLines();
    EXPECT_TRUE(mode->isHidden());
    EXPECT_EQ(screen.Caption("Label1")->y(), mode->y()) << "the next line moves up";
}

TEST_F(Framework, EveryWayOutOfTherapyOrScoresZeroesTheScores) {
    const struct {
        const char* way;
        std::function<void()> leave;
        bool toMenu = false;
    } ways[] = {
        {"therapy Options", [this] { Click(therapy().cmdOptions); }},
        {"therapy closed", [this] { therapy().close(); }},
        {"scores Options", [this] { fromScores("cmdOptions"); }},
        {"scores closed", [this] { fromScores({}); }},
        {"scores Main Menu", [this] { fromScores("cmdMainMenu"); }, true},
    };
    for (const auto& w : ways) {
        openTherapy();
        playOneAnswer();
        w.leave();
        ProcessEvents();
        EXPECT_EQ(int(Scores<PracticeScores>().Tried), 0) << w.way;
        EXPECT_FALSE(IsLoaded("frmPracticeT")) << w.way;
        EXPECT_FALSE(IsLoaded("frmPracticeS")) << w.way;
        EXPECT_EQ(IsLoaded("frmPracticeO"), !w.toMenu) << w.way;
        EXPECT_EQ(menuOpen(), w.toMenu) << w.way;
        EXPECT_EQ(Forms::Active(), w.toMenu ? static_cast<QWidget*>(main_) : &options()) << w.way;
        if (w.toMenu) {
            Forms::Show("frmPracticeO");
        }
    }
}

TEST_F(Framework, OptionsKeepTheirSettingsAcrossARun) {
    auto* combo = Find<ValidatingComboBox>(&options(), "cboPracTime");
    combo->SetText("25");
    openTherapy();
    playOneAnswer();
    Click(therapy().cmdScores);
    Click(&scores(), "cmdOptions");
    EXPECT_EQ(Find<ValidatingComboBox>(&options(), "cboPracTime")->Text(), "25");
    const int activationsBefore = options().activations;
    fake().Now += 60;
    const Single restart = Single(fake().Now);
    openTherapy();
    EXPECT_EQ(PracticeStart, restart);
    Click(therapy().cmdOptions);
    EXPECT_EQ(options().activations, activationsBefore + 1) << "options activated on return";
}

TEST_F(Framework, OptionsMainMenuAndHelp) {
    Click(&options(), "cmdHelp");
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_EQ(fake().HelpFiles[0], QDir::currentPath() + "\\Practice.hlp");
    EXPECT_EQ(ApiResult, 1);
    Click(&options(), "cmdMenu");
    ProcessEvents();
    EXPECT_FALSE(IsLoaded("frmPracticeO"));
    EXPECT_TRUE(menuOpen());
}

TEST_F(Framework, ClosingOrUnloadingAScreenInsideItsEventLoopEndsTheLoopSafely) {
    for (const bool unload : {false, true}) {
        frmPracticeT& screen = openTherapy();
        int calls = 0;
        fake().OnDoEvents = [&calls, &screen, unload] {
            if (++calls == 3) { // mid-loop: the title-bar close button, or an unload
                unload ? Forms::Unload("frmPracticeT") : void(screen.close());
            }
        };
        EXPECT_FALSE(screen.LoopUntilStopped()) << unload;
        fake().OnDoEvents = nullptr;
        ProcessEvents();
        EXPECT_FALSE(IsLoaded("frmPracticeT")) << unload;
        EXPECT_TRUE(options().isVisible()) << unload;
    }
}

// A tool window of the test's own, as the metronome is: no exercise framework,
// only what every form offers (the menu hold, the waits and loops).
namespace {

class frmBeats : public Form {
public:
    static constexpr const char* Name = "frmBeats";
    frmBeats() : Form(Name) {
        HoldWhileOpen("frmMain");
        cmdGo = new VbButton("cmdGo", "Go", this);
        connect(cmdGo, &QPushButton::clicked, this, [this] { go_ = true; });
    }
    bool WaitForGo() {
        go_ = false;
        return RunEventLoop([this] { return WaitFor([this] { return go_; }); });
    }
    VbButton* cmdGo;

private:
    bool go_ = false;
};

class ToolWindow : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        Forms::Register(frmBeats::Name, [] { return new frmBeats; });
        main_ = &Forms::Get<frmMain>();
        Forms::Show(*main_);
    }
    frmMain* main_ = nullptr;
};

} // namespace

TEST_F(ToolWindow, TheMainMenuTakesNoClicksWhileTheWindowIsOpen) {
    EXPECT_TRUE(main_->isEnabled());
    Forms::Show(frmBeats::Name);
    EXPECT_FALSE(main_->isEnabled());
    Forms::Hide(frmBeats::Name);
    EXPECT_FALSE(main_->isEnabled()) << "hidden is still open";
    Forms::Get<frmBeats>().close();
    EXPECT_TRUE(main_->isEnabled());
}

TEST_F(ToolWindow, WaitingForTheUserSleepsBetweenEvents) {
    auto& window = Forms::Get<frmBeats>();
    Forms::Show(window);
    int waits = 0;
    fake().OnDoEvents = [&waits, &window] {
        if (++waits == 3) {
            Click(window.cmdGo);
        }
    };
    EXPECT_TRUE(window.WaitForGo());
    fake().OnDoEvents = nullptr;
    EXPECT_EQ(fake().EventWaits, 3);
    EXPECT_EQ(fake().DoEventsCalls, 0) << "a wait for the user never spins";

    fake().OnDoEvents = [&window] { window.close(); };
    EXPECT_FALSE(window.WaitForGo());
    fake().OnDoEvents = nullptr;
    ProcessEvents();
    EXPECT_FALSE(IsLoaded(frmBeats::Name));
    EXPECT_TRUE(main_->isEnabled());
}

TEST_F(ToolWindow, ASoundIsPreloadedWhenItsFileIsFound) {
    EXPECT_EQ(PreloadSoundFile(AppPath() + "\\Ding.wav"), VbTrue);
    ASSERT_EQ(fake().PreloadedSounds.size(), 1);
    EXPECT_TRUE(fake().PreloadedSounds[0].endsWith("Ding.wav"));
    EXPECT_EQ(PreloadSoundFile(AppPath() + "\\NoSuch.wav"), VbFalse);
}
