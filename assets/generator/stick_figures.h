// The Right Or Left pictures: one stick figure seen from the front or from
// the back, holding a balloon in one hand or kicking a ball with one foot.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

// The picture is shown at its own size in a 2415 x 3255-twip image.
constexpr int StickFigureWidth = 161;
constexpr int StickFigureHeight = 217;

// Colours kept apart from everything else in the picture, so that a test can
// find the balloon, the ball and the face by colour.
inline const QColor BalloonColour(225, 35, 45);
inline const QColor BallColour(250, 140, 20);
inline const QColor FaceColour(25, 55, 170);

struct StickFigure {
    QString fileName; // for example "StkManFL.jpg"
    bool front;       // seen from the front: the face shows
    bool leftSide;    // the figure's own left hand or foot
    bool ball;        // kicking a ball rather than holding a balloon
};

std::vector<StickFigure> StickFigures();
QImage DrawStickFigure(const StickFigure& figure);
