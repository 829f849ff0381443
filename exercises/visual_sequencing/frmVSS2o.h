// Visual Sequencing options: display time per square, practice time, the
// fixed or increasing sequence length, new or same sequence, and the
// pre-display beep, which the therapy and scores screens read from here.
#pragma once

#include "shell/framework/options_screen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

class frmVSS2o : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVSS2o";
    frmVSS2o();

    // The increasing mode counts its length up from 0 in cboMaxSeq, which
    // then gives way to the new-or-same choice.
    void optSequencing_Click();
    // The fixed mode starts again from 3 squares.
    void optFixed_Click();

    bool Increasing() const { return optSequencing->isChecked(); }
    bool NewSequenceEachTime() const { return chkSeqType->isChecked(); }
    bool BeepOn() const { return chkSound->isChecked(); }

    ValidatingComboBox* cboSpeed;
    ValidatingComboBox* cboPracTime;
    ValidatingComboBox* cboMaxSeq;
    VbLabel* Label2; // "Number Of Squares"
    QCheckBox* chkSeqType;
    QCheckBox* chkSound;
    QGroupBox* Frame1;
    QRadioButton* optFixed;
    QRadioButton* optSequencing;

private:
    QCheckBox* addCheck(const QString& name, const QString& caption, const QString& toolTip,
                        int top);
    void buildCombos();
    void buildPatternFrame();
    void buildButtons();
};
