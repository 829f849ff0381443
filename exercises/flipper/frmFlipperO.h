// Options screen of Flipper: presentation order, starting picture and the
// flip example.
#pragma once

#include "exercises/flipper/picture_options.h"

class frmFlipperO : public PictureOptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFlipperO";
    frmFlipperO();
};
