// Choosing where the practice history is kept: the Database dialog on the
// fake platform and against throwaway PostgreSQL servers reached over TCP
// with a password, with and without TLS; the password kept in the keyring
// (a fake one here) or asked for once per run; and practices that wait on
// this computer while the server is down and are written once when it is
// back.
#include "clinic/history/connection_check.h"
#include "clinic/history/database_choice.h"
#include "clinic/history/frmDatabase.h"
#include "clinic/history/frmHistory.h"
#include "clinic/history/keyring.h"
#include "clinic/history/practice_history.h"
#include "clinic/history/practice_queue.h"
#include "exercises/flipper/frmFlipperO.h"
#include "exercises/flipper/frmFlipperS.h"
#include "exercises/flipper/frmFlipperT.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "tests/picture_files.h"
#include "tests/support/kova_test.h"
#include "tests/support/practice_samples.h"
#include "tests/support/store_backends.h"
#include "tests/support/throwaway_postgres.h"

#include <QCheckBox>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

void RegisterFlipper();

namespace {

// A keyring in memory; without a keyring service it refuses every request.
class FakeKeyring : public Keyring {
public:
    explicit FakeKeyring(bool available) : available_(available) {}
    Reply Read(const QString& key, QString* secret) override {
        if (!available_ || !secrets.contains(key)) {
            return available_ ? Reply::NotFound : Reply::NoKeyring;
        }
        *secret = secrets.value(key);
        return Reply::Done;
    }
    Reply Write(const QString& key, const QString& secret) override {
        if (available_) {
            secrets.insert(key, secret);
        }
        return available_ ? Reply::Done : Reply::NoKeyring;
    }
    QHash<QString, QString> secrets;

private:
    bool available_;
};

// The servers reached over TCP with a password, one offering TLS; false
// (the test failing or skipped) when they cannot be started.
ThrowawayPostgres& server(bool tls) {
    QString why;
    return *ThrowawayPostgres::Shared({true, tls}, &why);
}
bool serversStarted() {
    QString why;
    if (ThrowawayPostgres::Shared({true, false}, &why) &&
        ThrowawayPostgres::Shared({true, true}, &why)) {
        return true;
    }
    FailOrSkipWithoutServer(why);
    return false;
}

DatabaseChoice serverChoice(int port, bool requireEncryption, const QString& database = "postgres",
                            const QString& user = "kova") {
    DatabaseChoice choice;
    choice.server = true;
    choice.host = "127.0.0.1";
    choice.port = port;
    choice.database = database;
    choice.user = user;
    choice.requireEncryption = requireEncryption;
    return choice;
}
// A server at 127.0.0.1:1, where nothing answers.
const DatabaseChoice Unreachable = serverChoice(1, true, "kova", "room3");

// Clicks an option button or check box on its box, as a user does (a
// click on the empty room right of its caption does nothing).
void ClickBox(QWidget* control) {
    ClickAt(control, QPoint(8, control->height() / 2));
}
void ClickBox(const QObject* parent, const QString& name) {
    ClickBox(Find<QWidget>(parent, name));
}

// Each test with a fake keyring of its own, a password prompt that records
// what it was asked and answers as told, and a queue file of its own.
class DatabaseTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        auto fakeKeyring = std::make_unique<FakeKeyring>(keyringAvailable());
        keyring_ = fakeKeyring.get();
        SetKeyring(std::move(fakeKeyring));
        ServerPassword::ForgetRun();
        ServerPassword::SetPrompt([this](const QString& text) -> std::optional<QString> {
            prompts << text;
            return promptAnswer;
        });
        static int made = 0;
        PracticeHistory::UseQueueFile(
            QDir(TestFolder()).filePath(QString("waiting_%1.sqlite").arg(++made)));
        PracticeHistory::UseSavedChoice();
    }
    void TearDown() override {
        KovaTest::TearDown();
        ServerPassword::SetPrompt(nullptr);
        ServerPassword::ForgetRun();
        SetKeyring(nullptr);
    }
    virtual bool keyringAvailable() const { return true; }

    // The History window, opened from the main menu, and its Database dialog.
    frmHistory& openHistory() {
        frmHistory::OpenOver(frmMain::Name);
        return Loaded<frmHistory>();
    }
    frmDatabase& openDialog(frmHistory& history) {
        Click(&history, "cmdDatabase");
        ProcessEvents();
        auto* dialog = history.findChild<frmDatabase*>();
        if (dialog == nullptr) {
            throw std::runtime_error("no Database dialog");
        }
        return *dialog;
    }
    // Fills in the dialog for a server as a user does.
    void fillIn(frmDatabase& dialog, const DatabaseChoice& choice, const QString& password) {
        ClickBox(&dialog, "optServer");
        TypeInto(Find<QLineEdit>(&dialog, "txtHost"), choice.host);
        TypeInto(Find<QLineEdit>(&dialog, "txtPort"), QString::number(choice.port));
        TypeInto(Find<QLineEdit>(&dialog, "txtDatabase"), choice.database);
        TypeInto(Find<QLineEdit>(&dialog, "txtUser"), choice.user);
        TypeInto(Find<QLineEdit>(&dialog, "txtPassword"), password);
        auto* encrypted = Find<QCheckBox>(&dialog, "chkEncrypted");
        if (encrypted->isChecked() != choice.requireEncryption) {
            ClickBox(encrypted);
        }
    }
    QString testConnection(frmDatabase& dialog) {
        Click(&dialog, "cmdTestConnection");
        return Find<QLabel>(&dialog, "lblResult")->text();
    }
    bool settingsHold(const QString& text) {
        return QStringList(fake().Settings.values()).join('\n').contains(text);
    }

    FakeKeyring* keyring_ = nullptr;
    QStringList prompts;
    std::optional<QString> promptAnswer;
};

class DatabaseWithoutKeyringTest : public DatabaseTest {
    bool keyringAvailable() const override { return false; }
};

TEST_F(DatabaseTest, TheDialogOpensOnThisComputerWithEncryptionRequired) {
    frmHistory& history = openHistory();
    EXPECT_EQ(history.windowTitle(), "KOVA  Practice History  -  This computer");
    frmDatabase& dialog = openDialog(history);
    EXPECT_TRUE(Find<QRadioButton>(&dialog, "optThisComputer")->isChecked());
    EXPECT_FALSE(Find<QWidget>(&dialog, "frmServer")->isEnabled());
    EXPECT_TRUE(Find<QCheckBox>(&dialog, "chkEncrypted")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(&dialog, "txtPort")->text(), "5432");
    EXPECT_EQ(Find<QLineEdit>(&dialog, "txtPassword")->echoMode(), QLineEdit::Password);
    ClickBox(&dialog, "optServer");
    EXPECT_TRUE(Find<QWidget>(&dialog, "frmServer")->isEnabled());
    // A server without its host and user is not taken.
    Click(&dialog, "cmdOK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Find<QLabel>(&dialog, "lblResult")->text(), "Fill in the host, user first.");
}

TEST_F(DatabaseTest, AServerChosenIsKeptInTheSettingsAndItsPasswordInTheKeyringOnly) {
    const DatabaseChoice choice = Unreachable;
    frmHistory& history = openHistory();
    fillIn(openDialog(history), choice, "s3cret pass");
    // A server that does not answer is taken only when the therapist says so.
    fake().MsgBoxAnswers << vbNo << vbYes;
    Click(history.findChild<frmDatabase*>(), "cmdOK");
    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_EQ(fake().Messages[0].style, vbYesNo | vbQuestion);
    EXPECT_TRUE(fake().Messages[0].prompt.startsWith("The server at 127.0.0.1:1 cannot be reached"))
        << fake().Messages[0].prompt.toStdString();
    EXPECT_FALSE(DatabaseChoice::Saved().server);
    Click(history.findChild<frmDatabase*>(), "cmdOK");
    ProcessEvents();

    EXPECT_EQ(DatabaseChoice::Saved().Uri(), choice.Uri());
    EXPECT_TRUE(choice.Uri().contains("sslmode=require"));
    EXPECT_FALSE(choice.Uri().contains("s3cret"));
    EXPECT_FALSE(settingsHold("s3cret"));
    EXPECT_EQ(keyring_->secrets.value("room3@127.0.0.1:1/kova"), "s3cret pass");
    EXPECT_EQ(PracticeHistory::Target(), choice.Uri());
    EXPECT_EQ(history.windowTitle(),
              "KOVA  Practice History  -  Clinic server: database kova on 127.0.0.1:1");
    // Opening it failed, as the therapist was told just now: no second box.
    EXPECT_EQ(fake().Messages.size(), 2);

    // Opened again, the dialog shows the choice and the password from the keyring.
    ServerPassword::ForgetRun();
    frmDatabase& again = openDialog(history);
    EXPECT_TRUE(Find<QRadioButton>(&again, "optServer")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(&again, "txtUser")->text(), "room3");
    EXPECT_EQ(Find<QLineEdit>(&again, "txtPassword")->text(), "s3cret pass");
    Click(&again, "cmdCancel");
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(DatabaseWithoutKeyringTest, WithoutAKeyringThePasswordIsAskedForOncePerRun) {
    frmHistory& history = openHistory();
    fillIn(openDialog(history), Unreachable, "s3cret");
    fake().MsgBoxAnswers << vbYes;
    Click(history.findChild<frmDatabase*>(), "cmdOK");
    ProcessEvents();
    EXPECT_EQ(fake().Messages.size(), 1);
    EXPECT_TRUE(Find<QLabel>(&history, "lblStatus")->text().contains("no keyring"));
    EXPECT_FALSE(settingsHold("s3cret"));
    // This run remembers what was typed in the dialog.
    EXPECT_EQ(ServerPassword::For(DatabaseChoice::Saved()), "s3cret");
    EXPECT_TRUE(prompts.isEmpty());

    // The next run asks, once, also when the therapist cancels.
    ServerPassword::ForgetRun();
    promptAnswer = std::nullopt;
    EXPECT_EQ(ServerPassword::For(DatabaseChoice::Saved()), std::nullopt);
    EXPECT_EQ(ServerPassword::For(DatabaseChoice::Saved()), std::nullopt);
    ServerPassword::ForgetRun();
    promptAnswer = "typed";
    EXPECT_EQ(ServerPassword::For(DatabaseChoice::Saved()), "typed");
    EXPECT_EQ(ServerPassword::For(DatabaseChoice::Saved()), "typed");
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_TRUE(prompts[1].contains("room3")) << prompts[1].toStdString();
}

TEST_F(DatabaseTest, SwitchingTheDatabaseMovesAndDeletesNothing) {
    PracticeHistory::UseSavedChoice();
    const QString local = PracticeHistory::Target();
    ASSERT_TRUE(PracticeHistory::Record(
        SamplePractice("Ann", "Flipper", QDateTime::currentDateTime(), 3, 4, 1.5)));
    frmHistory& history = openHistory();
    fillIn(openDialog(history), Unreachable, "x");
    fake().MsgBoxAnswers << vbYes;
    Click(history.findChild<frmDatabase*>(), "cmdOK");
    ProcessEvents();
    EXPECT_TRUE(history.windowTitle().contains("Clinic server"));
    EXPECT_TRUE(history.ShownPractices().isEmpty());
    EXPECT_EQ(fake().Messages.size(), 1);
    EXPECT_TRUE(QFile::exists(local));

    frmDatabase& back = openDialog(history);
    ClickBox(&back, "optThisComputer");
    Click(&back, "cmdOK");
    ProcessEvents();
    EXPECT_EQ(history.windowTitle(), "KOVA  Practice History  -  This computer");
    EXPECT_EQ(history.ChosenPatient(), "Ann");
    EXPECT_EQ(history.ShownPractices().size(), 1);
}

TEST_F(DatabaseTest, KovaDatabaseOverridesTheChoice) {
    Unreachable.Save();
    const QString file = NewTestHistoryFile();
    qputenv("KOVA_DATABASE", file.toUtf8());
    PracticeHistory::UseSavedChoice();
    EXPECT_EQ(PracticeHistory::Target(), file);
    EXPECT_TRUE(PracticeHistory::Description().endsWith("(set by KOVA_DATABASE)"));
    frmDatabase& dialog = openDialog(openHistory());
    EXPECT_TRUE(Find<QLabel>(&dialog, "lblNote")->text().contains("KOVA_DATABASE is set"));
    qunsetenv("KOVA_DATABASE");
}

TEST(ConnectionVerdictTest, EachFailureHasItsOwnPlainMessage) {
    DatabaseChoice choice;
    choice.host = "db";
    choice.user = "room3";
    choice.database = "kova";
    using Kind = ConnectionVerdict::Kind;
    const struct {
        const char* error;
        Kind kind;
    } cases[] = {
        {"connection to server at \"db\" (10.0.0.5), port 5432 failed: Connection refused",
         Kind::Unreachable},
        {"could not translate host name \"db\" to address: Name or service not known",
         Kind::Unreachable},
        {"timeout expired", Kind::Unreachable},
        {"connection to server at \"db\", port 5432 failed: FATAL:  password authentication "
         "failed for user \"room3\"",
         Kind::WrongPassword},
        {"fe_sendauth: no password supplied", Kind::WrongPassword},
        {"connection to server at \"db\", port 5432 failed: FATAL:  database \"kova\" does not "
         "exist",
         Kind::NoSuchDatabase},
        {"connection to server at \"db\", port 5432 failed: server does not support SSL, but "
         "SSL was required",
         Kind::NotEncrypted},
        {"something else entirely", Kind::Other},
    };
    for (const auto& c : cases) {
        const ConnectionVerdict verdict = VerdictOf(choice, c.error);
        EXPECT_EQ(verdict.kind, c.kind) << c.error;
        EXPECT_FALSE(verdict.message.isEmpty());
    }
}

// Against the servers.
class DatabaseServerTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        serversStarted();
    }
};

TEST_F(DatabaseServerTest, TestConnectionSaysWhetherItWorkedAndWhyNot) {
    frmDatabase& dialog = openDialog(openHistory());
    const QString password = ThrowawayPostgres::Password;

    fillIn(dialog, serverChoice(server(true).Port(), true), password);
    EXPECT_EQ(testConnection(dialog), QString("The connection works: database \"postgres\" on "
                                              "127.0.0.1:%1, encrypted.")
                                          .arg(server(true).Port()));

    fillIn(dialog, serverChoice(server(true).Port(), true), "wrong");
    EXPECT_TRUE(testConnection(dialog).startsWith("The server refused the user name or password"));

    DatabaseChoice noSuch = serverChoice(server(true).Port(), true);
    noSuch.database = "kova";
    fillIn(dialog, noSuch, password);
    EXPECT_TRUE(testConnection(dialog).startsWith("The server has no database called \"kova\""));

    // A server that offers no TLS: refused when it is required, taken when not.
    fillIn(dialog, serverChoice(server(false).Port(), true), password);
    EXPECT_TRUE(testConnection(dialog).contains("does not offer an encrypted connection"));
    fillIn(dialog, serverChoice(server(false).Port(), false), password);
    EXPECT_TRUE(testConnection(dialog).endsWith("but it is not encrypted."));

    DatabaseChoice nowhere = serverChoice(server(false).Port(), false);
    nowhere.port = 1;
    fillIn(dialog, nowhere, password);
    EXPECT_TRUE(testConnection(dialog).startsWith("The server at 127.0.0.1:1 cannot be reached"));
    EXPECT_TRUE(fake().Messages.isEmpty());
}

TEST_F(DatabaseServerTest, TheChosenServerKeepsThePracticesAndTheTitleNamesIt) {
    frmHistory& history = openHistory();
    fillIn(openDialog(history), serverChoice(server(true).Port(), true),
           ThrowawayPostgres::Password);
    Click(history.findChild<frmDatabase*>(), "cmdOK");
    ProcessEvents();
    EXPECT_EQ(history.windowTitle(),
              QString("KOVA  Practice History  -  Clinic server: database postgres on "
                      "127.0.0.1:%1")
                  .arg(server(true).Port()));
    ASSERT_NE(PracticeHistory::Store(), nullptr);
    const QDateTime ended = QDateTime::currentDateTime();
    ASSERT_TRUE(PracticeHistory::Record(SamplePractice("Bea Server", "Flipper", ended, 3, 4, 1.5)));
    EXPECT_EQ(PracticeHistory::Store()->Practices("Bea Server").size(), 1);
    EXPECT_TRUE(fake().Messages.isEmpty());
    EXPECT_TRUE(prompts.isEmpty());
}

// A Flipper practice whose server goes away before its scores are shown.
class QueueTest : public PictureExerciseTest<frmFlipperO, frmFlipperT, RegisterFlipper> {
protected:
    void SetUp() override {
        PictureExerciseTest::SetUp();
        SetKeyring(std::make_unique<FakeKeyring>(true));
        ServerPassword::ForgetRun();
        static int made = 0;
        PracticeHistory::UseQueueFile(
            QDir(TestFolder()).filePath(QString("queue_%1.sqlite").arg(++made)));
        if (!serversStarted()) {
            return;
        }
        const DatabaseChoice choice = serverChoice(server(false).Port(), false);
        choice.Save();
        ServerPassword::Keep(choice, ThrowawayPostgres::Password);
        PracticeHistory::UseSavedChoice();
        ASSERT_NE(PracticeHistory::Store(), nullptr);
        patient_ = "Queue " + QString::number(made);
        ModDODI::PatientName = patient_;
    }
    void TearDown() override {
        QString ignored;
        if (ThrowawayPostgres* plain = ThrowawayPostgres::Shared({true, false}, &ignored)) {
            plain->Start(&ignored); // when a test stopped it
        }
        PictureExerciseTest::TearDown();
        ServerPassword::ForgetRun();
        SetKeyring(nullptr);
    }
    int keptOnServer() {
        PracticeStore store(serverChoice(server(false).Port(), false).Uri());
        store.SetPassword(ThrowawayPostgres::Password);
        EXPECT_EQ(store.Open(), PracticeStore::Failure::None) << store.LastError().toStdString();
        return int(store.Practices(patient_).size());
    }
    void answer(frmFlipperT& screen) {
        fake().ScriptRnd({0.1, 0.1});
        Click(screen.cmdNextSet);
        fake().Now += 2.0;
        Click(screen.cmdAnswer[0]);
    }
    QString patient_;
};

TEST_F(QueueTest, APracticeWhoseServerStoppedIsWrittenOnceWhenItIsBack) {
    frmFlipperT& screen = startTherapy();
    answer(screen);
    QString reason;
    ASSERT_TRUE(server(false).Stop(&reason)) << reason.toStdString();
    answer(screen);
    Click(screen.cmdStart);
    Click(screen.cmdScores);
    ASSERT_TRUE(IsShown(frmFlipperS::Name));
    // Nothing interrupts the session; the practice waits on this computer.
    EXPECT_TRUE(fake().Messages.isEmpty());
    EXPECT_EQ(PracticeHistory::WaitingCount(), 1);
    EXPECT_EQ(PracticeHistory::WriteWaiting(), 0);

    ASSERT_TRUE(server(false).Start(&reason)) << reason.toStdString();
    frmHistory::OpenOver(frmFlipperS::Name, patient_);
    frmHistory& history = Loaded<frmHistory>();
    EXPECT_EQ(Find<QLabel>(&history, "lblStatus")->text(),
              "1 practice kept on this computer while the clinic server could not be reached "
              "has now been written to it.");
    EXPECT_EQ(history.ShownPractices().size(), 1);
    EXPECT_EQ(keptOnServer(), 1);
    EXPECT_EQ(PracticeHistory::WaitingCount(), 0);

    // Once: neither the next look nor the next practice writes it again.
    Click(&history, "cmdClose");
    frmHistory::OpenOver(frmFlipperS::Name, patient_);
    EXPECT_FALSE(Find<QLabel>(&Loaded<frmHistory>(), "lblStatus")->isVisible());
    EXPECT_EQ(PracticeHistory::WriteWaiting(), 0);
    EXPECT_EQ(keptOnServer(), 1);
    EXPECT_TRUE(fake().Messages.isEmpty());
}

TEST_F(QueueTest, APracticeTheServerTookBeforeItsAnswerWasLostIsNotWrittenTwice) {
    const PracticeReport practice =
        SamplePractice(patient_, "Flipper", QDateTime::currentDateTime(), 3, 4, 1.5);
    ASSERT_TRUE(PracticeHistory::Store()->Record(practice));
    PracticeQueue(PracticeHistory::QueueFile())
        .Add(PracticeHistory::Target(), practice, std::nullopt);
    EXPECT_EQ(PracticeHistory::WaitingCount(), 1);
    PracticeHistory::WriteWaiting();
    EXPECT_EQ(PracticeHistory::WaitingCount(), 0);
    EXPECT_EQ(keptOnServer(), 1);
}

TEST(PracticeQueueFileTest, AReportComesBackAsItWasKept) {
    PracticeReport report =
        SamplePractice("Zoë Ünal", "Flipper", QDateTime::currentDateTime(), 3, 4, 1.5);
    report.scores.append({"Average Time", "", std::nullopt, true});
    const PracticeReport back = ReportFromJson(ReportToJson(report));
    EXPECT_EQ(LinesOf(back), LinesOf(report));
    EXPECT_TRUE(back.scores.last().setting);
}

} // namespace
