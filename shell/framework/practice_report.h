// What one finished practice was: read from the scores screen's own lines
// and the options screen's own controls, never from pixels.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class ScoresScreen;

struct ReportLine {
    QString caption;              // as shown, trailing blanks and ":" kept as shown
    QString text;                 // the value as shown ("58%", "1.4 Secs", "12")
    std::optional<double> number; // the value as a number when it is one ("58%" -> 58)
    bool setting = false;         // a scores line that shows a setting of the run again
};

// An earlier practice of the same patient and exercise, as a report lists it.
struct PastPractice {
    QDateTime started;
    QString practiceTime; // as its scores screen showed it
    QString headline;     // its main score, e.g. "Percent Correct 58%"
};

// A table that the program adds to a printed report (a therapy program's
// sessions planned and done), printed as it is.
struct ReportTable {
    QString heading;
    QStringList columns;
    QList<QStringList> rows;
};

struct PracticeReport {
    QString exercise;          // the exercise's menu name, e.g. "Flipper"
    QString patientName;       // as entered; empty when none was entered
    QDateTime started;         // when the practice clock started (the therapy screen opened)
    QDateTime ended;           // when the scores screen was shown for it
    QString practiceTime;      // the practice-time value as the scores screen shows it
    QList<ReportLine> options; // every option: caption and chosen value, in screen order
    QList<ReportLine> scores;  // every score line shown, in screen order
    // The patient's latest practices of this exercise kept in the history,
    // newest first; empty when there is no history to read them from.
    QList<PastPractice> lastSessions;
    // Tables printed after the last sessions; empty when there is none.
    QList<ReportTable> tables;
};

// The report of the practice that this scores screen shows now.
PracticeReport ReportOf(const ScoresScreen& screen);

// The options a screen shows, in the order the screen builds them: each
// combo box or text box with the caption label beside it, each captioned
// frame of option buttons with the one chosen, each check box, each scroll
// bar (captioned by its frame or its accessible name). Hidden controls and
// those marked with LeaveOutOfReport are not options of the run.
QList<ReportLine> OptionLinesOf(const QWidget& optionsScreen);

// Marks a control (and all it holds) as no option of the run, such as a
// preview of the pictures an exercise uses.
void LeaveOutOfReport(QWidget* control);
// Whether the control, or what holds it on the screen, is so marked.
bool IsLeftOutOfReport(const QWidget& control, const QWidget& screen);

// "58%" -> 58, "1.4 Secs" -> 1.4, "12" -> 12; "3 Mins  7 Secs", "Off" and ""
// are no single number.
std::optional<double> NumberIn(const QString& text);
