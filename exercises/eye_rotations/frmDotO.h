// Eye Rotations options: character type, path, direction, separation, disc
// look and speed, which the therapy and scores screens read from here.
#pragma once

#include "exercises/eye_rotations/eye_rotations_rules.h"
#include "shell/framework/info_frame.h"
#include "shell/framework/options_screen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

class frmDotO : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmDotO";
    frmDotO();

    void Form_Load() override;
    void optRectangle_Click();
    void optCircle_Click();
    void opt4Corner_Click();
    void OptRandPos_Click();
    void cmdInfo_Click();

    // The choices of the option groups, as the therapy screen reads them.
    TargetType ChosenTargetType() const;
    RotationPattern ChosenPattern() const;
    RotationDirection ChosenDirection() const;
    PatternSeparation ChosenSeparation() const;
    bool BeepOn() const;

    ValidatingComboBox* cboPracTime;
    ValidatingComboBox* cboSpeed;
    ValidatingComboBox* cboFont;
    ValidatingComboBox* cboSize;
    ValidatingComboBox* cboCircColor;
    QGroupBox* Frame1;
    QRadioButton* optNumbers;
    QRadioButton* optUCLetters;
    QRadioButton* optLCLetters;
    QRadioButton* optbdpq;
    QRadioButton* optRandom;
    QGroupBox* Frame2;
    QRadioButton* optRectangle;
    QRadioButton* optCircle;
    QRadioButton* opt4Corner;
    QRadioButton* OptRandPos;
    QGroupBox* Frame3;
    QRadioButton* optClockwise;
    QRadioButton* optCounterClock;
    QRadioButton* optRandomDir;
    QGroupBox* Frame4;
    QRadioButton* optWide;
    QRadioButton* optNarrow;
    QRadioButton* optVNarrow;
    QCheckBox* chkBeep;
    InfoFrame* frmInfo; // its OK button hides it

private:
    void buildCombos();
    void buildOptionFrames();
    void buildButtonsAndInfo();
    void showDirectionAndSeparation(bool visible);
};
