// Practices as CSV text (UTF-8, RFC 4180): one row per practice, one column
// per score line and per option.
#pragma once

#include "clinic/history/practice_store.h"

#include <QByteArray>
#include <QStringList>

// The column headings and rows of the practices, in the order given.
// Columns: Patient, Exercise, Started, Ended, Practice Time, every other score
// line by caption (in the order first met), then every option as
// "Option: caption".
QList<QStringList> PracticeTable(const QList<StoredPractice>& practices);

// The table as CSV: fields quoted when they hold a comma, quote or line
// break, quotes doubled, CRLF line ends, a UTF-8 byte-order mark first so
// spreadsheets read it as UTF-8. A text field that a spreadsheet would take
// for a formula (=, +, -, @ first) starts with an apostrophe.
QByteArray CsvText(const QList<QStringList>& table);

// Writes the CSV file whole or not at all; false with the reason on failure.
bool WriteCsvFile(const QString& path, const QByteArray& csv, QString* error);
