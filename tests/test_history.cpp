// The practice history as the program uses it: a writer killed mid-write,
// damaged and unusable files, what a practice's report yields for the list
// and the chart, the CSV text, and the History window.
#include "clinic/history/frmHistory.h"
#include "clinic/history/practice_csv.h"
#include "clinic/history/practice_facts.h"
#include "clinic/history/practice_history.h"
#include "clinic/history/progress_chart.h"
#include "clinic/history/session_means.h"
#include "shell/app.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "tests/support/csv_reader.h"
#include "tests/support/kova_test.h"
#include "tests/support/practice_samples.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>

namespace {

const QDateTime Monday(QDate(2026, 3, 2), QTime(9, 30, 0));

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

using HistoryFileTest = KovaTest;

TEST_F(HistoryFileTest, AWriterKilledMidWriteLeavesEveryEarlierPracticeIntact) {
    const QString path = NewTestHistoryFile();
    int reported = 0;
    for (int round = 1; round <= 3; ++round) {
        QProcess writer;
        writer.start(QCoreApplication::applicationDirPath() + "/history_writer", {path});
        ASSERT_TRUE(writer.waitForStarted());
        const int killAfter = reported + 10 * round;
        int last = reported;
        while (last < killAfter && writer.waitForReadyRead(20000)) {
            while (writer.canReadLine()) {
                const QString line = QString::fromUtf8(writer.readLine()).trimmed();
                ASSERT_TRUE(line.startsWith("recorded ")) << line.toStdString();
                last = reported + line.mid(9).toInt();
            }
        }
        writer.kill(); // SIGKILL, in the middle of the next practice
        writer.waitForFinished();
        ASSERT_GE(last, killAfter) << writer.readAllStandardError().toStdString();
        reported = last;

        PracticeStore store(path);
        ASSERT_EQ(store.Open(), PracticeStore::Failure::None) << store.LastError().toStdString();
        QSqlQuery check(store.Connection());
        ASSERT_TRUE(check.exec("PRAGMA integrity_check") && check.next());
        EXPECT_EQ(check.value(0).toString(), "ok");
        const QList<PracticeSummary> kept = store.Practices("Writer");
        ASSERT_GE(kept.size(), reported);
        QList<qint64> ids;
        for (const PracticeSummary& p : kept) {
            ids << p.id;
        }
        for (const StoredPractice& p : store.Details("Writer", ids)) {
            EXPECT_EQ(p.report.scores.size(), 5 + 40) << "practice " << p.id;
        }
        // Each run of the writer counts from 1 again, so the reported number is a total.
        reported = int(kept.size());
    }
}

TEST_F(HistoryFileTest, ADamagedFileIsSetAsideWithOneMessageAndANewHistoryIsKept) {
    const QString path = NewTestHistoryFile();
    const QByteArray damaged = QByteArray("not a database at all ").repeated(300);
    writeFile(path, damaged);
    PracticeHistory::UseTarget(path);

    PracticeStore* store = PracticeHistory::Store();
    ASSERT_NE(store, nullptr);
    const QStringList setAside =
        QFileInfo(path).dir().entryList({QFileInfo(path).fileName() + ".damaged-*"});
    ASSERT_EQ(setAside.size(), 1);
    const QString moved = QFileInfo(path).dir().filePath(setAside[0]);
    EXPECT_EQ(contentsOf(moved), damaged);
    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_EQ(fake().Messages[0].prompt, PracticeHistory::SetAsideMessage(moved));

    EXPECT_TRUE(PracticeHistory::Record(SamplePractice("Ann", "Flipper", Monday, 1, 2, 1.0)));
    EXPECT_EQ(PracticeHistory::Store()->Practices("Ann").size(), 1);
    EXPECT_EQ(fake().Messages.size(), 1);
}

TEST_F(HistoryFileTest, AnUnusableHistoryIsToldOnceLeftUntouchedAndKovaGoesOn) {
    // A folder that cannot be made (a file stands where it would be).
    const QString blocker = QDir(TestFolder()).filePath("blocker");
    writeFile(blocker, "x");
    PracticeHistory::UseTarget(blocker + "/practice_history.sqlite");
    EXPECT_EQ(PracticeHistory::Store(), nullptr);
    EXPECT_FALSE(PracticeHistory::Record(SamplePractice("Ann", "Flipper", Monday, 1, 2, 1.0)));
    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_TRUE(fake().Messages[0].prompt.startsWith("The practice history cannot be opened"));

    // A history of the next KOVA (schema version 3) is not touched either.
    const QString newer = NewTestHistoryFile();
    {
        PracticeStore store(newer);
        ASSERT_EQ(store.Open(), PracticeStore::Failure::None);
        QSqlQuery(store.Connection()).exec("UPDATE kova_schema SET version = 3");
    }
    const QByteArray before = contentsOf(newer);
    PracticeHistory::UseTarget(newer);
    EXPECT_EQ(PracticeHistory::Store(), nullptr);
    EXPECT_EQ(fake().Messages.size(), 2);
    EXPECT_EQ(contentsOf(newer), before);

    // The History window says so and the program goes on.
    frmHistory::OpenOver("frmMain");
    auto& window = Loaded<frmHistory>();
    EXPECT_TRUE(Find<QWidget>(&window, "lblStatus")->isVisible());
    EXPECT_FALSE(Find<QWidget>(&window, "cmdExport")->isEnabled());
    Click(&window, "cmdClose");
    EXPECT_FALSE(IsLoaded(frmHistory::Name));
    EXPECT_EQ(fake().Messages.size(), 2);
}

TEST_F(HistoryFileTest, TheHistoryFileIsTheUsersAlone) {
    const QString path = NewTestHistoryFile();
    PracticeHistory::UseTarget(path);
    ASSERT_TRUE(PracticeHistory::Record(SamplePractice("Ann", "Flipper", Monday, 1, 2, 1.0)));
    for (const QString& file : {path, path + "-wal"}) {
        const QFile::Permissions others =
            QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        EXPECT_FALSE(QFileInfo(file).permissions() & others) << file.toStdString();
    }
}

TEST(PracticeFacts, TheHeadlineIsThePercentCorrectElseAPercentageElseACount) {
    const QList<ReportLine> picture = SamplePractice("", "Flipper", Monday, 2, 3, 1).scores;
    EXPECT_EQ(HeadlineOf(picture), "Percent Correct 66%");
    EXPECT_EQ(PercentCorrectOf(picture), 66.0);
    EXPECT_EQ(AverageTimeOf(picture), 1.0);

    const QList<ReportLine> completed = {{"Practice Time", "1 Mins  0 Secs", std::nullopt},
                                         {"Total Displayed", "12", 12.0},
                                         {"Average % Completed", "75%", 75.0}};
    EXPECT_EQ(HeadlineOf(completed), "Average % Completed 75%");
    EXPECT_EQ(PercentCorrectOf(completed), std::nullopt);

    const QList<ReportLine> counts = {{"Practice Time", "2", 2.0},
                                      {"Targets Counted", "7", 7.0},
                                      {"Percent Correct:", "", std::nullopt}};
    EXPECT_EQ(HeadlineOf(counts), "Targets Counted 7");
    EXPECT_EQ(HeadlineOf({}), "");
}

TEST(PracticeFacts, APracticeCountsWhenStartedAndSomethingWasPresented) {
    PracticeReport report = SamplePractice("", "Tracking Sequences", Monday, 0, 0, 0);
    report.scores = {{"Practice Time", "3 Mins  0 Secs", 3.0},
                     {"Display Speed", "5 Secs", 5.0, true}, // the setting, shown again
                     {"Total Targets Presented", "0", 0.0},
                     {"Percent Correct:", "", std::nullopt}};
    EXPECT_FALSE(PresentedSomething(report));
    EXPECT_EQ(HeadlineOf(report.scores), "Total Targets Presented 0");
    report.scores[2] = {"Total Targets Presented", "4", 4.0};
    EXPECT_TRUE(PresentedSomething(report));
    report.started = {};
    EXPECT_FALSE(PresentedSomething(report));
    EXPECT_EQ(StoredPatientName(""), "No name entered");
    EXPECT_EQ(StoredPatientName(" "), " ");
}

TEST(SessionMeansTest, FirstAndLastThreeSessionsAndTheChange) {
    const SessionMeans seven = MeansOf({50.0, 60.0, std::nullopt, 70.0, 80.0, 90.0, 91.0, 95.0});
    EXPECT_EQ(seven.sessions, 7);
    EXPECT_DOUBLE_EQ(*seven.first, 60.0);
    EXPECT_DOUBLE_EQ(*seven.last, 92.0);
    EXPECT_DOUBLE_EQ(*seven.change, 32.0);

    const SessionMeans two = MeansOf({2.5, 1.5});
    EXPECT_DOUBLE_EQ(*two.first, 2.0);
    EXPECT_DOUBLE_EQ(*two.last, 2.0);
    EXPECT_DOUBLE_EQ(*two.change, 0.0);

    const SessionMeans one = MeansOf({std::nullopt, 40.0});
    EXPECT_DOUBLE_EQ(*one.first, 40.0);
    EXPECT_EQ(one.change, std::nullopt);
    EXPECT_EQ(MeansOf({std::nullopt}).first, std::nullopt);
    EXPECT_EQ(MeanPercentText(-4.24, true), "-4.2%");
    EXPECT_EQ(MeanSecondsText(0.55, true), "+0.6 Secs");
}

TEST(PracticeCsv, FieldsAreQuotedAsSpreadsheetsReadThem) {
    const QList<QStringList> table = {{"a", "b,c", "say \"hi\"", "two\nlines"},
                                      {"=1+2", "-3.5", "@x", "+"}};
    const QByteArray csv = CsvText(table);
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF"
                               "a,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\"\r\n"));
    EXPECT_TRUE(csv.endsWith("'=1+2,-3.5,'@x,'+\r\n"));
    const QList<QStringList> read = ReadCsv(csv);
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0], table[0]);
    EXPECT_EQ(read[1], (QStringList{"'=1+2", "-3.5", "'@x", "'+"}));
}

TEST(PracticeCsv, ACaptionMetTwiceInAPracticeGetsAColumnOfItsOwn) {
    StoredPractice p{1, SamplePractice("Ann", "Flipper", Monday, 1, 2, 1.0)};
    p.report.scores = {{"Total", "1", 1.0}, {"Total:", "2", 2.0}};
    const QList<QStringList> table = PracticeTable({p});
    EXPECT_EQ(table[0].mid(5), (QStringList{"Total", "Total (2)", "Option: Practice Time",
                                            "Option: Picture Order"}));
    EXPECT_EQ(table[1].mid(5, 2), (QStringList{"1", "2"}));
    EXPECT_EQ(CsvFileNameFor("Ann/../x:y"), "Ann____x_y practices.csv");
    EXPECT_EQ(CsvFileNameFor("???"), "___ practices.csv");
    EXPECT_EQ(CsvFileNameFor(""), "Patient practices.csv");
}

class HistoryWindowTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        for (const PracticeReport& r : SampleSessions("Ann", 7, Monday)) {
            ASSERT_TRUE(PracticeHistory::Record(r));
        }
        ASSERT_TRUE(PracticeHistory::Record(SamplePractice("Ben", "Flipper", Monday, 1, 4, 3.0)));
    }
    frmHistory& openFromMenu() {
        frmMain& menu = StartMainMenu();
        Click(&menu, "cmdTools");
        Click(&menu, "cmdHistory");
        return Loaded<frmHistory>();
    }
    static QStringList patientRows(const frmHistory& window) {
        auto* list = Find<QTableWidget>(&window, "lstPatients");
        QStringList rows;
        for (int row = 0; row < list->rowCount(); ++row) {
            rows << list->item(row, 0)->text() + " " + list->item(row, 1)->text();
        }
        return rows;
    }
};

TEST_F(HistoryWindowTest, OpensFromTheToolsFrameOverAMenuThatWaits) {
    ModDODI::PatientName = "Ben";
    frmHistory& window = openFromMenu();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(Loaded<frmMain>().isEnabled());
    EXPECT_EQ(patientRows(window), (QStringList{"Ann 7", "Ben 1"}));
    EXPECT_EQ(window.ChosenPatient(), "Ben"); // the patient of the session first
    Click(&window, "cmdClose");
    EXPECT_FALSE(IsLoaded(frmHistory::Name));
    EXPECT_TRUE(Loaded<frmMain>().isEnabled());
}

TEST_F(HistoryWindowTest, ListsAPatientsPracticesNewestFirstAndChartsOneExercise) {
    frmHistory& window = openFromMenu();
    ASSERT_TRUE(window.ChoosePatient("Ann"));
    const QList<PracticeSummary>& shown = window.ShownPractices();
    ASSERT_EQ(shown.size(), 7);
    EXPECT_EQ(shown.first().started, Monday.addDays(6));
    auto* grid = Find<QTableView>(&window, "grdPractices");
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), "Flipper");
    EXPECT_EQ(grid->model()->index(0, 3).data().toString(), shown.first().headline);
    // With every exercise listed, the chart follows the chosen practice.
    EXPECT_EQ(window.Chart().PercentMeans().sessions, 3); // Flipper: days 0, 3 and 6

    window.ChooseExercise("Tracking Sequences");
    ASSERT_EQ(window.ShownPractices().size(), 2);
    const SessionMeans& means = window.Chart().PercentMeans();
    EXPECT_EQ(means.sessions, 2);
    const double day1 = *window.ShownPractices()[1].percentCorrect;
    const double day4 = *window.ShownPractices()[0].percentCorrect;
    EXPECT_DOUBLE_EQ(*means.first, (day1 + day4) / 2);
    EXPECT_TRUE(window.Chart().MeansText().startsWith("Percent correct: first 2 sessions "));
}

TEST_F(HistoryWindowTest, DeletesAPracticeOrAPatientOnlyWhenConfirmed) {
    frmHistory& window = openFromMenu();
    ASSERT_TRUE(window.ChoosePatient("Ann"));
    fake().MsgBoxAnswers.enqueue(vbNo);
    Click(&window, "cmdDeletePractice");
    EXPECT_EQ(window.ShownPractices().size(), 7);
    fake().MsgBoxAnswers.enqueue(vbYes);
    Click(&window, "cmdDeletePractice");
    EXPECT_EQ(window.ShownPractices().size(), 6);
    EXPECT_EQ(window.ShownPractices().first().started, Monday.addDays(5));
    EXPECT_EQ(patientRows(window), (QStringList{"Ann 6", "Ben 1"}));

    fake().MsgBoxAnswers.enqueue(vbNo);
    Click(&window, "cmdDeletePatient");
    EXPECT_EQ(patientRows(window).size(), 2);
    fake().MsgBoxAnswers.enqueue(vbYes);
    Click(&window, "cmdDeletePatient");
    EXPECT_EQ(patientRows(window), QStringList{"Ben 1"});
    EXPECT_TRUE(PracticeHistory::Store()->Practices("Ann").isEmpty());
    EXPECT_EQ(fake().Messages.size(), 4);
    EXPECT_TRUE(fake().Messages[1].prompt.startsWith("Delete the Flipper practice of Ann from "));
}

TEST_F(HistoryWindowTest, ExportsTheShownPracticesAsCsv) {
    frmHistory& window = openFromMenu();
    ASSERT_TRUE(window.ChoosePatient("Ann"));
    window.ChooseExercise("Flipper");
    Click(&window, "cmdExport"); // the dialog cancelled: nothing written
    ASSERT_EQ(fake().ProposedSavePaths.size(), 1);
    EXPECT_TRUE(fake().ProposedSavePaths[0].endsWith("/Ann practices.csv"));

    const QString path = QDir(TestFolder()).filePath("ann.csv");
    fake().SaveFileAnswers.enqueue(path);
    Click(&window, "cmdExport");
    const QList<QStringList> rows = ReadCsv(contentsOf(path));
    ASSERT_EQ(rows.size(), 4);
    const int percent = rows[0].indexOf("Percent Correct");
    ASSERT_GE(percent, 0);
    for (int row = 1; row < 4; ++row) {
        EXPECT_EQ(rows[row][1], "Flipper");
        EXPECT_EQ(rows[row][percent].chopped(1).toDouble(),
                  *window.ShownPractices()[row - 1].percentCorrect);
    }
    EXPECT_TRUE(fake().Messages.isEmpty());
}

} // namespace
