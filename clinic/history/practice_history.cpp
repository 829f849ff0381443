#include "clinic/history/practice_history.h"

#include "clinic/history/practice_facts.h"
#include "shell/platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace {

struct HistoryState {
    QString target; // empty: the default target
    std::unique_ptr<PracticeStore> store;
    bool tried = false; // opening was tried (and told about when it failed)
    bool closesWithApplication = false;
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

std::unique_ptr<PracticeStore> openStore(const QString& target) {
    auto store = std::make_unique<PracticeStore>(target);
    PracticeStore::Failure failure = store->Open();
    if (failure == PracticeStore::Failure::Damaged && !PracticeStore::IsServerUri(target)) {
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

} // namespace

namespace PracticeHistory {

QString DefaultTarget() {
    const QString fromEnvironment = qEnvironmentVariable("KOVA_DATABASE");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    const QString fromSettings = QSettings("KOVA", "KOVA").value("KOVA_DATABASE").toString();
    if (!fromSettings.isEmpty()) {
        return fromSettings;
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath("practice_history.sqlite");
}

void UseTarget(const QString& target) {
    Close();
    state().target = target;
}

QString Target() {
    return state().target.isEmpty() ? DefaultTarget() : state().target;
}

PracticeStore* Store() {
    HistoryState& s = state();
    if (!s.tried) {
        s.tried = true;
        s.store = openStore(Target());
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

QString UnavailableMessage(const QString& reason) {
    return "The practice history cannot be opened, so practices are not kept in this "
           "session. KOVA works as usual otherwise.\n\n" +
           Target() + "\n" + reason;
}

QString SetAsideMessage(const QString& setAsidePath) {
    return "The practice history file was damaged. It has been set aside, unchanged, as\n" +
           setAsidePath + "\nand a new, empty history is kept from now on.";
}

} // namespace PracticeHistory
