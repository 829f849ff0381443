#include "clinic/history/practice_history.h"

#include "clinic/history/database_choice.h"
#include "clinic/history/practice_facts.h"
#include "clinic/history/practice_queue.h"
#include "shell/platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <memory>
#include <utility>

namespace {

// An unreachable server is tried again no sooner than this after the last
// try, so that a window reading the history does not wait at every step.
constexpr double RetryAfterMs = 30000;
constexpr int RetryTimerMs = 30000;

struct HistoryState {
    QString target; // empty: the default target
    std::unique_ptr<PracticeStore> store;
    bool tried = false; // opening was tried (and told about when it failed)
    bool told = false;  // the therapist was told that the server cannot be used
    double lastTryMs = 0;
    bool closesWithApplication = false;
    QString queueFile; // empty: beside the settings
    int writtenSinceNote = 0;
    QStringList notes;
    QPointer<QTimer> retryTimer;
    // The database connection must close while the application is still
    // there (see Store); one left at exit is not touched any more.
    ~HistoryState() { (void)store.release(); }
};

HistoryState& state() {
    static HistoryState s;
    return s;
}

void tell(const QString& message) {
    platform().MsgBox(message, vbExclamation, "KOVA");
}

bool usesServer() {
    return PracticeStore::IsServerUri(PracticeHistory::Target());
}

// Renames a damaged database and its journal files to a dated name beside
// it; returns the new name of the database, or empty when it could not be moved.
QString setAside(const QString& path) {
    const QString suffix = ".damaged-" + QDateTime::currentDateTime().toString("yyyy-MM-dd-HHmmss");
    QString moved = path + suffix;
    for (int n = 2; QFile::exists(moved); ++n) {
        moved = path + suffix + "-" + QString::number(n);
    }
    if (!QFile::rename(path, moved)) {
        return {};
    }
    for (const char* journal : {"-wal", "-shm"}) {
        if (QFile::exists(path + journal)) {
            QFile::rename(path + journal, moved + journal);
        }
    }
    return moved;
}

std::unique_ptr<PracticeStore> openFile(const QString& target) {
    auto store = std::make_unique<PracticeStore>(target);
    PracticeStore::Failure failure = store->Open();
    if (failure == PracticeStore::Failure::Damaged) {
        const QString moved = setAside(target);
        if (!moved.isEmpty()) {
            failure = store->Open();
            if (failure == PracticeStore::Failure::None) {
                tell(PracticeHistory::SetAsideMessage(moved));
                return store;
            }
        }
    }
    if (failure != PracticeStore::Failure::None) {
        tell(PracticeHistory::UnavailableMessage(store->LastError()));
        return nullptr;
    }
    return store;
}

// The password of the server chosen in the Database dialog; a URI given
// otherwise brings its own (or the server's client files give it).
std::optional<QString> passwordFor(const QString& target) {
    const DatabaseChoice choice = DatabaseChoice::Saved();
    if (choice.server && choice.Uri() == target) {
        return ServerPassword::For(choice);
    }
    return QString();
}

// Opens the server; when asked to, the therapist is told once (until it
// opens again) that it cannot be used.
std::unique_ptr<PracticeStore> openServer(const QString& target, bool tellFailure) {
    HistoryState& s = state();
    s.lastTryMs = platform().MonotonicMs();
    auto store = std::make_unique<PracticeStore>(target);
    const std::optional<QString> password = passwordFor(target);
    if (password) {
        store->SetPassword(*password);
        if (store->Open() == PracticeStore::Failure::None) {
            s.told = false;
            return store;
        }
    }
    if (tellFailure && !s.told) {
        s.told = true;
        tell(PracticeHistory::ServerUnavailableMessage(
            password ? store->LastError() : QString("No password was given.")));
    }
    return nullptr;
}

PracticeQueue queue() {
    return PracticeQueue(PracticeHistory::QueueFile());
}

// Writes what waits for the server into store, oldest first, each once: a
// practice the server has already (its answer was lost) is only taken out
// of the queue. Stops at the first failure.
void writeWaiting(PracticeStore& store) {
    PracticeQueue waiting = queue();
    for (const QueuedPractice& practice : waiting.Waiting(store.Target())) {
        const std::optional<bool> kept = store.HasPractice(practice.report);
        if (!kept || (!*kept && !store.Record(practice.report, practice.place).has_value())) {
            return;
        }
        waiting.Remove(practice.id);
        ++state().writtenSinceNote;
    }
}

void keepTryingWhileWaiting() {
    HistoryState& s = state();
    if (s.retryTimer == nullptr && QCoreApplication::instance() != nullptr) {
        s.retryTimer = new QTimer(QCoreApplication::instance());
        s.retryTimer->setInterval(RetryTimerMs);
        QObject::connect(s.retryTimer, &QTimer::timeout, [] {
            PracticeHistory::WriteWaiting();
            if (PracticeHistory::WaitingCount() == 0) {
                state().retryTimer->stop();
            }
        });
    }
    if (s.retryTimer != nullptr && !s.retryTimer->isActive()) {
        s.retryTimer->start();
    }
}

// The server opened again now, quietly (the connection may have been lost).
PracticeStore* reopenedServer() {
    PracticeHistory::Close();
    HistoryState& s = state();
    s.tried = true;
    s.store = openServer(PracticeHistory::Target(), false);
    return s.store.get();
}

// Records on the server; when it cannot be reached the practice waits in
// the queue. A write whose answer was lost is not made twice.
bool recordOnServer(const PracticeReport& report, std::optional<ProgramPlace> place) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        PracticeStore* store = attempt == 0 ? PracticeHistory::Store() : reopenedServer();
        if (store == nullptr) {
            break;
        }
        writeWaiting(*store);
        const std::optional<bool> kept =
            attempt == 0 ? std::optional<bool>(false) : store->HasPractice(report);
        if (kept && (*kept || store->Record(report, place).has_value())) {
            return true;
        }
    }
    if (!queue().Add(PracticeHistory::Target(), report, place)) {
        tell("This practice could not be kept: the clinic server cannot be reached and the "
             "practice could not be written on this computer either:\n" +
             PracticeHistory::QueueFile());
        return false;
    }
    keepTryingWhileWaiting();
    return true;
}

// "Clinic server: database kova on host:5432" for a server URI.
QString serverDescription(const QString& target) {
    const QUrl uri(target);
    const QUrlQuery query(uri);
    const QString host = query.hasQueryItem("host") ? query.queryItemValue("host") : uri.host();
    return QString("Clinic server: database %1 on %2:%3")
        .arg(uri.path().mid(1), host)
        .arg(uri.port(DatabaseChoice::DefaultPort));
}

QString localFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath("practice_history.sqlite");
}

} // namespace

namespace PracticeHistory {

QString DefaultTarget() {
    const QString fromEnvironment = qEnvironmentVariable("KOVA_DATABASE");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    const DatabaseChoice choice = DatabaseChoice::Saved();
    if (choice.server) {
        return choice.Uri();
    }
    const QString fromSettings = QSettings("KOVA", "KOVA").value("KOVA_DATABASE").toString();
    if (!fromSettings.isEmpty()) {
        return fromSettings;
    }
    return localFile();
}

bool SetByEnvironment() {
    return !qEnvironmentVariable("KOVA_DATABASE").isEmpty();
}

void UseTarget(const QString& target) {
    Close();
    state().target = target;
    state().told = false;
}

void UseSavedChoice() {
    UseTarget({});
}

QString Target() {
    return state().target.isEmpty() ? DefaultTarget() : state().target;
}

QString Description() {
    const QString target = Target();
    QString described;
    if (PracticeStore::IsServerUri(target)) {
        described = serverDescription(target);
    } else if (QFileInfo(target).absoluteFilePath() == QFileInfo(localFile()).absoluteFilePath()) {
        described = "This computer";
    } else {
        described = "This computer: " + QDir::toNativeSeparators(target);
    }
    return SetByEnvironment() && state().target.isEmpty() ? described + " (set by KOVA_DATABASE)"
                                                          : described;
}

PracticeStore* Store() {
    HistoryState& s = state();
    const bool server = usesServer();
    const bool retryServer = server && s.tried && s.store == nullptr &&
                             platform().MonotonicMs() - s.lastTryMs >= RetryAfterMs;
    if (!s.tried || retryServer) {
        s.tried = true;
        s.store = server ? openServer(Target(), true) : openFile(Target());
        if (!s.closesWithApplication) {
            s.closesWithApplication = true;
            qAddPostRoutine(&PracticeHistory::Close);
        }
    }
    return s.store.get();
}

bool Record(const PracticeReport& report, std::optional<ProgramPlace> place) {
    if (!PresentedSomething(report)) {
        return false;
    }
    if (usesServer()) {
        return recordOnServer(report, place);
    }
    PracticeStore* store = Store();
    if (store == nullptr) {
        return false;
    }
    if (!store->Record(report, place)) {
        tell("This practice could not be kept in the practice history:\n" + store->LastError());
        return false;
    }
    return true;
}

std::optional<int> LastEndLevel(const QString& patient, const QString& exercise) {
    // A few plain practices between adaptive ones leave the level as it was.
    constexpr int PracticesLookedAt = 50;
    PracticeStore* store = patient.trimmed().isEmpty() ? nullptr : Store();
    if (store == nullptr) {
        return std::nullopt;
    }
    for (const PracticeSummary& practice :
         store->LastPractices(patient, exercise, PracticesLookedAt)) {
        if (practice.endLevel) {
            return int(*practice.endLevel);
        }
    }
    return std::nullopt;
}

QList<PastPractice> LastSessions(const PracticeReport& report, int count) {
    if (report.patientName.trimmed().isEmpty()) {
        return {};
    }
    PracticeStore* store = Store();
    if (store == nullptr) {
        return {};
    }
    QList<PastPractice> sessions;
    for (const PracticeSummary& practice :
         store->LastPractices(report.patientName, report.exercise, count)) {
        sessions << PastPractice{practice.started, practice.practiceTime, practice.headline};
    }
    return sessions;
}

void Close() {
    state().store.reset();
    state().tried = false;
}

void UseQueueFile(const QString& path) {
    state().queueFile = path;
    state().writtenSinceNote = 0;
}

QString QueueFile() {
    if (!state().queueFile.isEmpty()) {
        return state().queueFile;
    }
    // Beside the settings file, on this computer whatever database is chosen.
    const QString settings = QSettings("KOVA", "KOVA").fileName();
    return QFileInfo(settings).dir().filePath("waiting_practices.sqlite");
}

int WaitingCount() {
    return usesServer() ? queue().Count(Target()) : 0;
}

int WriteWaiting() {
    if (WaitingCount() == 0) {
        return 0;
    }
    const int before = state().writtenSinceNote;
    PracticeStore* store = state().store ? state().store.get() : reopenedServer();
    if (store != nullptr) {
        writeWaiting(*store);
        if (WaitingCount() > 0 && (store = reopenedServer()) != nullptr) {
            writeWaiting(*store); // the connection had been lost
        }
    }
    return state().writtenSinceNote - before;
}

static QString queueNote() {
    const int written = std::exchange(state().writtenSinceNote, 0);
    if (written > 0) {
        return written == 1 ? QString("1 practice kept on this computer while the clinic server "
                                      "could not be reached has now been written to it.")
                            : QString("%1 practices kept on this computer while the clinic server "
                                      "could not be reached have now been written to it.")
                                  .arg(written);
    }
    const int waiting = WaitingCount();
    if (waiting > 0) {
        return waiting == 1 ? QString("1 practice is kept on this computer until the clinic "
                                      "server answers again; it is written then.")
                            : QString("%1 practices are kept on this computer until the clinic "
                                      "server answers again; they are written then.")
                                  .arg(waiting);
    }
    return {};
}

QString TakeNote() {
    QStringList notes = std::exchange(state().notes, {});
    const QString queued = queueNote();
    if (!queued.isEmpty()) {
        notes.prepend(queued);
    }
    return notes.join('\n');
}

void AddNote(const QString& note) {
    state().notes << note;
}

void UnavailableServerAccepted() {
    state().told = true;
}

QString UnavailableMessage(const QString& reason) {
    return "The practice history cannot be opened, so practices are not kept in this "
           "session. KOVA works as usual otherwise.\n\n" +
           Target() + "\n" + reason;
}

QString SetAsideMessage(const QString& setAsidePath) {
    return "The practice history file was damaged. It has been set aside, unchanged, as\n" +
           setAsidePath + "\nand a new, empty history is kept from now on.";
}

QString ServerUnavailableMessage(const QString& reason) {
    return "The practice history on the clinic server cannot be opened now. Practices "
           "finished meanwhile are kept on this computer and written to the server when it "
           "answers again. KOVA works as usual otherwise.\n\n" +
           Description() + "\n" + reason;
}

} // namespace PracticeHistory
