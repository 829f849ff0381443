// The names that tie an exercise's options, therapy and scores screens together.
#pragma once

#include <QString>

struct Triad {
    QString options;
    QString therapy;
    QString scores;
    QString helpFile; // e.g. "Flipper.hlp"
};

// Opens the exercise menu frame of the main menu again.
void ShowMainMenuFrame();

// "KOVA.....Practice Time = 3 Mins  7 Secs", from the last elapsed values.
QString PracticeTimeLine();
// "3 Mins  7 Secs", from the last elapsed values.
QString PracticeTimeText();

// Opens a help file from the current directory and records the result.
void OpenHelpFile(const QString& helpFile);
