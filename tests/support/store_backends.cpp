#include "tests/support/store_backends.h"

#include "clinic/history/practice_store.h"
#include "tests/support/kova_test.h"
#include "tests/support/throwaway_postgres.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// The shared server stops at the end of the test program, while the
// application still runs.
class PostgresEnvironment : public ::testing::Environment {
    void TearDown() override { ThrowawayPostgres::StopShared(); }
};
const auto* const postgresEnvironment =
    ::testing::AddGlobalTestEnvironment(new PostgresEnvironment);

} // namespace

void FailOrSkipWithoutServer(const QString& reason) {
    if (ThrowawayPostgres::Required()) {
        FAIL() << "no PostgreSQL server for the tests: " << reason.toStdString();
    }
    GTEST_SKIP() << "PostgreSQL tests skipped: " << reason.toStdString();
}

void FreshStore(Backend backend, QString* target) {
    if (backend == Backend::SQLite) {
        *target = NewTestHistoryFile();
        return;
    }
    QString reason;
    ThrowawayPostgres* server = ThrowawayPostgres::Shared(&reason);
    if (server == nullptr) {
        FailOrSkipWithoutServer(reason);
        return;
    }
    // Opening makes the tables when they are missing; then they all go.
    PracticeStore fresh(server->Uri());
    ASSERT_EQ(fresh.Open(), PracticeStore::Failure::None) << fresh.LastError().toStdString();
    QSqlQuery drop(fresh.Connection());
    ASSERT_TRUE(drop.exec("DROP TABLE program_step, program, practice_line, practice, kova_schema"))
        << drop.lastError().text().toStdString();
    *target = server->Uri();
}
