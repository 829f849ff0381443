// Where the clinic server's password is kept between runs: the desktop's
// keyring. Tests put a fake one in its place.
#pragma once

#include <QString>
#include <memory>
#include <optional>

class Keyring {
public:
    virtual ~Keyring() = default;

    // Whether a keyring answered the last request.
    enum class Reply { Done, NotFound, NoKeyring };

    // The secret kept under key; nothing with NotFound or NoKeyring.
    virtual Reply Read(const QString& key, QString* secret) = 0;
    virtual Reply Write(const QString& key, const QString& secret) = 0;
};

// The keyring in use: the desktop's (through QtKeychain, in a module loaded
// at the first use) unless a test put another.
Keyring& keyring();
QString KeyringModuleFileName();
void SetKeyring(std::unique_ptr<Keyring> replacement);
