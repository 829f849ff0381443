// Benchmarks that time what reaches the screen need an X display. Without
// one, a benchmark runs itself again under a virtual X server (xvfb-run).
#pragma once

#include <QSize>

// Call first in main(), before the QApplication. On an X display: selects
// the xcb platform and returns true. Without one: runs this program again,
// with the same arguments, under xvfb-run with a screen of the given size,
// and does not return; returns false only when that cannot be done (no
// xvfb-run, or still no display after it), with a note on stderr.
// KOVA_BENCH_SCREEN=WxH in the environment asks for another screen size.
bool RunOnDisplay(int argc, char** argv, QSize screen = {1024, 768});
