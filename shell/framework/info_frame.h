// The frame "frmInfo" captioned "Information:": a fixed text and an OK
// button "cmdOK" that hides the frame. Hidden until shown.
#pragma once

#include "shell/controls/basic.h"
#include "shell/controls/covering_frame.h"

class InfoFrame : public CoveringFrame {
    Q_OBJECT
public:
    // textName is the design name of the text label ("Label2", "Label5", ...).
    InfoFrame(QWidget* parent, const QString& textName, const QString& text);

    // Shows the frame over the other controls, with the focus on OK.
    void ShowOnTop();

    VbLabel* Text;
    VbButton* cmdOK;
};
