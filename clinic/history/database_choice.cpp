#include "clinic/history/database_choice.h"

#include "clinic/history/keyring.h"
#include "shell/platform.h"

#include <QHash>
#include <QInputDialog>
#include <QLineEdit>
#include <QUrl>
#include <QUrlQuery>

namespace {

const char* const KindKey = "Database";
const char* const ServerKind = "Server";
const char* const ThisComputerKind = "ThisComputer";
const char* const HostKey = "DatabaseHost";
const char* const PortKey = "DatabasePort";
const char* const NameKey = "DatabaseName";
const char* const UserKey = "DatabaseUser";
const char* const EncryptionKey = "DatabaseRequireEncryption";

// A server that does not answer is given up after this many seconds.
constexpr int ConnectTimeoutSeconds = 10;

} // namespace

DatabaseChoice DatabaseChoice::Saved() {
    Platform& p = platform();
    DatabaseChoice choice;
    choice.server = p.Setting(KindKey) == ServerKind;
    choice.host = p.Setting(HostKey);
    bool numeric = false;
    const int port = p.Setting(PortKey).toInt(&numeric);
    choice.port = numeric && port > 0 ? port : DefaultPort;
    const QString database = p.Setting(NameKey);
    if (!database.isEmpty()) {
        choice.database = database;
    }
    choice.user = p.Setting(UserKey);
    choice.requireEncryption = p.Setting(EncryptionKey) != "0";
    return choice;
}

void DatabaseChoice::Save() const {
    Platform& p = platform();
    p.SetSetting(KindKey, server ? ServerKind : ThisComputerKind);
    p.SetSetting(HostKey, host);
    p.SetSetting(PortKey, QString::number(port));
    p.SetSetting(NameKey, database);
    p.SetSetting(UserKey, user);
    p.SetSetting(EncryptionKey, requireEncryption ? "1" : "0");
}

QString DatabaseChoice::Uri() const {
    QUrl uri;
    uri.setScheme("postgresql");
    uri.setHost(host);
    uri.setPort(port);
    uri.setUserName(user);
    uri.setPath("/" + database);
    QUrlQuery query;
    // "prefer" encrypts whenever the server offers it, "require" refuses a
    // server that does not.
    query.addQueryItem("sslmode", requireEncryption ? "require" : "prefer");
    query.addQueryItem("connect_timeout", QString::number(ConnectTimeoutSeconds));
    uri.setQuery(query);
    return uri.toString();
}

QString DatabaseChoice::Description() const {
    if (!server) {
        return "This computer";
    }
    return QString("Clinic server: database %1 on %2:%3").arg(database, host).arg(port);
}

QString DatabaseChoice::KeyringKey() const {
    return QString("%1@%2:%3/%4").arg(user, host).arg(port).arg(database);
}

namespace ServerPassword {
namespace {

struct RunMemory {
    QHash<QString, QString> passwords; // by keyring key
    QHash<QString, bool> asked;        // asked in this run (also when cancelled)
    Prompt prompt;
};

RunMemory& memory() {
    static RunMemory m;
    return m;
}

std::optional<QString> askMasked(const QString& text) {
    bool ok = false;
    const QString password =
        QInputDialog::getText(nullptr, "KOVA", text, QLineEdit::Password, QString(), &ok);
    return ok ? std::optional<QString>(password) : std::nullopt;
}

} // namespace

QString Known(const DatabaseChoice& choice) {
    const QString key = choice.KeyringKey();
    if (memory().passwords.contains(key)) {
        return memory().passwords.value(key);
    }
    QString kept;
    if (keyring().Read(key, &kept) == Keyring::Reply::Done) {
        memory().passwords.insert(key, kept);
        return kept;
    }
    return {};
}

std::optional<QString> For(const DatabaseChoice& choice) {
    const QString key = choice.KeyringKey();
    const QString known = Known(choice);
    if (memory().passwords.contains(key)) {
        return known;
    }
    if (memory().asked.value(key)) {
        return std::nullopt;
    }
    memory().asked.insert(key, true);
    const Prompt& prompt = memory().prompt ? memory().prompt : Prompt(askMasked);
    const std::optional<QString> given =
        prompt(QString("The password of %1 for the practice history on the clinic server %2:")
                   .arg(choice.user, choice.host));
    if (given) {
        memory().passwords.insert(key, *given);
    }
    return given;
}

bool Keep(const DatabaseChoice& choice, const QString& password) {
    const QString key = choice.KeyringKey();
    memory().passwords.insert(key, password);
    return keyring().Write(key, password) == Keyring::Reply::Done;
}

void SetPrompt(Prompt prompt) {
    memory().prompt = std::move(prompt);
}

void ForgetRun() {
    memory().passwords.clear();
    memory().asked.clear();
}

} // namespace ServerPassword
