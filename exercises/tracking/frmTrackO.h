// Options of the two tracking exercises: character type, items per line,
// font size, display speed, pages, sequence length and the response mode.
#pragma once

#include "shell/framework/info_frame.h"
#include "shell/framework/options_screen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

class frmTrackO : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmTrackO";
    frmTrackO();

    // Fills the font and items-per-line lists for the mode the main menu set.
    void Form_Load() override;

    void cmdInfo_Click();
    void cmdOK_Click();

    VbLabel* Label1; // title
    QGroupBox* Frame1;
    QRadioButton* optSNumbers;
    QRadioButton* optDnumbers;
    QRadioButton* optULetters;
    QRadioButton* optLLetters;
    QRadioButton* optbdpq;
    QGroupBox* Frame2;
    QRadioButton* OptNumberS;
    QRadioButton* optSLetterU;
    QRadioButton* optSLetterL;
    ValidatingComboBox* cboPracTime;
    ValidatingComboBox* cboSpeed;
    ValidatingComboBox* cboPages;
    VbLabel* Label3; // "Characters Per Line" / "Sequences Per Line"
    ValidatingComboBox* cboPerLine;
    ValidatingComboBox* cboFont;
    VbLabel* lblSeqLen;
    ValidatingComboBox* cboSeqLen;
    QCheckBox* chkReact;
    QCheckBox* Check1;
    VbButton* cmdHelp;
    VbButton* cmdInfo;
    VbButton* cmdToTherapy;
    VbButton* cmdMain;
    InfoFrame* frmInfo;

protected:
    QString HelpFile() const override;

private:
    void BuildCharacterFrames();
    void BuildSettings();
    void BuildButtons();
};
