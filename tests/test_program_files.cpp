// Programs and practices carried between computers as files: a program
// round-trips, every kind of bad field is refused naming it and leaves
// nothing behind, and a practices file imported twice is kept once, on
// SQLite and on PostgreSQL.
#include "clinic/history/practice_history.h"
#include "clinic/history/practice_store.h"
#include "clinic/programs/frmPrograms.h"
#include "clinic/programs/practices_file.h"
#include "clinic/programs/program_file.h"
#include "clinic/programs/program_store.h"
#include "shell/app.h"
#include "shell/forms_apart.h"
#include "shell/main_menu.h"
#include "shell/menu_exercises.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"
#include "tests/support/menu_screens.h"
#include "tests/support/practice_samples.h"
#include "tests/support/store_backends.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTableWidget>

namespace {

const QDateTime Monday(QDate(2026, 3, 2), QTime(9, 30, 0));

TherapyProgram sampleProgram(const QString& patient, const QString& name) {
    TherapyProgram program;
    program.patient = patient;
    program.name = name;
    program.steps = {WithOption(StepOf("Shape Counting"), "cboPracTime", "15"), StepOf("Flipper"),
                     StepOf("Tracking Sequences"),
                     WithOption(StepOf("Character Searching"), "cboFont", "20"),
                     StepOf("Discriminating Color Grids")};
    program.days = TherapyProgram::DayBit(Qt::Tuesday) | TherapyProgram::DayBit(Qt::Sunday);
    program.sessionsPerWeek = 2;
    return program;
}

QJsonObject jsonOf(const QByteArray& text) {
    return QJsonDocument::fromJson(text).object();
}

QByteArray textOf(const QJsonObject& object) {
    return QJsonDocument(object).toJson();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class ProgramFileTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
    }
};

TEST_F(ProgramFileTest, AProgramReadsBackAsWritten) {
    TherapyProgram program =
        sampleProgram("Zoë \"Z\" O'Neil;\n" + QString(400, QChar(0x4e2d)),
                      QString::fromUtf8("Week \xF0\x9F\x98\x80 ") + QString(1000, '\\'));
    const ProgramFileReading reading = ReadProgramFile(ProgramFileText(program));
    ASSERT_TRUE(reading.program.has_value()) << reading.refusal.toStdString();
    EXPECT_EQ(*reading.program, program);
    const QJsonObject file = jsonOf(ProgramFileText(program));
    EXPECT_EQ(file["format"], "kova-program");
    EXPECT_EQ(file["version"], 1);
    EXPECT_EQ(file["days"], (QJsonArray{"Tuesday", "Sunday"}));
}

// The JSON value with the value at a path replaced, or removed when the new
// value is undefined. A path's step is a key, a place in a list, or in a list
// of options the option of that name.
QJsonValue replaced(const QJsonValue& at, QStringList path, const QJsonValue& value) {
    if (path.isEmpty()) {
        return value;
    }
    const QString key = path.takeFirst();
    if (at.isArray()) {
        QJsonArray list = at.toArray();
        bool place = false;
        qsizetype i = key.toInt(&place);
        for (qsizetype o = 0; !place && o < list.size(); ++o) {
            place = list[o].toObject()["option"] == key;
            i = o;
        }
        list[i] = replaced(list[i], path, value);
        return list;
    }
    QJsonObject object = at.toObject();
    if (path.isEmpty() && value.isUndefined()) {
        object.remove(key);
    } else {
        object[key] = replaced(object[key], path, value);
    }
    return object;
}

// Each kind of bad field: its path and value in a good file, and the start of the refusal.
struct BadField {
    QStringList path;
    QJsonValue value;
    const char* refusal;
};

void expectRefusals(const QJsonObject& good, const QList<BadField>& cases,
                    const std::function<QString(const QByteArray&)>& refusalOf) {
    for (const BadField& c : cases) {
        const QString refusal = refusalOf(textOf(replaced(good, c.path, c.value).toObject()));
        EXPECT_TRUE(refusal.startsWith(c.refusal)) << c.refusal << ": " << refusal.toStdString();
    }
}

TEST_F(ProgramFileTest, EachKindOfBadFieldIsRefusedNamingIt) {
    const QJsonValue none(QJsonValue::Undefined);
    expectRefusals(
        jsonOf(ProgramFileText(sampleProgram("Ann", "Home"))),
        {
            {{"format"}, "kova-practices", "format: not \"kova-program\""},
            {{"version"}, 2, "version: not a whole number from 1 to 1"},
            {{"patient"}, none, "patient: missing"},
            {{"name"}, "", "name: empty"},
            {{"name"}, 7, "name: not a text"},
            {{"days"}, QJsonArray{"Monday", "Monday"}, "days[1]: named twice"},
            {{"days"}, QJsonArray{"Funday"}, "days[0]: not a day of the week"},
            {{"sessions_per_week"}, 2.5, "sessions_per_week: not a whole number from 0 to 21"},
            {{"steps"}, "all", "steps: not a list"},
            {{"colour"}, "red", "colour: not a field of this file"},
            {{"steps", "1", "exercise"},
             "Juggling",
             "steps[1].exercise: \"Juggling\" is no exercise of this KOVA"},
            // What a step's screen refuses, its own message after the step's place.
            {{"steps", "3", "options", "cboFont", "value"},
             "99",
             "steps[3].options: cboFont \"99\": Font Size must be between 12 and 30."},
            {{"steps", "0", "options", "cboPracTime", "value"},
             15,
             "steps[0].options[3].value: not a text"}, // cboPracTime, the fourth option
        },
        [](const QByteArray& text) {
            const ProgramFileReading reading = ReadProgramFile(text);
            return reading.program ? QString("taken") : reading.refusal;
        });
    EXPECT_TRUE(ReadProgramFile("{\"format\": ").refusal.startsWith("not a JSON file"));
    EXPECT_EQ(ReadProgramFile("[1, 2]").refusal, "not a JSON object");
}

class ProgramFileWindowTest : public ProgramFileTest {
protected:
    frmPrograms& openWindow() {
        frmMain& menu = StartMainMenu();
        Click(&menu, "cmdTools");
        Click(&menu, "cmdPrograms");
        return Loaded<frmPrograms>();
    }
    static ProgramStore programs() { return ProgramStore(*PracticeHistory::Store()); }
    static QString folder() { return QDir(TestFolder()).filePath("files"); }
    void SetUp() override {
        ProgramFileTest::SetUp();
        QDir().mkpath(folder());
    }
};

TEST_F(ProgramFileWindowTest, AnExportedProgramIsImportedForThePatientOfThatName) {
    TherapyProgram home = sampleProgram("Ann", "Home");
    home.current = true;
    ASSERT_TRUE(programs().Save(home).has_value()) << programs().LastError().toStdString();
    ModDODI::PatientName = "Ann";
    frmPrograms& window = openWindow();
    const QString path = QDir(folder()).filePath("home.json");
    fake().SaveFileAnswers.enqueue(path);
    Click(&window, "cmdExportProgram");
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_TRUE(fake().ProposedSavePaths.first().endsWith("Ann - Home.json"));
    Click(&window, "cmdClose");

    // Another computer: a fresh history, and no patient of that name yet.
    PracticeHistory::UseTarget(NewTestHistoryFile());
    ModDODI::PatientName = "";
    frmPrograms& other = openWindow();
    fake().OpenFileAnswers.enqueue(path);
    Click(&other, "cmdImportProgram");
    EXPECT_TRUE(fake().Messages.isEmpty());
    const QList<TherapyProgram> imported = programs().Programs("Ann");
    ASSERT_EQ(imported.size(), 1);
    TherapyProgram expected = home;
    expected.id = imported[0].id;
    EXPECT_EQ(imported[0], expected);
    EXPECT_EQ(other.ChosenPatient(), "Ann");
    EXPECT_EQ(Find<QTableWidget>(&other, "grdSteps")->rowCount(), 5);

    // Imported again (a changed program), it replaces the program of that name.
    TherapyProgram changed = home;
    changed.steps.removeFirst();
    writeFile(path, ProgramFileText(changed));
    fake().OpenFileAnswers.enqueue(path);
    Click(&other, "cmdImportProgram");
    ASSERT_EQ(programs().Programs("Ann").size(), 1);
    EXPECT_EQ(programs().Programs("Ann")[0].steps, changed.steps);
    EXPECT_EQ(programs().Programs("Ann")[0].id, imported[0].id);
}

TEST_F(ProgramFileWindowTest, ABadFileIsRefusedWithItsFirstBadFieldAndNothingIsKept) {
    QJsonValue file = jsonOf(ProgramFileText(sampleProgram("Ann", "Home")));
    file = replaced(file, {"steps", "3", "options", "cboFont", "value"}, "99");
    file = replaced(file, {"steps", "4", "options", "cboGridSize", "value"}, "9x9");
    const QString path = QDir(folder()).filePath("bad.json");
    writeFile(path, textOf(file.toObject()));
    frmPrograms& window = openWindow();
    fake().OpenFileAnswers.enqueue(path);
    Click(&window, "cmdImportProgram");
    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_EQ(fake().Messages[0].prompt,
              "This program file cannot be imported; nothing was changed.\n\nThe first bad field: "
              "steps[3].options: cboFont \"99\": Font Size must be between 12 and 30.");
    EXPECT_TRUE(programs().Patients().isEmpty());
}

TEST_F(ProgramFileWindowTest, AStepItsExerciseWouldRefuseIsNeverStored) {
    TherapyProgram program = sampleProgram("Ann", "Home");
    program.steps[0] = WithOption(program.steps[0], "cboPracTime", "0");
    ProgramStore store = programs();
    EXPECT_EQ(store.Save(program), std::nullopt);
    EXPECT_TRUE(store.LastError().startsWith("Step 1 (Shape Counting): cboPracTime \"0\""))
        << store.LastError().toStdString();
    EXPECT_TRUE(store.Patients().isEmpty());
    // A step of an exercise this build lacks is kept as another build made it.
    program = sampleProgram("Ann", "Home");
    program.steps.append({"Juggling", {{"cboBalls", "3"}}});
    EXPECT_TRUE(store.Save(program).has_value()) << store.LastError().toStdString();
}

// The practices of a home computer carried to the clinic's history.
class PracticesFileTest : public ProgramFileTest, public ::testing::WithParamInterface<Backend> {
protected:
    void SetUp() override {
        ProgramFileTest::SetUp();
        FreshStore(GetParam(), &clinic);
    }

    // Three practices at home, the last two run from the program "Home".
    QByteArray homeFile() {
        PracticeStore home(NewTestHistoryFile());
        EXPECT_EQ(home.Open(), PracticeStore::Failure::None);
        ProgramStore programs(home);
        TherapyProgram program = sampleProgram("Ann", "Home");
        const qint64 id = programs.Save(program).value_or(0);
        EXPECT_TRUE(home.Record(SamplePractice("Ann", "Flipper", Monday.addDays(-9), 1, 2, 1.0)));
        EXPECT_TRUE(home.Record(SamplePractice("Ann", "Flipper", Monday.addDays(-1), 3, 4, 1.0)));
        EXPECT_TRUE(home.Record(SamplePractice("Ann", "Shape Counting", Monday, 5, 10, 2.0),
                                ProgramPlace{id, 0}));
        EXPECT_TRUE(home.Record(SamplePractice("Ann", "Flipper", Monday.addSecs(600), 2, 4, 1.5),
                                ProgramPlace{id, 1}));
        EXPECT_TRUE(home.Record(SamplePractice("Ben", "Flipper", Monday, 1, 2, 1.0)));
        const QList<PortablePractice> since = home.PracticesSince("Ann", Monday.addDays(-2));
        EXPECT_EQ(since.size(), 3);
        return PracticesFileText("Ann", since);
    }

    QString clinic;
};

TEST_P(PracticesFileTest, APracticesFileImportedTwiceIsKeptOnce) {
    const QByteArray text = homeFile();
    PracticeStore store(clinic);
    ASSERT_EQ(store.Open(), PracticeStore::Failure::None) << store.LastError().toStdString();
    ProgramStore programs(store);
    const qint64 home = programs.Save(sampleProgram("Ann", "Home")).value_or(0);
    ASSERT_NE(home, 0) << programs.LastError().toStdString();
    ASSERT_TRUE(store.Record(SamplePractice("Ann", "Flipper", Monday.addDays(-20), 1, 2, 1.0)));

    const PracticesFileReading reading = ReadPracticesFile(text);
    ASSERT_TRUE(reading.practices.has_value()) << reading.refusal.toStdString();
    EXPECT_EQ(reading.patient, "Ann");
    EXPECT_EQ(store.Import(*reading.practices), 3);
    EXPECT_EQ(store.Import(*reading.practices), 0);
    EXPECT_EQ(store.Import(*ReadPracticesFile(text).practices), 0);
    const QList<PracticeSummary> kept = store.Practices("Ann");
    ASSERT_EQ(kept.size(), 4);
    EXPECT_EQ(kept[0].exercise, "Flipper");
    EXPECT_EQ(kept[0].ended,
              SamplePractice("Ann", "Flipper", Monday.addSecs(600), 2, 4, 1.5).ended);
    EXPECT_EQ(kept[1].headline, "Percent Correct 50%");
    // Tied to the clinic's program of the same name, step by step.
    EXPECT_EQ(programs.StepsDoneOn(home, Monday.date()), (QSet<int>{0, 1}));
    // Every line came along.
    const QList<StoredPractice> details = store.Details("Ann", {kept[1].id});
    ASSERT_EQ(details.size(), 1);
    EXPECT_EQ(LinesOf(details[0].report.scores),
              LinesOf(SamplePractice("Ann", "Shape Counting", Monday, 5, 10, 2.0).scores));
}

TEST_P(PracticesFileTest, ABadPracticesFileIsRefusedAndNothingIsKept) {
    PracticeStore store(clinic);
    ASSERT_EQ(store.Open(), PracticeStore::Failure::None) << store.LastError().toStdString();
    expectRefusals(
        jsonOf(homeFile()),
        {
            {{"format"}, "kova-program", "format: not \"kova-practices\""},
            {{"practices", "2", "id"},
             QJsonValue(QJsonValue::Undefined),
             "practices[2].id: missing"},
            {{"practices", "1", "id"}, "7", "practices[1].id: not a practice identity"},
            {{"practices", "2", "ended"}, "soon", "practices[2].ended: not a time"},
            {{"practices", "2", "step"}, 0, "practices[2].step: not a whole number from 1"},
            {{"practices", "2", "scores", "0", "number"},
             "many",
             "practices[2].scores[0].number: neither a number nor null"},
        },
        [&store](const QByteArray& text) {
            const PracticesFileReading reading = ReadPracticesFile(text);
            if (reading.practices) {
                store.Import(*reading.practices);
            }
            return reading.practices ? QString("taken") : reading.refusal;
        });
    EXPECT_TRUE(store.Patients().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Backends, PracticesFileTest, BothBackends, BackendTestName);

TEST_F(ProgramFileWindowTest, PracticesAreExportedSinceADayAndImportedOnce) {
    PracticeStore* history = PracticeHistory::Store();
    for (int day = 0; day < 4; ++day) {
        ASSERT_TRUE(
            history->Record(SamplePractice("Ann", "Flipper", Monday.addDays(day), 1, 2, 1)));
    }
    ModDODI::PatientName = "Ann";
    frmPrograms& window = openWindow();
    const QString path = QDir(folder()).filePath("practices.json");
    fake().InputAnswers.enqueue("2026-03-04");
    fake().SaveFileAnswers.enqueue(path);
    Click(&window, "cmdExportPractices");
    EXPECT_TRUE(window.Status().startsWith("2 practices of \"Ann"))
        << window.Status().toStdString();
    EXPECT_EQ(ReadPracticesFile([&] {
                  QFile f(path);
                  f.open(QIODevice::ReadOnly);
                  return f.readAll();
              }())
                  .practices->size(),
              2);
    fake().InputAnswers.enqueue("next Tuesday");
    Click(&window, "cmdExportPractices");
    EXPECT_TRUE(window.Status().startsWith("\"next Tuesday\" is not a date"));
    Click(&window, "cmdClose");

    PracticeHistory::UseTarget(NewTestHistoryFile());
    frmPrograms& clinic = openWindow();
    for (int twice = 0; twice < 2; ++twice) {
        fake().OpenFileAnswers.enqueue(path);
        Click(&clinic, "cmdImportPractices");
    }
    EXPECT_EQ(clinic.Status(), "0 practices of \"Ann\" imported; 2 of the file were kept already.");
    EXPECT_EQ(PracticeHistory::Store()->Practices("Ann").size(), 2);
    EXPECT_EQ(clinic.ChosenPatient(), "Ann");
}

} // namespace
