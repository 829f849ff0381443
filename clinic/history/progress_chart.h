// The progress chart of one exercise over a patient's sessions: percent
// correct, average response time and, for practices in the adaptive mode,
// the level each ended on, with the means of the first three and
// the last three sessions and the change between them.
#pragma once

#include "clinic/history/practice_store.h"
#include "clinic/history/session_means.h"

#include <QWidget>

class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;
class VbLabel;

class ProgressChart : public QWidget {
    Q_OBJECT
public:
    explicit ProgressChart(QWidget* parent);

    // Shows the sessions of one exercise, oldest first.
    void ShowSessions(const QString& exercise, const QList<PracticeSummary>& oldestFirst);
    void Clear();
    // The level series: its points are (session, level).
    const QLineSeries* LevelSeries() const { return level_; }

    const SessionMeans& PercentMeans() const { return percentMeans_; }
    const SessionMeans& TimeMeans() const { return timeMeans_; }
    QString MeansText() const;

private:
    void fillSeries(QLineSeries* series, QValueAxis* axis,
                    const QList<std::optional<double>>& values, double smallestTop);

    QChart* chart_;
    QChartView* view_;
    QLineSeries* percent_;
    QLineSeries* time_;
    QLineSeries* level_;
    QValueAxis* sessionAxis_;
    QValueAxis* percentAxis_;
    QValueAxis* timeAxis_;
    QValueAxis* levelAxis_;
    VbLabel* means_;
    SessionMeans percentMeans_;
    SessionMeans timeMeans_;
};

// "62.3%" or "1.4 Secs" with a sign when it is a change ("+5.0%").
QString MeanPercentText(double value, bool signedChange = false);
QString MeanSecondsText(double value, bool signedChange = false);
