// A therapy program as a file, to carry it to another computer (the
// patient's at home): JSON, described in program_file.md.
#pragma once

#include "clinic/programs/therapy_program.h"

#include <QByteArray>
#include <optional>

inline constexpr int ProgramFileVersion = 1;

// The file's text for the program (its id and whether it is current are
// this computer's own and are not written).
QByteArray ProgramFileText(const TherapyProgram& program);

// A program read from a file, or why the file is refused: the first bad
// field, with its place ("steps[1].options: ...").
struct ProgramFileReading {
    std::optional<TherapyProgram> program;
    QString refusal;
};
// Every field is checked, every step against its exercise's own options
// screen; the program read has id 0 and is not current.
ProgramFileReading ReadProgramFile(const QByteArray& text);
