// Tests over both stores of the practice history: a SQLite file and the
// shared throwaway PostgreSQL server.
#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <string>

enum class Backend { SQLite, PostgreSQL };

inline const auto BothBackends = ::testing::Values(Backend::SQLite, Backend::PostgreSQL);
inline std::string BackendName(Backend backend) {
    return backend == Backend::SQLite ? "SQLite" : "PostgreSQL";
}
inline std::string BackendTestName(const ::testing::TestParamInfo<Backend>& info) {
    return BackendName(info.param);
}

// The store a test of that backend starts from: a new SQLite file, or the
// shared server emptied of KOVA's tables. Without a server the test fails
// (when KOVA_REQUIRE_POSTGRES is set) or is skipped and target stays empty;
// the caller returns then.
void FreshStore(Backend backend, QString* target);
// Fails the test (when a server is required) or skips it, telling why there
// is no server.
void FailOrSkipWithoutServer(const QString& reason);
