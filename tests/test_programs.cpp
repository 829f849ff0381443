// Therapy programs: a step's options are judged by its exercise's own options
// screen, programs are kept beside the practices on SQLite and PostgreSQL,
// and a history of the first version is brought up to date keeping every
// practice.
#include "clinic/history/practice_store.h"
#include "clinic/programs/program_store.h"
#include "clinic/programs/step_check.h"
#include "shell/app.h"
#include "shell/forms.h"
#include "shell/forms_apart.h"
#include "shell/menu_exercises.h"
#include "tests/support/kova_test.h"
#include "tests/support/menu_screens.h"
#include "tests/support/practice_samples.h"
#include "tests/support/store_backends.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

class ProgramStepTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
    }
};

TEST_F(ProgramStepTest, EveryExerciseOfTheMenuTakesItsOwnOptionsAsTheyAre) {
    // The picture exercises have no practice time: they run until Stop.
    const QStringList untimed = {"Right Or Left", "Flipper", "Flip Forms", "Closing Letters"};
    for (const QString& exercise : MenuExerciseCaptions()) {
        const ProgramStep step = StepOf(exercise);
        EXPECT_EQ(step.PracticeMinutes(), untimed.contains(exercise) ? 0 : 5)
            << exercise.toStdString();
        EXPECT_EQ(StepRefusal(step), std::nullopt) << exercise.toStdString();
    }
}

TEST_F(ProgramStepTest, AStepIsRefusedWithTheMessageItsScreenWouldShow) {
    const struct {
        const char* exercise;
        const char* control;
        const char* value;
        const char* refusal; // empty: accepted
    } cases[] = {
        {"Shape Counting", "cboPracTime", "0",
         "cboPracTime \"0\": Practice Time must be between 1 and 60 minutes."},
        {"Shape Counting", "cboPracTime", "60", ""},
        {"Flipper", "HScroll1", "204", ""},
        {"Character Searching", "cboFont", "99",
         "cboFont \"99\": Font Size must be between 12 and 30."},
        {"Discriminating Color Grids", "cboGridSize", "9x9",
         "cboGridSize \"9x9\": not one of its choices"},
        {"Discriminating Color Grids", "cboGridSize", "2x4", ""},
        {"Flipper", "optInOrder", "maybe", "optInOrder \"maybe\": neither True nor False"},
        {"Flipper", "HScroll1", "-3", "HScroll1 \"-3\": not a whole number from 1 to 204"},
        // The same font is a size of one Tracking mode and not of the other.
        {"Tracking Numbers, Letters", "cboFont", "36", ""},
        {"Tracking Sequences", "cboFont", "36",
         "cboFont \"36\": Font Size must be between 12 and 30."},
    };
    for (const auto& c : cases) {
        const ProgramStep step = WithOption(StepOf(c.exercise), c.control, c.value);
        ASSERT_EQ(ValueOf(step.options, c.control), c.value) << c.exercise << " " << c.control;
        const std::optional<QString> refusal = StepRefusal(step);
        if (QString(c.refusal).isEmpty()) {
            EXPECT_EQ(refusal, std::nullopt) << c.exercise << " " << c.control;
        } else {
            ASSERT_TRUE(refusal.has_value()) << c.exercise << " " << c.control;
            EXPECT_TRUE(refusal->startsWith(c.refusal)) << refusal->toStdString();
        }
    }
}

TEST_F(ProgramStepTest, AStepNamesEveryOptionOnceAndNothingElse) {
    ProgramStep step = StepOf("Flipper");
    ProgramStep unknown = step;
    unknown.options.append(OptionValue{"cboWhatever", "1"});
    EXPECT_EQ(StepRefusal(unknown), "cboWhatever \"1\": this exercise has no such option");
    ProgramStep twice = step;
    twice.options.append(step.options.first());
    EXPECT_TRUE(StepRefusal(twice)->endsWith("named twice"));
    ProgramStep missing = step;
    missing.options.removeLast();
    EXPECT_TRUE(StepRefusal(missing)->endsWith("missing"));
    ProgramStep bothChosen = WithOption(step, "optRandom", "True");
    bothChosen = WithOption(bothChosen, "optInOrder", "True");
    EXPECT_TRUE(StepRefusal(bothChosen)->endsWith("conflicts with the other choices of its group"));
    EXPECT_EQ(StepRefusal({"Juggling", step.options}),
              "the exercise \"Juggling\" is not available");

    TherapyProgram program;
    program.steps = {step, WithOption(StepOf("Shape Counting"), "cboPracTime", "0")};
    EXPECT_TRUE(ProgramRefusal(program)->startsWith("Step 2 (Shape Counting): cboPracTime \"0\""));
}

TEST_F(ProgramStepTest, ValuesSetOnAScreenReadBackAsSet) {
    const ProgramStep step = WithOption(
        WithOption(WithOption(StepOf("Flipper"), "optRandom", "True"), "optInOrder", "False"),
        "HScroll1", "17");
    Form& options = Forms::Get(MenuExerciseForm("Flipper"));
    EXPECT_EQ(SetAndCheckOptionValues(options, step.options), std::nullopt);
    EXPECT_EQ(ReadOptionValues(options), step.options);
}

const QDateTime Monday(QDate(2026, 3, 2), QTime(9, 30, 0));

// The first version's schema, as a history of that version holds it.
const char* const VersionOneSchema[] = {
    "CREATE TABLE kova_schema (version INTEGER NOT NULL)",
    "CREATE TABLE practice (id %1, patient TEXT NOT NULL, exercise TEXT NOT NULL,"
    " started TEXT NOT NULL, ended TEXT NOT NULL, practice_time TEXT NOT NULL,"
    " headline TEXT NOT NULL, percent_correct DOUBLE PRECISION, average_time DOUBLE PRECISION)",
    "CREATE INDEX practice_by_patient ON practice (patient, exercise, ended)",
    "CREATE TABLE practice_line (practice_id BIGINT NOT NULL REFERENCES practice (id),"
    " kind INTEGER NOT NULL, position INTEGER NOT NULL, caption TEXT NOT NULL,"
    " shown TEXT NOT NULL, number DOUBLE PRECISION, PRIMARY KEY (practice_id, kind, position))",
    "INSERT INTO kova_schema (version) VALUES (1)",
};

class ProgramStoreTest : public ProgramStepTest, public ::testing::WithParamInterface<Backend> {
protected:
    void SetUp() override {
        ProgramStepTest::SetUp();
        FreshStore(GetParam(), &target);
    }

    bool server() const { return GetParam() == Backend::PostgreSQL; }

    // A history of the first version with the practices, made without the store.
    void makeVersionOne(const QList<PracticeReport>& practices) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(server() ? "QPSQL" : "QSQLITE", "v1");
            if (server()) {
                PracticeStore opener(target); // reads the URI's parts into a connection
                ASSERT_EQ(opener.Open(), PracticeStore::Failure::None);
                const QSqlDatabase used = opener.Connection();
                db.setDatabaseName(used.databaseName());
                db.setUserName(used.userName());
                db.setHostName(used.hostName());
                db.setConnectOptions(used.connectOptions());
                QSqlQuery drop(used);
                ASSERT_TRUE(drop.exec("DROP TABLE program_step, program, practice_line,"
                                      " practice, kova_schema"));
            } else {
                db.setDatabaseName(target);
            }
            ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
            const QString key = server() ? "BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"
                                         : "INTEGER PRIMARY KEY";
            for (const char* statement : VersionOneSchema) {
                QSqlQuery query(db);
                ASSERT_TRUE(query.exec(QString(statement).replace("%1", key)))
                    << query.lastError().text().toStdString();
            }
            for (int i = 0; i < practices.size(); ++i) {
                QSqlQuery row(db);
                row.prepare("INSERT INTO practice (patient, exercise, started, ended,"
                            " practice_time, headline) VALUES (?, ?, ?, ?, ?, ?)");
                const PracticeReport& r = practices[i];
                for (const QVariant& value :
                     {QVariant(r.patientName), QVariant(r.exercise),
                      QVariant(r.started.toUTC().toString(Qt::ISODateWithMs)),
                      QVariant(r.ended.toUTC().toString(Qt::ISODateWithMs)),
                      QVariant(r.practiceTime), QVariant(QString("Percent Correct 50%"))}) {
                    row.addBindValue(value);
                }
                ASSERT_TRUE(row.exec()) << row.lastError().text().toStdString();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase("v1");
    }

    TherapyProgram sampleProgram(const QString& patient, const QString& name) {
        TherapyProgram program;
        program.patient = patient;
        program.name = name;
        program.steps = {StepOf("Flipper"),
                         WithOption(StepOf("Tracking Sequences"), "cboPracTime", "10"),
                         StepOf("Discriminating Color Grids")};
        program.days = TherapyProgram::DayBit(Qt::Monday) | TherapyProgram::DayBit(Qt::Thursday);
        program.sessionsPerWeek = 2;
        program.current = true;
        return program;
    }

    QString target;
};

TEST_P(ProgramStoreTest, ProgramsReadBackWholeAndOneIsCurrent) {
    PracticeStore history(target);
    ASSERT_EQ(history.Open(), PracticeStore::Failure::None) << history.LastError().toStdString();
    ProgramStore programs(history);
    const QString patient = "Zoë \"Z\" O'Neil; DROP TABLE program;--" + QString(300, QChar(0x4e2d));
    TherapyProgram first =
        sampleProgram(patient, QString("Week\t1 ") + QString::fromUtf8("\xF0\x9F\x98\x80"));
    const std::optional<qint64> firstId = programs.Save(first);
    ASSERT_TRUE(firstId.has_value()) << programs.LastError().toStdString();
    first.id = *firstId;
    EXPECT_EQ(programs.Find(first.id), first);

    TherapyProgram second = sampleProgram(patient, "Week 2");
    second.steps.removeFirst();
    second.id = programs.Save(second).value_or(0);
    first.current = false;
    EXPECT_EQ(programs.Programs(patient), (QList<TherapyProgram>{first, second}));
    EXPECT_EQ(programs.Current(patient), second);
    EXPECT_EQ(programs.Patients(), QStringList{patient});

    // Changed and saved again: the steps are replaced, in their new order.
    std::swap(second.steps[0], second.steps[1]);
    second.current = false;
    ASSERT_EQ(programs.Save(second), second.id);
    EXPECT_EQ(programs.Find(second.id), second);
    EXPECT_EQ(programs.Current(patient), std::nullopt);
}

TEST_P(ProgramStoreTest, PracticesKeepTheirProgramAndStepAndCountAsDoneOnTheirDay) {
    PracticeStore history(target);
    ASSERT_EQ(history.Open(), PracticeStore::Failure::None) << history.LastError().toStdString();
    ProgramStore programs(history);
    const qint64 id = programs.Save(sampleProgram("Ann", "Daily")).value_or(0);
    for (const auto& [day, step] : {std::pair{0, 0}, {0, 2}, {1, 1}}) {
        const QDateTime at = Monday.addDays(day);
        ASSERT_TRUE(history.Record(SamplePractice("Ann", "Flipper", at, 5, 10, 1.0),
                                   ProgramPlace{id, step}));
    }
    ASSERT_TRUE(history.Record(SamplePractice("Ann", "Flipper", Monday, 5, 10, 1.0)));
    EXPECT_EQ(programs.StepsDoneOn(id, Monday.date()), (QSet<int>{0, 2}));
    EXPECT_EQ(programs.StepsDoneOn(id, Monday.date().addDays(1)), QSet<int>{1});
    EXPECT_TRUE(programs.StepsDoneOn(id, Monday.date().addDays(2)).isEmpty());

    // Deleting the program keeps its practices; deleting the patient takes all.
    ASSERT_TRUE(programs.Delete(id));
    EXPECT_EQ(history.Practices("Ann").size(), 4);
    EXPECT_TRUE(programs.StepsDoneOn(id, Monday.date()).isEmpty());
    programs.Save(sampleProgram("Ann", "Another"));
    ASSERT_TRUE(history.DeletePatient("Ann"));
    EXPECT_TRUE(programs.Programs("Ann").isEmpty());
}

TEST_P(ProgramStoreTest, AVersionOneHistoryIsMigratedKeepingEveryPractice) {
    QList<PracticeReport> practices;
    for (int i = 0; i < 3; ++i) {
        practices << SamplePractice(i == 2 ? "Ben" : "Ann", "Flipper", Monday.addDays(i), 5, 10,
                                    1.0);
    }
    makeVersionOne(practices);
    PracticeStore history(target);
    ASSERT_EQ(history.Open(), PracticeStore::Failure::None) << history.LastError().toStdString();
    QSqlQuery version(history.Connection());
    ASSERT_TRUE(version.exec("SELECT version FROM kova_schema") && version.next());
    EXPECT_EQ(version.value(0).toInt(), 2);
    EXPECT_EQ(history.Practices("Ann").size(), 2);
    EXPECT_EQ(history.Practices("Ben").size(), 1);
    // The migrated history takes programs and practices run from them.
    ProgramStore programs(history);
    const std::optional<qint64> id = programs.Save(sampleProgram("Ann", "After"));
    ASSERT_TRUE(id.has_value()) << programs.LastError().toStdString();
    ASSERT_TRUE(history.Record(practices[0], ProgramPlace{*id, 1}));
    EXPECT_EQ(programs.StepsDoneOn(*id, Monday.date()), QSet<int>{1});
}

INSTANTIATE_TEST_SUITE_P(Backends, ProgramStoreTest, BothBackends, BackendTestName);

} // namespace
