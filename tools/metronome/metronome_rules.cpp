#include "tools/metronome/metronome_rules.h"

namespace Metronome {

double BeatIntervalMs(int bpm) {
    return 60000.0 / bpm;
}

double LineEndX(Swing swing) {
    switch (swing) {
    case Swing::Left:
        return 1800;
    case Swing::Right:
        return 3480;
    case Swing::Middle:
        break;
    }
    return PivotX;
}

double BobLeft(Swing swing) {
    return LineEndX(swing) - 240;
}

QString NextSoundName(const QString& current) {
    return current != "Bell" ? QStringLiteral("Bell") : QStringLiteral("Ding");
}

void BeatGrid::BeatStarted(double startedMs, int bpm) {
    const double intervalMs = BeatIntervalMs(bpm);
    if (startedMs - dueMs_ > intervalMs) {
        anchorMs_ = startedMs; // more than one beat lost: start afresh from now
        beatsSinceAnchor_ = 0;
        bpm_ = bpm;
    } else if (bpm != bpm_) {
        anchorMs_ = dueMs_;
        beatsSinceAnchor_ = 0;
        bpm_ = bpm;
    }
    ++beatsSinceAnchor_;
    dueMs_ = anchorMs_ + static_cast<double>(beatsSinceAnchor_) * BeatIntervalMs(bpm_);
}

} // namespace Metronome
