#include "clinic/history/session_means.h"

#include <algorithm>
#include <numeric>

namespace {
double meanOf(const QList<double>& values, qsizetype from, qsizetype count) {
    const auto begin = values.begin() + from;
    return std::accumulate(begin, begin + count, 0.0) / double(count);
}
} // namespace

SessionMeans MeansOf(const QList<std::optional<double>>& values, int span) {
    QList<double> present;
    for (const std::optional<double>& value : values) {
        if (value) {
            present << *value;
        }
    }
    SessionMeans means;
    means.sessions = int(present.size());
    if (present.isEmpty() || span <= 0) {
        return means;
    }
    const qsizetype count = std::min<qsizetype>(span, present.size());
    means.first = meanOf(present, 0, count);
    means.last = meanOf(present, present.size() - count, count);
    if (present.size() >= 2) {
        means.change = *means.last - *means.first;
    }
    return means;
}
