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
    ThrowawayPostgres();
    ~ThrowawayPostgres();

    // Starts the server; false with the reason when it cannot.
    bool Start(QString* reason);
    // "postgresql://kova@localhost/postgres?host=<socket folder>"
    QString Uri() const;

    // The server for this test program, started on first use; nullptr with
    // the reason when there is none. Tests skip then, unless
    // KOVA_REQUIRE_POSTGRES is set (CI), when they fail.
    static ThrowawayPostgres* Shared(QString* reason);
    // Stops the shared server (while the application still runs).
    static void StopShared();
    static bool Required();

private:
    bool run(const QString& program, const QStringList& arguments, QString* reason);

    QString binaries_;
    std::unique_ptr<QTemporaryDir> folder_;
    bool started_ = false;
};
