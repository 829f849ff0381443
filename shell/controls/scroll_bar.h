// A horizontal scroll bar of a screen, named for the tests and for screen
// readers, reached by Tab, whose arrow keys step it the way its arrows point.
#pragma once

#include <QString>

class QScrollBar;
class QWidget;

QScrollBar* MakeScrollBar(const QString& name, const QString& accessibleName, QWidget* parent);
