#include "exercises/flipper/orientations.h"

#include "shell/controls/picture_box.h"

#include <optional>

void DrawOrientation(PictureBox& box, const QImage& picture, double sampleWidth,
                     double sampleHeight, Orientation orientation) {
    switch (orientation) {
    case Orientation::Unchanged:
        box.PaintPicture(picture, 20, 20);
        break;
    case Orientation::RightToLeft:
        box.PaintPicture(picture, sampleWidth, 0, -sampleWidth, std::nullopt);
        break;
    case Orientation::UpsideDown:
        box.PaintPicture(picture, 0, sampleHeight, std::nullopt, -sampleHeight);
        break;
    case Orientation::Both:
        box.PaintPicture(picture, sampleWidth, sampleHeight, -sampleWidth, -sampleHeight);
        break;
    }
}
