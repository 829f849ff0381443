#include "tests/support/csv_reader.h"

#include <gtest/gtest.h>

QList<QStringList> ReadCsv(const QByteArray& csv) {
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool fieldWasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            EXPECT_TRUE(field.isEmpty() && !fieldWasQuoted) << "quote inside a field";
            quoted = fieldWasQuoted = true;
        } else if (c == ',') {
            row << field;
            field.clear();
            fieldWasQuoted = false;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            row << field;
            rows << row;
            row.clear();
            field.clear();
            fieldWasQuoted = false;
        } else {
            field += c;
        }
    }
    EXPECT_FALSE(quoted) << "unclosed quote";
    if (!field.isEmpty() || !row.isEmpty()) {
        row << field;
        rows << row;
    }
    return rows;
}
