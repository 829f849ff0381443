#include "clinic/history/practice_facts.h"

#include <algorithm>
#include <functional>

namespace {

bool isPracticeTime(const ReportLine& line) {
    return PlainCaption(line.caption) == "practice time";
}

const ReportLine* firstLine(const QList<ReportLine>& lines,
                            const std::function<bool(const ReportLine&)>& wanted) {
    const auto found = std::find_if(lines.begin(), lines.end(), wanted);
    return found == lines.end() ? nullptr : &*found;
}

QString headlineText(const ReportLine& line) {
    QString caption = line.caption.simplified();
    if (caption.endsWith(':')) {
        caption.chop(1);
    }
    return caption + " " + line.text.trimmed();
}

} // namespace

QString StoredPatientName(const QString& patientName) {
    return patientName.isEmpty() ? QStringLiteral("No name entered") : patientName;
}

QString PlainCaption(const QString& caption) {
    QString plain = caption.simplified();
    if (plain.endsWith(':')) {
        plain.chop(1);
    }
    return plain.trimmed().toLower();
}

QString HeadlineOf(const QList<ReportLine>& scores) {
    const ReportLine* line = firstLine(scores, [](const ReportLine& l) {
        return l.number && PlainCaption(l.caption).startsWith("percent correct");
    });
    if (line == nullptr) {
        line = firstLine(
            scores, [](const ReportLine& l) { return l.number && l.text.trimmed().endsWith('%'); });
    }
    if (line == nullptr) {
        line = firstLine(scores, [](const ReportLine& l) {
            return l.number && !isPracticeTime(l) && !l.setting;
        });
    }
    return line == nullptr ? QString() : headlineText(*line);
}

std::optional<double> PercentCorrectOf(const QList<ReportLine>& scores) {
    const ReportLine* line = firstLine(scores, [](const ReportLine& l) {
        return l.number && PlainCaption(l.caption).startsWith("percent correct");
    });
    return line == nullptr ? std::nullopt : line->number;
}

std::optional<double> AverageTimeOf(const QList<ReportLine>& scores) {
    const ReportLine* line = firstLine(scores, [](const ReportLine& l) {
        const QString caption = PlainCaption(l.caption);
        return l.number && caption.contains("response time") &&
               (caption.startsWith("ave") || caption.startsWith("average"));
    });
    return line == nullptr ? std::nullopt : line->number;
}

bool PresentedSomething(const PracticeReport& report) {
    if (!report.started.isValid()) {
        return false;
    }
    return std::any_of(report.scores.begin(), report.scores.end(), [](const ReportLine& l) {
        return l.number && *l.number != 0 && !isPracticeTime(l) && !l.setting;
    });
}
