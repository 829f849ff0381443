#include "clinic/history/keyring.h"

#include "shell/modules.h"

#include <cstdio>

namespace {

// Answers that there is no keyring: the password is then asked for once per run.
class AbsentKeyring final : public Keyring {
public:
    Reply Read(const QString&, QString*) override { return Reply::NoKeyring; }
    Reply Write(const QString&, const QString&) override { return Reply::NoKeyring; }
};

// The desktop's keyring, from its module (loaded only now, so that starting
// KOVA does not load the keyring library). The desktop's keyrings are reached
// over the session's message bus; without one there is none to ask (a
// console, a test run).
std::unique_ptr<Keyring> desktopKeyring() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return std::make_unique<AbsentKeyring>();
    }
    QString why;
    const auto create = reinterpret_cast<Keyring* (*)()>(
        ModuleFunction(KeyringModuleFileName(), "kova_create_keyring", &why));
    if (create == nullptr) {
        std::fputs(("KOVA finds no keyring: " + why + "\n").toLocal8Bit().constData(), stderr);
        return std::make_unique<AbsentKeyring>();
    }
    return std::unique_ptr<Keyring>(create());
}

std::unique_ptr<Keyring>& current() {
    static std::unique_ptr<Keyring> kept;
    return kept;
}

} // namespace

QString KeyringModuleFileName() {
    return QStringLiteral("libkova_keyring.so");
}

Keyring& keyring() {
    if (!current()) {
        current() = desktopKeyring();
    }
    return *current();
}

void SetKeyring(std::unique_ptr<Keyring> replacement) {
    current() = std::move(replacement);
}
