// The practice history's storage, on SQLite and on a throwaway PostgreSQL
// server: what is recorded reads back whole, names are data, deleting leaves
// nothing behind, and the CSV of the practices parses back to them.
#include "clinic/history/practice_csv.h"
#include "clinic/history/practice_store.h"
#include "tests/support/csv_reader.h"
#include "tests/support/kova_test.h"
#include "tests/support/practice_samples.h"
#include "tests/support/store_backends.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QDateTime Monday(QDate(2026, 3, 2), QTime(9, 30, 0));

class HistoryStoreTest : public KovaTest, public ::testing::WithParamInterface<Backend> {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        QString target;
        FreshStore(GetParam(), &target);
        if (target.isEmpty()) {
            return;
        }
        store = std::make_unique<PracticeStore>(target);
        ASSERT_EQ(store->Open(), PracticeStore::Failure::None) << store->LastError().toStdString();
    }
    void TearDown() override {
        store.reset();
        KovaTest::TearDown();
    }

    qint64 record(const PracticeReport& report) {
        const std::optional<qint64> id = store->Record(report);
        EXPECT_TRUE(id.has_value()) << store->LastError().toStdString();
        return id.value_or(-1);
    }

    int rowsMentioning(const QString& patient) {
        QSqlQuery count(store->Connection());
        count.prepare("SELECT (SELECT COUNT(*) FROM practice WHERE patient = ?) +"
                      " (SELECT COUNT(*) FROM practice_line l WHERE NOT EXISTS"
                      " (SELECT 1 FROM practice p WHERE p.id = l.practice_id))");
        count.addBindValue(patient);
        EXPECT_TRUE(count.exec() && count.next()) << count.lastError().text().toStdString();
        return count.value(0).toInt();
    }

    std::unique_ptr<PracticeStore> store;
};

TEST_P(HistoryStoreTest, APracticeReadsBackWithEveryOptionAndScoreLine) {
    PracticeReport written = SamplePractice("Ann", "Flipper", Monday, 29, 50, 1.4);
    written.started = written.started.addMSecs(123); // milliseconds are kept
    // Lines the screen leaves empty, as a label holds them: no text at all.
    written.scores.append({"Grids 100% Correct", "", std::nullopt});
    written.scores.append({"Tries Per Pattern", QString(), std::nullopt});
    const qint64 id = record(written);

    const QList<PracticeSummary> listed = store->Practices("Ann");
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed[0].id, id);
    EXPECT_EQ(listed[0].headline, "Percent Correct 58%");
    EXPECT_EQ(listed[0].percentCorrect, 58.0);
    EXPECT_EQ(listed[0].averageTime, 1.4);
    const QList<StoredPractice> details = store->Details("Ann", {id});
    ASSERT_EQ(details.size(), 1);
    EXPECT_EQ(LinesOf(details[0].report), LinesOf(written));

    // Nothing but empty lines: no headline, and kept all the same.
    written.scores = {{"Average Error", QString(), std::nullopt}};
    const qint64 empty = record(written);
    EXPECT_EQ(store->Practices("Ann").value(0).headline, "");
    EXPECT_EQ(LinesOf(store->Details("Ann", {empty}).value(0).report), LinesOf(written));
}

TEST_P(HistoryStoreTest, NamesAreKeptAndShownAsTyped) {
    const QStringList names = {
        "O'Brien \"Bob\"",
        "Robert'); DROP TABLE practice;--",
        "a;b;c",
        "Zoë 😀 李",
        QString(500, QChar('x')) + "end",
        "  spaced  ",
        "%_\\",
    };
    for (const QString& name : names) {
        record(SamplePractice(name, "Flipper", Monday, 1, 2, 2.0));
    }
    record(SamplePractice("", "Flipper", Monday, 1, 2, 2.0));

    QStringList stored;
    for (const PatientSummary& p : store->Patients()) {
        stored << p.name;
        EXPECT_EQ(p.practices, 1) << p.name.toStdString();
    }
    QStringList expected = names;
    expected << "No name entered";
    std::sort(stored.begin(), stored.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(stored, expected);
    for (const QString& name : names) {
        EXPECT_EQ(store->Practices(name).size(), 1) << name.toStdString();
    }
    EXPECT_TRUE(store->Practices("%").isEmpty()); // no pattern matching on names
}

TEST_P(HistoryStoreTest, DeletingAPatientLeavesNoRowAndAPracticeOnlyItself) {
    const qint64 first = record(SamplePractice("Ann", "Flipper", Monday, 5, 10, 2.0));
    record(SamplePractice("Ann", "Flipper", Monday.addDays(1), 6, 10, 2.0));
    record(SamplePractice("Ben", "Flipper", Monday, 7, 10, 2.0));

    ASSERT_TRUE(store->DeletePractice(first));
    EXPECT_EQ(store->Practices("Ann").size(), 1);
    EXPECT_TRUE(store->Details("Ann", {first}).isEmpty());

    ASSERT_TRUE(store->DeletePatient("Ann"));
    EXPECT_EQ(rowsMentioning("Ann"), 0);
    ASSERT_EQ(store->Patients().size(), 1);
    EXPECT_EQ(store->Patients()[0].name, "Ben");
    EXPECT_EQ(store->Practices("Ben").size(), 1);
}

TEST_P(HistoryStoreTest, PracticesComeNewestFirstAndTheLastOnesOfAnExercise) {
    for (int day = 0; day < 5; ++day) {
        record(SamplePractice("Ann", day % 2 ? "Flipper" : "Tic Tac Toe Rotations",
                              Monday.addDays(day), day, 10, 2.0));
    }
    const QList<PracticeSummary> all = store->Practices("Ann");
    ASSERT_EQ(all.size(), 5);
    EXPECT_EQ(all.first().started, Monday.addDays(4));
    EXPECT_EQ(all.last().started, Monday);
    const QList<PracticeSummary> last = store->LastPractices("Ann", "Tic Tac Toe Rotations", 2);
    ASSERT_EQ(last.size(), 2);
    EXPECT_EQ(last[0].started, Monday.addDays(4));
    EXPECT_EQ(last[1].started, Monday.addDays(2));
    const PatientSummary ann = store->Patients().value(0);
    EXPECT_EQ(ann.practices, 5);
    EXPECT_EQ(ann.last, Monday.addDays(4).addSecs(5 * 60 + 7));
}

TEST_P(HistoryStoreTest, TheCsvOfTwoPracticesParsesBackToTheRecords) {
    PracticeReport first = SamplePractice("=Smith, \"Jo\"", "Flipper", Monday, 29, 50, 1.4);
    PracticeReport second =
        SamplePractice("=Smith, \"Jo\"", "Shape Counting", Monday.addDays(1), 3, 4, 2.5);
    second.options = {{"Display Speed:", "5", 5.0}, {"Note", "two\nlines", std::nullopt}};
    second.scores.append({"Targets Missed", "2", 2.0});
    const QList<qint64> ids = {record(second), record(first)};

    const QList<StoredPractice> stored = store->Details(first.patientName, ids);
    const QList<QStringList> rows = ReadCsv(CsvText(PracticeTable(stored)));
    ASSERT_EQ(rows.size(), 3);
    const QStringList& head = rows[0];
    for (int r = 1; r < 3; ++r) {
        const PracticeReport& report = r == 1 ? second : first;
        const QStringList& row = rows[r];
        ASSERT_EQ(row.size(), head.size());
        EXPECT_EQ(row[head.indexOf("Patient")], "'" + report.patientName); // not a formula
        EXPECT_EQ(row[head.indexOf("Exercise")], report.exercise);
        EXPECT_EQ(row[head.indexOf("Started")], report.started.toString("yyyy-MM-dd HH:mm:ss"));
        EXPECT_EQ(row[head.indexOf("Practice Time")], report.practiceTime);
        int filled = 0;
        for (const ReportLine& line : report.scores) {
            const int column = head.indexOf(line.caption.simplified());
            ASSERT_GE(column, 0) << line.caption.toStdString();
            EXPECT_EQ(row[column], line.text);
        }
        for (const ReportLine& line : report.options) {
            QString caption = "Option: " + line.caption.simplified();
            caption.remove(QRegularExpression(":$"));
            const int column = head.indexOf(caption);
            ASSERT_GE(column, 0) << caption.toStdString();
            EXPECT_EQ(row[column], line.text);
        }
        for (const QString& field : row) {
            filled += field.isEmpty() ? 0 : 1;
        }
        // Nothing more: every other column is empty in this row.
        // (The practice-time line is the Practice Time column.)
        EXPECT_EQ(filled, 5 + report.scores.size() - 1 + report.options.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, HistoryStoreTest, BothBackends, BackendTestName);

} // namespace
