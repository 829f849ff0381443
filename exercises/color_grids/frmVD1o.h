// Discriminating Color Grids options: grid size, number of colours, practice
// time, bright or harder colours, cell borders and the pre-display beep,
// which the therapy and scores screens read from here.
#pragma once

#include "shell/framework/options_screen.h"

#include <QCheckBox>

class frmVD1o : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVD1o";
    frmVD1o();

    void Form_Load() override;

    // Colours in a pattern, 1 to 4.
    int Colors() const;
    bool BrighterColors() const { return chkColorLevel->isChecked(); }
    bool BordersOn() const { return chkBorders->isChecked(); }
    bool BeepOn() const { return chkSound->isChecked(); }

    ValidatingComboBox* cboGridSize;
    ValidatingComboBox* cboColorVar;
    ValidatingComboBox* cboPracTime;
    QCheckBox* chkColorLevel;
    QCheckBox* chkBorders;
    QCheckBox* chkSound;

private:
    void buildCombos();
    void buildChecks();
    void buildButtons();
};
