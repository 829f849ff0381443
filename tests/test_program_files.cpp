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

// Each kind of bad field: what it does to a good file, and the start of the refusal.
struct BadField {
    const char* what;
    std::function<void(QJsonObject&)> spoil;
    const char* refusal;
};

QJsonObject stepOptionsSpoiled(QJsonObject file, int step, const QString& option,
                               const QJsonValue& value) {
    QJsonArray steps = file["steps"].toArray();
    QJsonObject s = steps[step].toObject();
    QJsonArray options = s["options"].toArray();
    for (int i = 0; i < options.size(); ++i) {
        QJsonObject o = options[i].toObject();
        if (o["option"] == option) {
            o["value"] = value;
            options[i] = o;
        }
    }
    s["options"] = options;
    steps[step] = s;
    file["steps"] = steps;
    return file;
}

TEST_F(ProgramFileTest, EachKindOfBadFieldIsRefusedNamingIt) {
    const QJsonObject good = jsonOf(ProgramFileText(sampleProgram("Ann", "Home")));
    const BadField cases[] = {
        {"another format", [](QJsonObject& f) { f["format"] = "kova-practices"; },
         "format: not \"kova-program\""},
        {"a later version", [](QJsonObject& f) { f["version"] = 2; },
         "version: not a whole number from 1 to 1"},
        {"no patient", [](QJsonObject& f) { f.remove("patient"); }, "patient: missing"},
        {"an empty name", [](QJsonObject& f) { f["name"] = ""; }, "name: empty"},
        {"a name that is a number", [](QJsonObject& f) { f["name"] = 7; }, "name: not a text"},
        {"a day twice",
         [](QJsonObject& f) {
             f["days"] = QJsonArray{"Monday", "Monday"};
         },
         "days[1]: named twice"},
        {"no day", [](QJsonObject& f) { f["days"] = QJsonArray{"Funday"}; },
         "days[0]: not a day of the week"},
        {"sessions of a half", [](QJsonObject& f) { f["sessions_per_week"] = 2.5; },
         "sessions_per_week: not a whole number from 0 to 21"},
        {"steps not a list", [](QJsonObject& f) { f["steps"] = "all"; }, "steps: not a list"},
        {"a field unknown", [](QJsonObject& f) { f["colour"] = "red"; },
         "colour: not a field of this file"},
        {"an exercise unknown",
         [](QJsonObject& f) {
             QJsonArray steps = f["steps"].toArray();
             QJsonObject s = steps[1].toObject();
             s["exercise"] = "Juggling";
             steps[1] = s;
             f["steps"] = steps;
         },
         "steps[1].exercise: \"Juggling\" is no exercise of this KOVA"},
        // What a step's screen refuses, its own message after the step's place.
        {"a font of 99", [](QJsonObject& f) { f = stepOptionsSpoiled(f, 3, "cboFont", "99"); },
         "steps[3].options: cboFont \"99\": Font Size must be between 12 and 30."},
        {"an option value that is no text",
         [](QJsonObject& f) { f = stepOptionsSpoiled(f, 0, "cboPracTime", 15); },
         "steps[0].options[3].value: not a text"}, // cboPracTime, the fourth option
    };
    for (const BadField& c : cases) {
        QJsonObject file = good;
        c.spoil(file);
        const ProgramFileReading reading = ReadProgramFile(textOf(file));
        EXPECT_FALSE(reading.program.has_value()) << c.what;
        EXPECT_TRUE(reading.refusal.startsWith(c.refusal))
            << c.what << ": " << reading.refusal.toStdString();
    }
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
    QJsonObject file = jsonOf(ProgramFileText(sampleProgram("Ann", "Home")));
    file = stepOptionsSpoiled(file, 3, "cboFont", "99");
    file = stepOptionsSpoiled(file, 4, "cboGridSize", "9x9");
    const QString path = QDir(folder()).filePath("bad.json");
    writeFile(path, textOf(file));
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
    const QList<ReportLine> sent =
        SamplePractice("Ann", "Shape Counting", Monday, 5, 10, 2.0).scores;
    ASSERT_EQ(details[0].report.scores.size(), sent.size());
    for (int i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(details[0].report.scores[i].caption, sent[i].caption);
        EXPECT_EQ(details[0].report.scores[i].text, sent[i].text);
        EXPECT_EQ(details[0].report.scores[i].number, sent[i].number);
    }
}

TEST_P(PracticesFileTest, ABadPracticesFileIsRefusedAndNothingIsKept) {
    const QJsonObject good = jsonOf(homeFile());
    auto spoilPractice = [](QJsonObject& f, int i, const QString& key, const QJsonValue& v) {
        QJsonArray list = f["practices"].toArray();
        QJsonObject p = list[i].toObject();
        if (v.isUndefined()) {
            p.remove(key);
        } else {
            p[key] = v;
        }
        list[i] = p;
        f["practices"] = list;
    };
    const BadField cases[] = {
        {"another format", [](QJsonObject& f) { f["format"] = "kova-program"; },
         "format: not \"kova-practices\""},
        {"no identity",
         [&](QJsonObject& f) { spoilPractice(f, 2, "id", QJsonValue(QJsonValue::Undefined)); },
         "practices[2].id: missing"},
        {"an identity that is no UUID", [&](QJsonObject& f) { spoilPractice(f, 1, "id", "7"); },
         "practices[1].id: not a practice identity"},
        {"a time that is no time", [&](QJsonObject& f) { spoilPractice(f, 2, "ended", "soon"); },
         "practices[2].ended: not a time"},
        {"a step of 0", [&](QJsonObject& f) { spoilPractice(f, 2, "step", 0); },
         "practices[2].step: not a whole number from 1"},
        {"a score line's number that is a text",
         [&](QJsonObject& f) {
             QJsonArray list = f["practices"].toArray();
             QJsonObject p = list[2].toObject();
             QJsonArray scores = p["scores"].toArray();
             QJsonObject line = scores[0].toObject();
             line["number"] = "many";
             scores[0] = line;
             p["scores"] = scores;
             list[2] = p;
             f["practices"] = list;
         },
         "practices[2].scores[0].number: neither a number nor null"},
    };
    PracticeStore store(clinic);
    ASSERT_EQ(store.Open(), PracticeStore::Failure::None) << store.LastError().toStdString();
    for (const BadField& c : cases) {
        QJsonObject file = good;
        c.spoil(file);
        const PracticesFileReading reading = ReadPracticesFile(textOf(file));
        EXPECT_FALSE(reading.practices.has_value()) << c.what;
        EXPECT_TRUE(reading.refusal.startsWith(c.refusal))
            << c.what << ": " << reading.refusal.toStdString();
    }
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
