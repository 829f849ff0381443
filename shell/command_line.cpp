#include "shell/command_line.h"

namespace {

QString helpText() {
    return "Usage: kova [option]\n"
           "KOVA " +
           KovaVersion() +
           ": visual-perception training exercises.\n"
           "\n"
           "Options:\n"
           "  -h, --help     show this help and end\n"
           "  -v, --version  show the version and end\n"
           "  Qt's own options, such as -platform <name>, are accepted too.\n"
           "\n"
           "Environment:\n"
           "  KOVA_DATABASE          where the practice history is kept: a file name or\n"
           "                         a postgresql://user@host:port/database URI; it\n"
           "                         overrides the Database setting of the Practice\n"
           "                         History window\n"
           "  KOVA_EXIT_AFTER_START  start-up check: show the main menu, say which\n"
           "                         picture, help page and modules were found, then\n"
           "                         end; set to \"load\", load the clinic module too\n"
           "\n"
           "Files:\n"
           "  Pictures, sounds and help pages are looked for by name in the current\n"
           "  directory, then in assets/ beside the kova program, then in\n"
           "  ../share/kova beside it. A picture put in the current directory replaces\n"
           "  the built-in one of the same name.\n"
           "  The practice history is kept in practice_history.sqlite in the user's\n"
           "  data folder (~/.local/share/KOVA) unless another database is chosen.\n"
           "  The settings, among them the database chosen in the Practice History\n"
           "  window, are kept in ~/.config/KOVA/KOVA.conf; a clinic server's password\n"
           "  in the desktop's keyring, never in a file. Practices waiting for a clinic\n"
           "  server that could not be reached are kept in waiting_practices.sqlite\n"
           "  beside the settings.\n";
}

} // namespace

QString KovaVersion() {
    return QStringLiteral(KOVA_VERSION);
}

std::optional<CommandLineReply> ReplyToCommandLine(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            return CommandLineReply{helpText(), 0};
        }
        if (argument == "--version" || argument == "-v") {
            return CommandLineReply{"KOVA " + KovaVersion() + "\n", 0};
        }
    }
    return std::nullopt;
}
