#include "clinic/history/connection_check.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

namespace {

bool mentionsAny(const QString& text, const QStringList& phrases) {
    for (const QString& phrase : phrases) {
        if (text.contains(phrase, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

QString place(const DatabaseChoice& choice) {
    return QString("%1:%2").arg(choice.host).arg(choice.port);
}

// Whether the connection just made is encrypted, as the server sees it.
bool encrypted(QSqlDatabase& db) {
    QSqlQuery query(db);
    return query.exec("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()") && query.next() &&
           query.value(0).toBool();
}

// The connection options of the choice's URI, as the driver takes them.
QString connectOptions(const DatabaseChoice& choice) {
    QStringList options;
    for (const auto& [key, value] : QUrlQuery(QUrl(choice.Uri())).queryItems()) {
        options << key + "=" + value;
    }
    return options.join(';');
}

} // namespace

ConnectionVerdict VerdictOf(const DatabaseChoice& choice, const QString& errorText) {
    using Kind = ConnectionVerdict::Kind;
    // The client library's and the server's own words (in English).
    if (mentionsAny(errorText, {"password authentication failed", "no password supplied",
                                "authentication failed"})) {
        return {Kind::WrongPassword,
                QString("The server refused the user name or password. Check that the user "
                        "\"%1\" and its password are right.")
                    .arg(choice.user)};
    }
    if (mentionsAny(errorText, {"does not exist"}) && errorText.contains("database")) {
        return {Kind::NoSuchDatabase,
                QString("The server has no database called \"%1\". Check the name, or ask the "
                        "administrator to create it.")
                    .arg(choice.database)};
    }
    if (mentionsAny(errorText, {"does not support SSL", "SSL off", "no encryption"})) {
        return {Kind::NotEncrypted,
                QString("The server at %1 does not offer an encrypted connection, and one is "
                        "required. Ask the administrator to turn on TLS on the server.")
                    .arg(place(choice))};
    }
    if (mentionsAny(errorText, {"could not connect", "connection refused", "could not translate",
                                "timeout expired", "no route to host", "network is unreachable",
                                "connection to server", "name or service not known"})) {
        return {Kind::Unreachable,
                QString("The server at %1 cannot be reached. Check the host name and port, that "
                        "the server is running, and that this computer is on the network.")
                    .arg(place(choice))};
    }
    return {Kind::Other, "The connection failed. The server said:\n" + errorText.trimmed()};
}

ConnectionVerdict CheckConnection(const DatabaseChoice& choice, const QString& password) {
    static int made = 0;
    const QString name = QString("kova_connection_check_%1").arg(++made);
    ConnectionVerdict verdict;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", name);
        db.setHostName(choice.host);
        db.setPort(choice.port);
        db.setDatabaseName(choice.database);
        db.setUserName(choice.user);
        db.setPassword(password);
        db.setConnectOptions(connectOptions(choice));
        if (!db.open()) {
            verdict = VerdictOf(choice, db.lastError().text());
        } else if (encrypted(db)) {
            verdict = {ConnectionVerdict::Kind::Works,
                       QString("The connection works: database \"%1\" on %2, encrypted.")
                           .arg(choice.database, place(choice))};
        } else {
            verdict = {ConnectionVerdict::Kind::Works,
                       QString("The connection works: database \"%1\" on %2, but it is not "
                               "encrypted.")
                           .arg(choice.database, place(choice))};
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return verdict;
}
