#include "tests/support/practice_samples.h"

#include "shell/framework/scores_screen.h"

PracticeReport SamplePractice(const QString& patient, const QString& exercise,
                              const QDateTime& start, int correct, int tried, double averageSecs) {
    PracticeReport r;
    r.exercise = exercise;
    r.patientName = patient;
    r.started = start;
    r.ended = start.addSecs(5 * 60 + 7);
    r.practiceTime = "5 Mins  7 Secs";
    r.options = {{"Practice Time:", "15", 15.0}, {"Picture Order:", "Random", std::nullopt}};
    const QString percent = ScoresScreen::PercentText(correct, tried);
    r.scores = {
        {"Practice Time", r.practiceTime, std::nullopt},
        {"Total  Correct", QString::number(correct), double(correct)},
        {"Total Incorrect", QString::number(tried - correct), double(tried - correct)},
        {"Percent Correct", percent,
         tried > 0 ? std::optional<double>(WholePercent(correct, tried)) : std::nullopt},
        {"Ave Response Time", QString::number(averageSecs, 'f', 1) + " Secs", averageSecs},
    };
    return r;
}

QList<PracticeReport> SampleSessions(const QString& patient, int count, const QDateTime& firstDay) {
    static const char* const exercises[] = {"Flipper", "Tracking Sequences", "Shape Counting"};
    QList<PracticeReport> sessions;
    for (int i = 0; i < count; ++i) {
        const int tried = 20 + i % 7;
        const int correct =
            std::min(tried, tried / 2 + i * tried / (2 * std::max(1, count)) + i % 3);
        sessions << SamplePractice(patient, exercises[i % 3], firstDay.addDays(i), correct, tried,
                                   3.2 - 1.6 * i / std::max(1, count) + (i % 4) * 0.1);
    }
    return sessions;
}

QStringList LinesOf(const QList<ReportLine>& lines) {
    QStringList texts;
    for (const ReportLine& line : lines) {
        texts << QString("%1 | %2 | %3")
                     .arg(line.caption, line.text,
                          line.number ? QString::number(*line.number, 'g', 17) : "none");
    }
    return texts;
}

QStringList LinesOf(const PracticeReport& report) {
    return QStringList{report.patientName,
                       report.exercise,
                       report.started.toUTC().toString(Qt::ISODateWithMs),
                       report.ended.toUTC().toString(Qt::ISODateWithMs),
                       report.practiceTime,
                       "options:"} +
           LinesOf(report.options) + QStringList{"scores:"} + LinesOf(report.scores);
}
