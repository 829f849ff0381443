#include "help_pages.h"

#include <QRegularExpression>

namespace {

// Only what the help window's rich-text engine renders: plain element styles,
// no scripts, no external files.
const char* const Style = R"(
body { font-family: "Liberation Sans", "DejaVu Sans", sans-serif; font-size: 11pt; }
h1 { color: #1f4e8c; font-size: 18pt; }
h2 { color: #1f4e8c; font-size: 13pt; margin-top: 14px; }
h3 { font-size: 11pt; margin-top: 10px; }
th { background-color: #e4ecf7; text-align: left; }
td, th { padding: 3px; }
p.note { background-color: #fff8d8; }
)";

} // namespace

QString HelpPage(const QString& body) {
    const QRegularExpression heading("<h1>(.*?)</h1>",
                                     QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = heading.match(body);
    QString title = match.hasMatch() ? match.captured(1) : QString("KOVA Help");
    title.remove(QRegularExpression("<[^>]*>"));
    return QString("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                   "<style>%2</style>\n</head>\n<body>\n%3</body>\n</html>\n")
        .arg(title.trimmed(), QString::fromLatin1(Style), body);
}
