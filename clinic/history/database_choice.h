// Where the practice history is kept, as chosen in the Database dialog: this
// computer, or a clinic's PostgreSQL server. The choice is kept in the
// settings; the server's password never is (see ServerPassword).
#pragma once

#include <QString>
#include <functional>
#include <optional>

struct DatabaseChoice {
    static constexpr int DefaultPort = 5432;

    bool server = false; // false: this computer
    QString host;
    int port = DefaultPort;
    QString database = "kova";
    QString user;
    bool requireEncryption = true;

    // The choice kept in the settings; this computer when none was made.
    static DatabaseChoice Saved();
    void Save() const;

    // The server's "postgresql://" URI, without the password.
    QString Uri() const;
    // What the window title shows: "This computer" or
    // "Clinic server: database kova on host:5432".
    QString Description() const;
    // The name the password is kept under in the keyring.
    QString KeyringKey() const;
};

// The clinic server's password: in the desktop's keyring when there is one,
// otherwise asked for once per run and kept in memory only.
namespace ServerPassword {

// The password for the server chosen: remembered in this run, else from the
// keyring, else asked for (once per run: a Cancel is remembered too).
std::optional<QString> For(const DatabaseChoice& choice);
// The password known without asking, for filling in the dialog; empty when none.
QString Known(const DatabaseChoice& choice);
// Keeps the password in the keyring, and for this run; false when there is
// no keyring, so that it is asked for again in the next run.
bool Keep(const DatabaseChoice& choice, const QString& password);

// How the password is asked for: the prompt's text in, the password out
// (nothing on Cancel). A masked input dialog unless a test set another.
using Prompt = std::function<std::optional<QString>(const QString& text)>;
void SetPrompt(Prompt prompt);
// Forgets what this run remembered (tests, a new run).
void ForgetRun();

} // namespace ServerPassword
