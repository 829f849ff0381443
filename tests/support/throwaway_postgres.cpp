#include "tests/support/throwaway_postgres.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int StartTimeoutMs = 60000;
const char* const ServerUser = "nobody";

// The folder of initdb and pg_ctl: KOVA_PG_BIN, else Debian's newest
// /usr/lib/postgresql/<version>/bin, else the search path.
QString serverBinaries() {
    const QString chosen = qEnvironmentVariable("KOVA_PG_BIN");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(versions.begin(), versions.end(), numeric);
    for (auto v = versions.crbegin(); v != versions.crend(); ++v) {
        const QString bin = "/usr/lib/postgresql/" + *v + "/bin";
        if (QFile::exists(bin + "/initdb") && QFile::exists(bin + "/pg_ctl")) {
            return bin;
        }
    }
    const QString initdb = QStandardPaths::findExecutable("initdb");
    return initdb.isEmpty() ? QString() : QFileInfo(initdb).absolutePath();
}

bool runningAsRoot() {
    return geteuid() == 0;
}

} // namespace

ThrowawayPostgres::ThrowawayPostgres() : binaries_(serverBinaries()) {}

ThrowawayPostgres::~ThrowawayPostgres() {
    if (started_) {
        QString ignored;
        run("pg_ctl", {"-D", folder_->path() + "/data", "-m", "immediate", "-w", "stop"}, &ignored);
    }
}

bool ThrowawayPostgres::run(const QString& program, const QStringList& arguments, QString* reason) {
    QProcess process;
    QString command = binaries_ + "/" + program;
    QStringList all = arguments;
    if (runningAsRoot()) {
        all.prepend(command);
        all = QStringList{"-u", ServerUser, "--"} + all;
        command = "runuser";
    }
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(folder_->path());
    process.start(command, all);
    if (!process.waitForFinished(StartTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *reason = program + " failed: " + QString::fromLocal8Bit(process.readAll()) +
                  process.errorString();
        return false;
    }
    return true;
}

bool ThrowawayPostgres::Start(QString* reason) {
    if (binaries_.isEmpty()) {
        *reason = "no PostgreSQL server programs (initdb, pg_ctl) are installed";
        return false;
    }
    // A short path: a unix socket's path is limited to about 100 bytes.
    folder_ = std::make_unique<QTemporaryDir>("/tmp/kova-pg-XXXXXX");
    if (!folder_->isValid()) {
        *reason = "no temporary folder";
        return false;
    }
    if (runningAsRoot()) {
        const passwd* user = getpwnam(ServerUser);
        if (user == nullptr ||
            chown(folder_->path().toLocal8Bit().constData(), user->pw_uid, user->pw_gid) != 0) {
            *reason = QString("the folder cannot be given to the user ") + ServerUser;
            return false;
        }
    }
    const QString data = folder_->path() + "/data";
    if (!run("initdb",
             {"-D", data, "-U", "kova", "--auth=trust", "-E", "UTF8", "--no-locale", "--no-sync"},
             reason)) {
        return false;
    }
    // No TCP port, and no fsync: the cluster lives for one test program.
    const QString serverOptions =
        "-k " + folder_->path() + " -c listen_addresses= -F -c full_page_writes=off";
    if (!run("pg_ctl",
             {"-D", data, "-o", serverOptions, "-l", folder_->path() + "/server.log", "-w", "-t",
              "60", "start"},
             reason)) {
        QFile log(folder_->path() + "/server.log");
        if (log.open(QIODevice::ReadOnly)) {
            *reason += "\n" + QString::fromUtf8(log.readAll());
        }
        return false;
    }
    started_ = true;
    return true;
}

QString ThrowawayPostgres::Uri() const {
    return "postgresql://kova@localhost/postgres?host=" + folder_->path();
}

bool ThrowawayPostgres::Required() {
    return qEnvironmentVariableIsSet("KOVA_REQUIRE_POSTGRES");
}

namespace {
struct SharedServer {
    bool tried = false;
    QString why;
    std::unique_ptr<ThrowawayPostgres> server;
};
SharedServer& shared() {
    static SharedServer s;
    return s;
}
} // namespace

ThrowawayPostgres* ThrowawayPostgres::Shared(QString* reason) {
    SharedServer& s = shared();
    if (!s.tried) {
        s.tried = true;
        s.server = std::make_unique<ThrowawayPostgres>();
        if (!s.server->Start(&s.why)) {
            s.server.reset();
        }
    }
    *reason = s.why;
    return s.server.get();
}

void ThrowawayPostgres::StopShared() {
    shared().server.reset();
}
