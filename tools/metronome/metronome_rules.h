// Widget-free rules of the metronome: where the pendulum hangs, when each
// beat falls and which sound the sound button gives.
#pragma once

#include <QString>

namespace Metronome {

constexpr int SlowestBpm = 15;
constexpr int FastestBpm = 180;
constexpr int StartBpm = 60;

// Milliseconds between beats at bpm beats per minute, unrounded.
double BeatIntervalMs(int bpm);

// The pendulum's three positions and their geometry in twips.
enum class Swing { Left, Middle, Right };
constexpr double PivotX = 2640;
constexpr double PivotY = 840;
constexpr double LineEndY = 3840;
constexpr double BobTop = 3600;
constexpr double BobSize = 495;
double LineEndX(Swing swing);
double BobLeft(Swing swing);

// The events of a running metronome are let run this long before the
// deadline that ends a left-right pair, so handling them never delays a beat.
constexpr double EventStepLeadMs = 30;

// The sound after a press of the sound button: Ding after Bell, else Bell.
QString NextSoundName(const QString& current);

// Beat deadlines on a monotonic clock. Beat k of one tempo falls at
// anchor + k x interval, computed afresh each time so no rounding builds up.
// A new tempo starts a new anchor at the deadline it first applies to; a
// beat more than one interval late restarts the grid where it really began,
// so lost beats are never caught up in a burst.
class BeatGrid {
public:
    explicit BeatGrid(double startMs) : anchorMs_(startMs), dueMs_(startMs) {}

    // When the next beat is due.
    double DueMs() const { return dueMs_; }
    // The beat that was due has started at startedMs; the next one follows at
    // the tempo read now.
    void BeatStarted(double startedMs, int bpm);

private:
    double anchorMs_;
    double dueMs_;
    int bpm_ = 0;
    long long beatsSinceAnchor_ = 0;
};

} // namespace Metronome
