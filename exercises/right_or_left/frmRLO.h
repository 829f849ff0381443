// Right Or Left options: how long each picture stays up, with two example
// pictures that explain the exercise.
#pragma once

#include "shell/controls/picture_box.h"
#include "shell/framework/options_screen.h"

class frmRLO : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmRLO";
    frmRLO();

    void Form_Load() override;

    ValidatingComboBox* cboSpeed; // "Off" or seconds, read at every picture
    ImageBox* img1;
    ImageBox* img2;

private:
    void buildSpeedBox();
    void buildExamples();
    void buildButtons();
};
