// A patient's therapy program: exercises with every option set, run in
// order, on some days of the week.
#pragma once

#include "shell/framework/option_values.h"

#include <QDate>
#include <QList>
#include <QString>

struct ProgramStep {
    QString exercise;     // the main menu's caption, e.g. "Flipper"
    OptionValues options; // every setting of its options screen, the practice time among them

    // The step's practice time in minutes (its "cboPracTime"); 0 when it has none.
    int PracticeMinutes() const;
    bool operator==(const ProgramStep&) const = default;
};

struct TherapyProgram {
    qint64 id = 0; // 0 until stored
    QString patient;
    QString name;
    QList<ProgramStep> steps;
    int days = 0; // bit (d - 1) for each day d of the week it is meant for, Monday = 1
    int sessionsPerWeek = 0;
    bool current = false; // the patient's program that "Today's Program" runs

    bool MeantFor(Qt::DayOfWeek day) const { return (days & DayBit(day)) != 0; }
    static int DayBit(Qt::DayOfWeek day) { return 1 << (static_cast<int>(day) - 1); }
    static constexpr int EveryDay = 0x7f;
    bool operator==(const TherapyProgram&) const = default;
};
