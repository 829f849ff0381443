// What the history reads from a practice report: the name it is kept under,
// its main score, the two values the progress chart follows, and whether
// anything was presented at all.
#pragma once

#include "shell/framework/practice_report.h"

#include <optional>

// The name a practice is kept under: as entered, or "No name entered".
QString StoredPatientName(const QString& patientName);

// A caption as the history compares it: blanks collapsed and trimmed, a
// trailing ":" dropped, lower case ("Percent Correct:" is "percent correct").
QString PlainCaption(const QString& caption);

// The exercise's main score, caption and text ("Percent Correct 58%"): its
// percent correct when it has one, else its first percentage, else its first
// number other than the practice time and the settings; empty when there is
// none.
QString HeadlineOf(const QList<ReportLine>& scores);
// The percent-correct line's number, if it has one.
std::optional<double> PercentCorrectOf(const QList<ReportLine>& scores);
// The average response time in seconds, if the exercise shows one.
std::optional<double> AverageTimeOf(const QList<ReportLine>& scores);

// Whether anything was presented: the practice was started and a score line,
// other than the practice time or a setting shown again, holds a number
// other than 0.
bool PresentedSomething(const PracticeReport& report);
