// Reads CSV text as a spreadsheet does (RFC 4180: quoted fields, doubled
// quotes, line breaks inside quotes, CRLF or LF line ends, a UTF-8
// byte-order mark first). Fails the test on a malformed text.
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

QList<QStringList> ReadCsv(const QByteArray& csv);
