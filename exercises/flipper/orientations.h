// The four orientations of a picture and how each is drawn into a box.
#pragma once

#include <QImage>
#include <QString>

class PictureBox;

enum class Orientation { Unchanged = 1, RightToLeft = 2, UpsideDown = 3, Both = 4 };

// Draws picture into box in one orientation, with the extents of the box the
// picture came from (sampleWidth × sampleHeight in that box's scale): the
// unchanged picture at its own size 20 units in from the corner, the flips
// stretched over the sample's extents and mirrored about the box's edges.
void DrawOrientation(PictureBox& box, const QImage& picture, double sampleWidth,
                     double sampleHeight, Orientation orientation);
