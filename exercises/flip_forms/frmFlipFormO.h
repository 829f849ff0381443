// Options screen of Flip Forms: presentation order, starting picture and the
// example grid that shows the three steps of the exercise.
#pragma once

#include "exercises/flipper/picture_options.h"
#include "shell/controls/shapes.h"

class frmFlipFormO : public PictureOptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFlipFormO";
    frmFlipFormO();

    LineControl* Line1; // divides the example grid left from right
    LineControl* Line2; // and top from bottom
};
