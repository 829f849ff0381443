// A PostgreSQL server for one test program: a new cluster in a temporary
// folder, reached through a unix socket only, stopped and removed at the end.
// When run as root the server runs as the user "nobody" (PostgreSQL refuses
// to run as root).
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

class ThrowawayPostgres {
public:
    // How the server is reached: its unix socket only, or also TCP on
    // 127.0.0.1 with the user kova's password (Password), optionally
    // offering TLS with a self-signed certificate made for it.
    struct Access {
        bool tcp = false;
        bool tls = false;
    };
    static constexpr const char* Password = "throwaway secret";

    ThrowawayPostgres();
    explicit ThrowawayPostgres(Access access);
    ~ThrowawayPostgres();

    // Starts the server (again, after Stop); false with the reason when it cannot.
    bool Start(QString* reason);
    // Stops the server, keeping its data for the next Start.
    bool Stop(QString* reason);
    // "postgresql://kova@localhost/postgres?host=<socket folder>"
    QString Uri() const;
    // The TCP port; 0 without TCP.
    int Port() const { return port_; }

    // The server for this test program, started on first use; nullptr with
    // the reason when there is none. Tests skip then, unless
    // KOVA_REQUIRE_POSTGRES is set (CI), when they fail.
    static ThrowawayPostgres* Shared(QString* reason);
    // The same for servers reached as `access` says, one of each kind.
    static ThrowawayPostgres* Shared(Access access, QString* reason);
    // Stops the shared servers (while the application still runs).
    static void StopShared();
    static bool Required();

private:
    bool run(const QString& program, const QStringList& arguments, QString* reason);

    bool create(QString* reason);
    bool makeCertificate(QString* reason);

    Access access_;
    int port_ = 0;
    QString binaries_;
    std::unique_ptr<QTemporaryDir> folder_;
    bool started_ = false;
};
