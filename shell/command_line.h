// What KOVA answers on its command line: --help and --version. Every other
// argument is left to Qt (such as -platform or -style).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct CommandLineReply {
    QString text; // printed on standard output
    int exitCode = 0;
};

// KOVA's version, as the build names it.
QString KovaVersion();

// The reply when the arguments (without the program name) ask for help or
// the version; nothing when KOVA should start.
std::optional<CommandLineReply> ReplyToCommandLine(const QStringList& arguments);
