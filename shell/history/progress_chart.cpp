#include "shell/history/progress_chart.h"

#include "shell/controls/basic.h"
#include "shell/framework/layout.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

constexpr int Span = 3;
constexpr int MostPointsMarked = 60; // beyond this the markers hide the line

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
    chart_->setMargins(QMargins(4, 4, 4, 4));
    percent_ = new QLineSeries;
    percent_->setName("Percent correct");
    percent_->setColor(QColor(30, 90, 170));
    time_ = new QLineSeries;
    time_->setName("Average response time (Secs)");
    time_->setColor(QColor(200, 90, 20));
    chart_->addSeries(percent_);
    chart_->addSeries(time_);

    sessionAxis_ = new QValueAxis;
    sessionAxis_->setTitleText("Session");
    sessionAxis_->setLabelFormat("%d");
    percentAxis_ = new QValueAxis;
    percentAxis_->setTitleText("Percent correct");
    percentAxis_->setLabelFormat("%d");
    percentAxis_->setRange(0, 100);
    timeAxis_ = new QValueAxis;
    timeAxis_->setTitleText("Secs");
    timeAxis_->setLabelFormat("%.1f");
    chart_->addAxis(sessionAxis_, Qt::AlignBottom);
    chart_->addAxis(percentAxis_, Qt::AlignLeft);
    chart_->addAxis(timeAxis_, Qt::AlignRight);
    percent_->attachAxis(sessionAxis_);
    percent_->attachAxis(percentAxis_);
    time_->attachAxis(sessionAxis_);
    time_->attachAxis(timeAxis_);

    view_ = new QChartView(chart_, this);
    view_->setObjectName("chartView");
    view_->setRenderHint(QPainter::Antialiasing);
    means_ = new VbLabel("lblMeans", "", this);
    means_->setWordWrap(true);
    SetFontSize(means_, 10);
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
    series->replace(points);
    series->setPointsVisible(points.size() <= MostPointsMarked);
    if (axis != percentAxis_) {
        axis->setRange(0, std::ceil(highest * 1.1 * 10) / 10);
    }
}

void ProgressChart::ShowSessions(const QString& exercise,
                                 const QList<PracticeSummary>& oldestFirst) {
    QList<std::optional<double>> percents, times;
    for (const PracticeSummary& s : oldestFirst) {
        percents << s.percentCorrect;
        times << s.averageTime;
    }
    fillSeries(percent_, percentAxis_, percents, 100);
    fillSeries(time_, timeAxis_, times, 1.0);
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
    sessionAxis_->setRange(0, 2);
    sessionAxis_->setTickCount(3);
    timeAxis_->setRange(0, 1);
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
