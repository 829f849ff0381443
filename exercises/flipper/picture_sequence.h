// Picks the next picture of the picture exercises: in numerical order by a
// fixed step (starting again at picture 1 after the last), or at random.
#pragma once

#include <QString>

constexpr int LastPictureNumber = 204;

// What the patient is told when the pictures in order start again.
inline const QString LastPictureNotice =
    "Congratulations You have reached the last image! We will start over with Picture 1.";

// Moves position on by step; past the last picture, tells the patient and
// starts again at picture 1. Returns the new position.
int NextPictureInOrder(int position, int step);

// A picture number from 1 to 204, drawn after reseeding from the clock.
int RandomPictureNumber();

// "Image" + number + ".jpg"
QString PictureFileName(int number);
