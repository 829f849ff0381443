#include "clinic/history/progress_chart.h"

#include "shell/controls/basic.h"
#include "shell/framework/layout.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

constexpr int Span = 3;
constexpr int MostPointsMarked = 60; // beyond this the markers hide the line
constexpr int MostPointsDrawn = 800; // more than a chart has pixels across

// A long series drawn as the lowest and highest value of each stretch of
// sessions: the same outline at a fraction of the drawing.
QList<QPointF> outline(const QList<QPointF>& points) {
    if (points.size() <= MostPointsDrawn) {
        return points;
    }
    const qsizetype stretches = MostPointsDrawn / 2;
    QList<QPointF> drawn;
    drawn.reserve(MostPointsDrawn);
    for (qsizetype s = 0; s < stretches; ++s) {
        const auto begin = points.begin() + s * points.size() / stretches;
        const auto end = points.begin() + (s + 1) * points.size() / stretches;
        auto [low, high] = std::minmax_element(
            begin, end, [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        if (low->x() > high->x()) {
            std::swap(low, high);
        }
        drawn << *low;
        if (high != low) {
            drawn << *high;
        }
    }
    return drawn;
}

// The top of the seconds axis: four steps of a round size above the highest value.
double secondsAxisTop(double highest) {
    for (double step : {0.25, 0.5, 1.0, 2.0, 2.5, 5.0, 10.0, 15.0, 30.0, 60.0}) {
        if (4 * step >= highest * 1.05) {
            return 4 * step;
        }
    }
    return 4 * std::ceil(highest * 1.05 / 4);
}

QFont smallFont(const QFont& base, int points, bool bold = false) {
    QFont font = base;
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QString signedNumber(double value, bool signedChange) {
    const QString text = QString::number(value, 'f', 1);
    return signedChange && value >= 0.05 ? "+" + text : text;
}

QString meansLine(const QString& name, const SessionMeans& means, QString (*format)(double, bool)) {
    if (!means.first) {
        return name + ": none shown";
    }
    QString line = QString("%1: first %2 sessions %3, last %4 sessions %5")
                       .arg(name)
                       .arg(std::min(Span, means.sessions))
                       .arg(format(*means.first, false))
                       .arg(std::min(Span, means.sessions))
                       .arg(format(*means.last, false));
    if (means.change) {
        line += ", change " + format(*means.change, true);
    }
    return line;
}

} // namespace

QString MeanPercentText(double value, bool signedChange) {
    return signedNumber(value, signedChange) + "%";
}

QString MeanSecondsText(double value, bool signedChange) {
    return signedNumber(value, signedChange) + " Secs";
}

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
    setObjectName("ProgressChart");
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->legend()->setFont(smallFont(font(), 8));
    chart_->setTitleFont(smallFont(font(), 9, true));
    chart_->setMargins(QMargins(2, 2, 2, 2));
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    percent_ = new QLineSeries;
    percent_->setName("Percent correct");
    percent_->setColor(QColor(30, 90, 170));
    time_ = new QLineSeries;
    time_->setName("Average response time (Secs)");
    time_->setColor(QColor(200, 90, 20));
    level_ = new QLineSeries;
    level_->setName("Level");
    level_->setColor(QColor(40, 140, 60));
    chart_->addSeries(percent_);
    chart_->addSeries(time_);
    chart_->addSeries(level_);

    sessionAxis_ = new QValueAxis;
    sessionAxis_->setLabelFormat("%d");
    percentAxis_ = new QValueAxis;
    percentAxis_->setTitleText("% correct");
    percentAxis_->setLabelFormat("%d");
    percentAxis_->setRange(0, 100);
    percentAxis_->setTickCount(5);
    timeAxis_ = new QValueAxis;
    timeAxis_->setTitleText("Secs");
    timeAxis_->setTickCount(5);
    levelAxis_ = new QValueAxis;
    levelAxis_->setTitleText("Level");
    levelAxis_->setLabelFormat("%d");
    for (QValueAxis* axis : {sessionAxis_, percentAxis_, timeAxis_, levelAxis_}) {
        axis->setLabelsFont(smallFont(font(), 8));
        axis->setTitleFont(smallFont(font(), 8, true));
    }
    chart_->addAxis(sessionAxis_, Qt::AlignBottom);
    chart_->addAxis(percentAxis_, Qt::AlignLeft);
    chart_->addAxis(timeAxis_, Qt::AlignRight);
    chart_->addAxis(levelAxis_, Qt::AlignRight);
    percent_->attachAxis(sessionAxis_);
    percent_->attachAxis(percentAxis_);
    time_->attachAxis(sessionAxis_);
    time_->attachAxis(timeAxis_);
    level_->attachAxis(sessionAxis_);
    level_->attachAxis(levelAxis_);

    view_ = new QChartView(chart_, this);
    view_->setObjectName("chartView");
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumHeight(190);
    means_ = new VbLabel("lblMeans", "", this);
    means_->setWordWrap(true);
    SetFontSize(means_, 9);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addWidget(means_);
    Clear();
}

void ProgressChart::fillSeries(QLineSeries* series, QValueAxis* axis,
                               const QList<std::optional<double>>& values, double smallestTop) {
    QList<QPointF> points;
    points.reserve(values.size());
    double highest = smallestTop;
    for (int i = 0; i < values.size(); ++i) {
        if (values[i]) {
            points << QPointF(i + 1, *values[i]);
            highest = std::max(highest, *values[i]);
        }
    }
    series->replace(outline(points));
    series->setPointsVisible(points.size() <= MostPointsMarked);
    if (axis == levelAxis_) {
        // Whole levels from 0 in four steps of a whole number of levels.
        const int step = int(std::ceil((highest + 1) / 4));
        axis->setRange(0, 4 * step);
        axis->setTickCount(5);
    }
    if (axis == timeAxis_) {
        const double top = secondsAxisTop(highest);
        axis->setRange(0, top);
        axis->setLabelFormat(top < 4 ? "%.2f" : top < 8 ? "%.1f" : "%.0f");
    }
}

void ProgressChart::ShowSessions(const QString& exercise,
                                 const QList<PracticeSummary>& oldestFirst) {
    QList<std::optional<double>> percents, times, levels;
    for (const PracticeSummary& s : oldestFirst) {
        percents << s.percentCorrect;
        times << s.averageTime;
        levels << s.endLevel;
    }
    fillSeries(percent_, percentAxis_, percents, 100);
    fillSeries(time_, timeAxis_, times, 0.0);
    fillSeries(level_, levelAxis_, levels, 1);
    const bool anyLevel =
        std::any_of(levels.begin(), levels.end(), [](const auto& v) { return v.has_value(); });
    level_->setVisible(anyLevel);
    levelAxis_->setVisible(anyLevel);
    percent_->setVisible(
        std::any_of(percents.begin(), percents.end(), [](const auto& v) { return v.has_value(); }));
    time_->setVisible(
        std::any_of(times.begin(), times.end(), [](const auto& v) { return v.has_value(); }));
    const int sessions = int(oldestFirst.size());
    sessionAxis_->setRange(sessions > 1 ? 1 : 0, std::max(2, sessions));
    sessionAxis_->setTickCount(std::min(11, std::max(2, sessions)));
    chart_->setTitle(QString("%1: %2 sessions").arg(exercise).arg(sessions));
    percentMeans_ = MeansOf(percents, Span);
    timeMeans_ = MeansOf(times, Span);
    means_->setText(MeansText());
}

void ProgressChart::Clear() {
    percent_->clear();
    time_->clear();
    level_->clear();
    level_->setVisible(false);
    levelAxis_->setVisible(false);
    sessionAxis_->setRange(0, 2);
    sessionAxis_->setTickCount(3);
    timeAxis_->setRange(0, 4);
    chart_->setTitle("No practices to chart");
    percentMeans_ = {};
    timeMeans_ = {};
    means_->setText("");
}

QString ProgressChart::MeansText() const {
    if (percentMeans_.sessions == 0 && timeMeans_.sessions == 0) {
        return "";
    }
    return meansLine("Percent correct", percentMeans_, &MeanPercentText) + "\n" +
           meansLine("Average response time", timeMeans_, &MeanSecondsText);
}
