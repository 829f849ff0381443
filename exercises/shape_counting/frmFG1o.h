// Shape Counting options: how busy the background is, how thick the target
// edges are, about how many targets a set has, and the practice time. The
// therapy and scores screens read them from here.
#pragma once

#include "shell/framework/options_screen.h"

class frmFG1o : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFG1o";
    frmFG1o();

    // The settings as whole numbers within their ranges.
    int BackgroundLevel() const;
    int EdgeThickness() const;
    int MaxShapes() const;

    ValidatingComboBox* cboBackG;
    ValidatingComboBox* cboBorder;
    ValidatingComboBox* cboMaxTarg;
    ValidatingComboBox* cboPracTime;

private:
    void buildCombos();
    void buildButtons();
};
