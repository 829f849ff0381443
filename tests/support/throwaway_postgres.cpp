#include "tests/support/throwaway_postgres.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
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

// A TCP port that nothing listens on now.
int freePort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(probe, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    close(probe);
    return port;
}

} // namespace

ThrowawayPostgres::ThrowawayPostgres() : ThrowawayPostgres(Access{}) {}

ThrowawayPostgres::ThrowawayPostgres(Access access)
    : access_(access), binaries_(serverBinaries()) {}

ThrowawayPostgres::~ThrowawayPostgres() {
    if (started_) {
        QString ignored;
        run("pg_ctl", {"-D", folder_->path() + "/data", "-m", "immediate", "-w", "stop"}, &ignored);
    }
}

bool ThrowawayPostgres::run(const QString& program, const QStringList& arguments, QString* reason) {
    QProcess process;
    QString command = program.startsWith('/') ? program : binaries_ + "/" + program;
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

bool ThrowawayPostgres::create(QString* reason) {
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
    QStringList initdb = {
        "-D", folder_->path() + "/data", "-U", "kova", "-E", "UTF8", "--no-locale", "--no-sync"};
    if (access_.tcp) {
        const QString passwordFile = folder_->path() + "/password";
        QFile file(passwordFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(Password) < 0) {
            *reason = "the password file cannot be written";
            return false;
        }
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        initdb << "--auth-local=trust"
               << "--auth-host=scram-sha-256"
               << "--pwfile" << passwordFile;
        port_ = freePort();
    } else {
        initdb << "--auth=trust";
    }
    return run("initdb", initdb, reason) && (!access_.tls || makeCertificate(reason));
}

bool ThrowawayPostgres::makeCertificate(QString* reason) {
    const QString openssl = QStandardPaths::findExecutable("openssl");
    if (openssl.isEmpty()) {
        *reason = "openssl is not installed";
        return false;
    }
    const QString folder = folder_->path();
    if (!run(openssl,
             {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
              "-keyout", folder + "/server.key", "-out", folder + "/server.crt", "-days", "2",
              "-subj", "/CN=localhost"},
             reason)) {
        return false;
    }
    QFile::setPermissions(folder + "/server.key", QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

bool ThrowawayPostgres::Start(QString* reason) {
    if (!folder_ && !create(reason)) {
        return false;
    }
    const QString data = folder_->path() + "/data";
    // No fsync: the cluster lives for one test program. TCP only when asked for.
    QString serverOptions = "-k " + folder_->path() + " -F -c full_page_writes=off";
    serverOptions += access_.tcp ? QString(" -c listen_addresses=127.0.0.1 -p %1").arg(port_)
                                 : QString(" -c listen_addresses=");
    if (access_.tls) {
        serverOptions += " -c ssl=on -c ssl_cert_file=" + folder_->path() +
                         "/server.crt -c ssl_key_file=" + folder_->path() + "/server.key";
    }
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

bool ThrowawayPostgres::Stop(QString* reason) {
    if (!started_) {
        return true;
    }
    started_ = false;
    return run("pg_ctl", {"-D", folder_->path() + "/data", "-m", "fast", "-w", "stop"}, reason);
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
// By access: socket only, TCP, TCP with TLS.
SharedServer& shared(ThrowawayPostgres::Access access) {
    static SharedServer s[3];
    return s[access.tls ? 2 : access.tcp ? 1 : 0];
}
} // namespace

ThrowawayPostgres* ThrowawayPostgres::Shared(QString* reason) {
    return Shared(Access{}, reason);
}

ThrowawayPostgres* ThrowawayPostgres::Shared(Access access, QString* reason) {
    SharedServer& s = shared(access);
    if (!s.tried) {
        s.tried = true;
        s.server = std::make_unique<ThrowawayPostgres>(access);
        if (!s.server->Start(&s.why)) {
            s.server.reset();
        }
    }
    *reason = s.why;
    return s.server.get();
}

void ThrowawayPostgres::StopShared() {
    for (const Access access : {Access{}, Access{true, false}, Access{true, true}}) {
        shared(access).server.reset();
    }
}
