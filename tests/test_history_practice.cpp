// A finished practice goes into the history once, with every option and
// score line its scores screen shows, and the scores screen opens the
// History window on it.
#include "clinic/history/frmHistory.h"
#include "clinic/history/practice_history.h"
#include "exercises/flipper/frmFlipperO.h"
#include "exercises/flipper/frmFlipperS.h"
#include "exercises/flipper/frmFlipperT.h"
#include "shell/framework/practice_report.h"
#include "shell/mod_dodi.h"
#include "tests/picture_files.h"

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
    static void expectSameLines(const QList<ReportLine>& read, const QList<ReportLine>& shown) {
        ASSERT_EQ(read.size(), shown.size());
        for (int i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i].caption, shown[i].caption);
            EXPECT_EQ(read[i].text, shown[i].text);
            EXPECT_EQ(read[i].number, shown[i].number);
        }
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
    expectSameLines(stored.report.options, shown.options);
    expectSameLines(stored.report.scores, shown.scores);
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

TEST_F(HistoryPracticeTest, APracticeWithNothingPresentedIsNotKept) {
    frmFlipperT& screen = startTherapy();
    Click(screen.cmdStart);
    Click(screen.cmdScores);
    ASSERT_TRUE(IsShown(frmFlipperS::Name));
    EXPECT_TRUE(PracticeHistory::Store()->Patients().isEmpty());

    // The next practice of the run is kept, under "No name entered".
    Click(&Loaded<frmFlipperS>(), "cmdOptions");
    practiseAndShowScores();
    EXPECT_EQ(kept("No name entered").size(), 1);
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

} // namespace
