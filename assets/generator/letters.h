// The Closing Letters pictures: one large black letter on white, filling the
// inside of the 2820-twip letter box.
#pragma once

#include <QChar>
#include <QImage>
#include <QString>

constexpr int LetterSize = 184;

// "LetterA.jpg" for capitals, "LetterLCa.jpg" for small letters.
QString LetterFileName(QChar letter);
QImage DrawLetter(QChar letter);
