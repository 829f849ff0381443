// Tic Tac Toe Rotations options: display time, number of X's, font size,
// practice time, the pre-display beep and the rotation, which the therapy
// and scores screens read from here.
#pragma once

#include "exercises/tic_tac_toe/tic_tac_toe_rules.h"
#include "shell/framework/options_screen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

class frmVSS1o : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVSS1o";
    frmVSS1o();

    TicTacToe::PatternRotation ChosenRotation() const;
    bool BeepOn() const { return chkSound->isChecked(); }

    ValidatingComboBox* cboSpeed;
    ValidatingComboBox* cboMaxX;
    ValidatingComboBox* cboFont;
    ValidatingComboBox* cboPracTime;
    QCheckBox* chkSound;
    QGroupBox* Frame1;
    QRadioButton* optNotRot;
    QRadioButton* optRotLeft;
    QRadioButton* optRotRight;

private:
    void buildCombos();
    void buildRotationFrame();
    void buildButtons();
};
