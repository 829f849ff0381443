#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace ModDODI;

class SharedState : public KovaTest {};

namespace {
struct SampleScores {
    Counter16 Correct;
    Counter16 Wrong;
    Single TotalTime = 0;
};
struct OtherScores {
    Counter16 Pages;
};
} // namespace

TEST_F(SharedState, ElapsedTimeSplitsMinutesAndSecondsAndRunsOnAcrossMidnight) {
    struct Case {
        double start, elapsed;
        float minutes, seconds, total;
    } const cases[] = {
        {1000, 0, 0, 0, 0},         {1000, 59.99, 0, 59, 59}, {1000, 60.0, 1, 0, 60},
        {1000, 130.75, 2, 10, 130}, {86370, 120, 2, 0, 120}, // from 23:59:30, the time of day
                                                             // started again at midnight
    };
    for (const Case& c : cases) {
        fake().Now = c.start;
        StartPracticeClock();
        fake().Now = c.start + c.elapsed;
        UpdateElapsedTime(PracticeStart);
        EXPECT_EQ(ElapsedMinutes, c.minutes) << c.elapsed;
        EXPECT_EQ(ElapsedSeconds, c.seconds) << c.elapsed;
        EXPECT_EQ(ElapsedTotalSeconds, c.total) << c.elapsed;
    }
}

TEST_F(SharedState, ResetScoresZeroesEveryBlockAndNothingElse) {
    Scores<SampleScores>().Correct = 3;
    Scores<SampleScores>().TotalTime = 7.5f;
    Scores<OtherScores>().Pages = 2;
    PracticeStart = 123.0f;
    ElapsedMinutes = 4;
    ReadyToStart = VbTrue;
    QuestionShownAt = 5.0f;
    PatientName = "Ann";
    TrackSequences = VbTrue;

    ResetScores();
    ResetScores();

    EXPECT_EQ(int(Scores<SampleScores>().Correct), 0);
    EXPECT_EQ(Scores<SampleScores>().TotalTime, 0.0f);
    EXPECT_EQ(int(Scores<OtherScores>().Pages), 0);
    EXPECT_EQ(PracticeStart, 123.0f);
    EXPECT_EQ(ElapsedMinutes, 4);
    EXPECT_EQ(ReadyToStart, VbTrue);
    EXPECT_EQ(QuestionShownAt, 5.0f);
    EXPECT_EQ(PatientName, "Ann");
    EXPECT_EQ(TrackSequences, VbTrue);
}

TEST_F(SharedState, PlaySoundFileFindsTheFileByNameAndIgnoresMissingOnes) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile wav(dir.filePath("Ding.wav"));
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    wav.write("RIFF");
    wav.close();

    EXPECT_EQ(PlaySoundFile("C:\\somewhere\\Ding.wav"), VbTrue);
    EXPECT_EQ(PlaySoundFile(AppPath() + "\\NoSuchSound.wav"), VbFalse);
    QDir::setCurrent(previous);

    ASSERT_EQ(fake().Sounds.size(), 1);
    EXPECT_TRUE(fake().Sounds[0].endsWith("/Ding.wav"));
}
