// Work that the first window does not need waits until it is on screen.
#pragma once

#include <functional>

class QWidget;

// Runs then once, from the event loop, after widget was first painted.
void RunAfterFirstPaint(QWidget& widget, std::function<void()> then);
