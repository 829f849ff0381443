// The lists and validation rules of the tracking options, which differ
// between the Numbers, Letters and the Sequences exercises.
#pragma once

#include "shell/controls/combo_box.h"
#include "shell/framework/adaptive_level.h"

#include <QStringList>

// 2, 5, 8 items per line (Numbers, Letters) or 2, 4, 6 (Sequences).
QStringList PerLineList(bool sequences);
// 12 to 36 (Numbers, Letters) or 12 to 30 (Sequences), in steps of 2.
QStringList FontList(bool sequences);
// 0.1 to 1.0 seconds in steps of 0.1.
QStringList SpeedList();
// "NoLimit", 2 to 10.
QStringList PagesList();

// Exactly one of the listed values.
ComboRule PerLineRule(bool sequences);
// 12 to 36 or 12 to 30.
ComboRule FontRule(bool sequences);
// Above 0.09 and at most 2 seconds; the fraction is kept.
ComboRule SpeedRule();
// "NoLimit" or 2 to 10; a number is cut to its whole part.
ComboRule PagesRule();
// 2 to 4.
ComboRule SequenceLengthRule();

// The pages setting as a number, or 0 for "NoLimit" (and anything not numeric).
int PagesLimitValue(const QString& pagesText);

namespace Tracking {

// The adaptive ladder of both tracking exercises, easiest first; every
// level is a set of values both of their options screens accept.
const AdaptiveLadder& Ladder();

} // namespace Tracking
