// Answer marks: a check mark beside the colour of a right answer and a cross
// beside the colour of a wrong one, for those who cannot tell the colours
// apart. Off unless chosen; the choice is kept in the settings.
#pragma once

#include <QRect>

class QPainter;

enum class AnswerMark { None, Right, Wrong };

namespace AnswerMarks {

bool Shown();
// Keeps the choice and repaints every window, so marks shown come or go at once.
void SetShown(bool shown);

// The mark in a white disc with a black edge at the right of rect, centred
// vertically; its size follows the control's (never under 14 pixels, so it
// reads on the smallest screen). Nothing for AnswerMark::None.
void Draw(QPainter& painter, const QRect& rect, AnswerMark mark);

// What a screen reader adds to the control's name: ", right", ", wrong" or nothing.
const char* SpokenSuffix(AnswerMark mark);

} // namespace AnswerMarks
