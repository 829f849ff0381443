// The progress chart's figures: the mean of a value over the first sessions
// and over the last sessions of one exercise, and the change between them.
#pragma once

#include <QList>
#include <optional>

struct SessionMeans {
    int sessions = 0;             // sessions that have the value
    std::optional<double> first;  // mean of the first `span` of them
    std::optional<double> last;   // mean of the last `span` of them
    std::optional<double> change; // last - first, with two sessions or more
};

// values: one per session, oldest first; sessions without the value are
// left out. With fewer than 2 x span sessions the two groups overlap.
SessionMeans MeansOf(const QList<std::optional<double>>& values, int span = 3);
