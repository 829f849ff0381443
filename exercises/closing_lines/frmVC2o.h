// Closing Lines and Boxes options: the target type, the display time, the
// practice time, visual confusion and the pre-display beep, which the
// therapy and scores screens read from here.
#pragma once

#include "exercises/closing_lines/closing_lines_rules.h"
#include "shell/framework/options_screen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

class frmVC2o : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVC2o";
    frmVC2o();

    ClosingLines::TargetType ChosenTarget() const;
    bool ConfusionOn() const { return chkConfuse->isChecked(); }
    bool BeepOn() const { return chkSound->isChecked(); }

    QGroupBox* Frame1; // "Target Type:"
    QRadioButton* optLines;
    QRadioButton* optRect;
    ValidatingComboBox* cboSpeed;
    ValidatingComboBox* cboPracTime;
    QCheckBox* chkConfuse;
    QCheckBox* chkSound;

private:
    void buildTargetFrame();
    void buildCombos();
    void buildChecks();
    void buildButtons();
};
