// The report of a practice: read from the scores screen's lines and the
// options screen's controls of real exercises.
#include "exercises/flipper/flipper_scores.h"
#include "exercises/flipper/frmFlipperT.h"
#include "exercises/tracking/tracking_scores.h"
#include "shell/app.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/practice_report.h"
#include "shell/framework/scores_screen.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"
#include "tests/support/menu_screens.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>

namespace {

using Lines = QList<std::pair<QString, QString>>;

Lines CaptionsAndTexts(const QList<ReportLine>& lines) {
    Lines pairs;
    for (const ReportLine& line : lines) {
        pairs << std::pair{line.caption, line.text};
    }
    return pairs;
}

class PracticeReportTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
    }

    // Therapy, then straight to the scores screen as its Scores button does.
    ScoresScreen& scoresOf(OptionsScreen& options) {
        const Triad names = options.Names();
        Click(&options, options.findChild<QWidget*>("cmdToTherapy") ? "cmdToTherapy" : "cmdStart");
        Forms::Hide(names.therapy);
        Forms::Show(names.scores);
        return static_cast<ScoresScreen&>(Forms::Get(names.scores));
    }
    ScoresScreen& flipperScores() { return static_cast<ScoresScreen&>(Forms::Get("frmFlipperS")); }
};

TEST_F(PracticeReportTest, FlipperReportHoldsEveryLineAndOptionAsShownAndThePracticePeriod) {
    ModDODI::PatientName = "Ann Smith";
    OptionsScreen& options = OpenFromMenu("cmdFlipper");
    Find<QScrollBar>(&options, "HScroll1")->setValue(7);
    Click(&options, "optRandom");
    Click(&options, "cmdStart");
    auto& therapy = Loaded<frmFlipperT>();
    fake().Now += 20;
    Click(therapy.cmdStart);
    auto& s = Scores<FlipperScores>();
    s.FlipperCorrect = 29;
    s.FlipperWrong = 21;
    s.FlipperAnswered = 50;
    s.FlipperTotalTime = 70;
    fake().Now += 167;
    Click(therapy.cmdStart);
    fake().Now += 30;
    Click(therapy.cmdScores);

    const PracticeReport report = ReportOf(flipperScores());
    EXPECT_EQ(report.exercise, "Flipper");
    EXPECT_EQ(report.patientName, "Ann Smith");
    EXPECT_EQ(report.started, QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)));
    EXPECT_EQ(report.ended, QDateTime(QDate(2026, 12, 7), QTime(10, 3, 37)));
    EXPECT_EQ(report.practiceTime, "3 Mins  7 Secs");
    EXPECT_EQ(CaptionsAndTexts(report.scores), (Lines{{"Total Correct", "29"},
                                                      {"Total Incorrect", "21"},
                                                      {"Total New Images Tried", "50"},
                                                      {"Percent Correct", "58%"},
                                                      {"Ave Response Time", "1.4 Secs"},
                                                      {"Practice Time", "3 Mins  7 Secs"}}));
    EXPECT_EQ(report.scores[3].number, 58);
    EXPECT_NEAR(report.scores[4].number.value_or(0), 1.4, 1e-9);
    EXPECT_FALSE(report.scores[5].number.has_value());
    EXPECT_EQ(CaptionsAndTexts(report.options),
              (Lines{{"Picture Order", "Random Picture Presentation"},
                     {"Pick A Picture To Start With:   ", "7"}}));
    EXPECT_EQ(report.options[1].number, 7);
}

TEST_F(PracticeReportTest, TrackingReportsTheControlsOfItsModeAndOnlyTheLinesShown) {
    OptionsScreen& options = OpenFromMenu("cmdTNL");
    TypeInto(Find<QWidget>(&options, "cboFont"), "20");
    TabOut(Find<QWidget>(&options, "cboFont"));
    Click(&options, "optULetters");
    Click(&options, "Check1"); // the border off
    ScoresScreen& scores = scoresOf(options);
    Scores<TrackScores>().TotalTargets = 12;
    Scores<TrackScores>().TotalCorrect = 9;
    scores.Form_Activate();

    const PracticeReport report = ReportOf(scores);
    EXPECT_EQ(report.exercise, "Tracking Numbers, Letters");
    EXPECT_EQ(CaptionsAndTexts(report.options), (Lines{{"Character Type:", "Upper Case Letters"},
                                                       {"Reaction Time", "Off"},
                                                       {"Display Border", "Off"},
                                                       {"Practice Time (mins)", "5"},
                                                       {"Display Speed", "0.8"},
                                                       {"Pages Per Session", "NoLimit"},
                                                       {"Characters Per Line", "2"},
                                                       {"Font Size", "20"},
                                                       {"Adaptive Level", "No"},
                                                       {"Lowest", "1"},
                                                       {"Highest", "11"}}));
    // Counting mode (reaction time off) hides the wrong and missed lines.
    const Lines lines = CaptionsAndTexts(report.scores);
    for (const auto& [caption, text] : lines) {
        EXPECT_NE(caption, "Total Incorrect Responses");
        EXPECT_NE(caption, "Targets Missed");
    }
    EXPECT_EQ(lines.first(), (std::pair<QString, QString>("Total Targets Presented", "12")));
    EXPECT_EQ(lines.last(), (std::pair<QString, QString>("Practice Time", "0 Mins  0 Secs")));
}

TEST_F(PracticeReportTest, TrackingSequencesReportsItsOwnFrameAndSequenceLength) {
    ScoresScreen& scores = scoresOf(OpenFromMenu("cmdTS"));
    const PracticeReport report = ReportOf(scores);
    EXPECT_EQ(report.exercise, "Tracking Sequences");
    const Lines options = CaptionsAndTexts(report.options);
    EXPECT_EQ(options.first(), (std::pair<QString, QString>("Sequence Targets", "Numbers")));
    EXPECT_TRUE(options.contains(std::pair<QString, QString>("Sequence Length", "3")));
    EXPECT_TRUE(options.contains(std::pair<QString, QString>("Sequences Per Line", "2")));
}

TEST_F(PracticeReportTest, EyeRotationsReportsCombosCheckAndEveryFrameInScreenOrder) {
    OptionsScreen& options = OpenFromMenu("cmdEyeRot");
    Click(&options, "optCircle");
    Click(&options, "chkBeep");
    const PracticeReport report = ReportOf(scoresOf(options));
    EXPECT_EQ(report.exercise, "Eye Rotations");
    EXPECT_EQ(CaptionsAndTexts(report.options), (Lines{{"Practice Time (mins)", "5"},
                                                       {"Display Speed", "1.00"},
                                                       {"Font Size", "14"},
                                                       {"Circle Size", "3"},
                                                       {"Circle Color", "Lt Yellow"},
                                                       {"Beep", "On"},
                                                       {"Target Character:", "Numbers"},
                                                       {"Rotation Pattern:", "Circle"},
                                                       {"Rotation Direction:", "Clockwise"},
                                                       {"Pattern Separation:", "Wide"},
                                                       {"Adaptive Level", "No"},
                                                       {"Lowest", "1"},
                                                       {"Highest", "12"}}));
}

TEST_F(PracticeReportTest, EveryExerciseReportsEachOptionWithACaptionAndAValue) {
    const QStringList buttons = MenuExerciseButtons();
    ASSERT_FALSE(buttons.isEmpty());
    for (const QString& button : buttons) {
        OptionsScreen& options = OpenFromMenu(button);
        const PracticeReport report = ReportOf(scoresOf(options));
        EXPECT_FALSE(report.exercise.isEmpty()) << qPrintable(button);
        EXPECT_FALSE(report.options.isEmpty()) << qPrintable(button);
        for (const ReportLine& line : report.options) {
            EXPECT_FALSE(line.caption.trimmed().isEmpty()) << qPrintable(button + ": " + line.text);
            EXPECT_FALSE(line.text.trimmed().isEmpty()) << qPrintable(button + ": " + line.caption);
        }
        EXPECT_EQ(report.scores.last().caption, "Practice Time") << qPrintable(button);
        Forms::UnloadAll();
        ProcessEvents();
    }
}

TEST_F(PracticeReportTest, CheckBoxesThatShowTheirStateInTheCaptionAreReportedByTheSetting) {
    OptionsScreen& grids = OpenFromMenu("cmdColorGrids");
    Click(&grids, "chkColorLevel");
    const Lines gridLines = CaptionsAndTexts(ReportOf(scoresOf(grids)).options);
    // No word in common: both captions name the setting.
    EXPECT_TRUE(gridLines.contains(
        std::pair<QString, QString>("Easier Colors (Brighter) / Harder Colors", "Harder Colors")));
    EXPECT_TRUE(gridLines.contains(std::pair<QString, QString>("Borders", "On")));
    EXPECT_TRUE(gridLines.contains(std::pair<QString, QString>("Pre Display Beep", "Off")));
    Forms::UnloadAll();
    ProcessEvents();

    // Words in common at the end.
    OptionsScreen& duplicator = OpenFromMenu("cmdPatternDup");
    Click(&duplicator, "chkGridSize");
    const Lines duplicatorLines = CaptionsAndTexts(ReportOf(scoresOf(duplicator)).options);
    EXPECT_TRUE(duplicatorLines.contains(std::pair<QString, QString>("Square Grid", "100")));
}

TEST(NumberIn, TakesOneNumberWithAtMostAUnit) {
    EXPECT_EQ(NumberIn("58%"), 58);
    EXPECT_EQ(NumberIn("1.4 Secs"), 1.4);
    EXPECT_EQ(NumberIn("12"), 12);
    EXPECT_EQ(NumberIn(" 0.80 "), 0.8);
    EXPECT_EQ(NumberIn("-3"), -3);
    for (const char* text : {"", "Off", "NoLimit", "3 Mins  7 Secs", "9 of 12", "Lt Yellow"}) {
        EXPECT_FALSE(NumberIn(text).has_value()) << text;
    }
}

} // namespace
