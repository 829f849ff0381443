// The keyring module: the clinic server's password kept in the desktop's
// keyring through QtKeychain. Loaded by keyring() when a password is first
// read or kept.
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

class DesktopKeyring final : public Keyring {
public:
    Reply Read(const QString& key, QString* secret) override {
        QKeychain::ReadPasswordJob job(Service);
        job.setKey(key);
        const Reply reply = replyOf(runJob(job));
        if (reply == Reply::Done) {
            *secret = job.textData();
        }
        return reply;
    }
    Reply Write(const QString& key, const QString& secret) override {
        QKeychain::WritePasswordJob job(Service);
        job.setKey(key);
        job.setTextData(secret);
        return replyOf(runJob(job));
    }
};

} // namespace

extern "C" Q_DECL_EXPORT Keyring* kova_create_keyring() {
    return new DesktopKeyring;
}
