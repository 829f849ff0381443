// The practices done on one computer (at home), as a file for the clinic's
// KOVA to import: JSON, described in program_file.md.
#pragma once

#include "clinic/history/practice_store.h"

#include <QByteArray>
#include <optional>

inline constexpr int PracticesFileVersion = 1;

QByteArray PracticesFileText(const QString& patient, const QList<PortablePractice>& practices);

// The practices read from a file, or why the file is refused: the first bad
// field, with its place ("practices[3].ended: ...").
struct PracticesFileReading {
    std::optional<QList<PortablePractice>> practices;
    QString patient;
    QString refusal;
};
PracticesFileReading ReadPracticesFile(const QByteArray& text);
