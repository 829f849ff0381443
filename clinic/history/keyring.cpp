#include "clinic/history/keyring.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

const char* const Service = "KOVA";

// QtKeychain answers asynchronously: the request is waited for without
// taking user input meanwhile, as it is short (or fails at once when no
// keyring service runs).
QKeychain::Error runJob(QKeychain::Job& job) {
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return job.error();
}

Keyring::Reply replyOf(QKeychain::Error error) {
    switch (error) {
    case QKeychain::NoError:
        return Keyring::Reply::Done;
    case QKeychain::EntryNotFound:
        return Keyring::Reply::NotFound;
    default:
        return Keyring::Reply::NoKeyring;
    }
}

// The desktop's keyrings are reached over the session's message bus;
// without one there is none to ask (a console, a test run).
bool noSessionBus() {
    return qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
}

class DesktopKeyring : public Keyring {
public:
    Reply Read(const QString& key, QString* secret) override {
        if (noSessionBus()) {
            return Reply::NoKeyring;
        }
        QKeychain::ReadPasswordJob job(Service);
        job.setKey(key);
        const Reply reply = replyOf(runJob(job));
        if (reply == Reply::Done) {
            *secret = job.textData();
        }
        return reply;
    }
    Reply Write(const QString& key, const QString& secret) override {
        if (noSessionBus()) {
            return Reply::NoKeyring;
        }
        QKeychain::WritePasswordJob job(Service);
        job.setKey(key);
        job.setTextData(secret);
        return replyOf(runJob(job));
    }
};

std::unique_ptr<Keyring>& current() {
    static std::unique_ptr<Keyring> kept;
    return kept;
}

} // namespace

Keyring& keyring() {
    if (!current()) {
        current() = std::make_unique<DesktopKeyring>();
    }
    return *current();
}

void SetKeyring(std::unique_ptr<Keyring> replacement) {
    current() = std::move(replacement);
}
