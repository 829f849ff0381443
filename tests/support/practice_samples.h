// Practice reports made up for tests, benchmarks and screenshots.
#pragma once

#include "shell/framework/practice_report.h"

// A practice of a picture exercise: correct out of tried, an average
// response time, two options; started at `start`, ended 5 minutes later.
PracticeReport SamplePractice(const QString& patient, const QString& exercise,
                              const QDateTime& start, int correct, int tried, double averageSecs);
// `count` practices of one patient, one a day from `firstDay`, getting
// better: the exercises take turns among Flipper, Tracking Sequences and
// Shape Counting.
QList<PracticeReport> SampleSessions(const QString& patient, int count, const QDateTime& firstDay);
// The lines of a report as "caption | text | number", one a line, for
// comparing what was kept with what was shown in one check.
QStringList LinesOf(const QList<ReportLine>& lines);
// The same for a whole report: patient, exercise, times, options and scores.
QStringList LinesOf(const PracticeReport& report);
