// The main menu: the hub that opens every exercise and tool.
#pragma once

#include "shell/controls/basic.h"
#include "shell/controls/picture_box.h"
#include "shell/forms.h"
#include "shell/resizer.h"

#include <QGroupBox>
#include <QRadioButton>
#include <functional>

// A button that the program adds to the main menu's Tools frame, set once at
// start-up: the windows of what a clinic keeps (the practice history, ...)
// open through these, so the menu knows none of them.
struct ToolsFrameButton {
    QString name;    // e.g. "cmdHistory"
    QString caption; // e.g. "Practice History"
    std::function<void()> clicked;
    // When set, a check box that shows checked() and leaves the frame open
    // when clicked, for a choice kept in the settings.
    std::function<bool()> checked = {};
};
// Main menus made from now on have these buttons, in this order, between
// "Enter New Patient Name" and "Screen Size".
void SetToolsFrameButtons(QList<ToolsFrameButton> buttons);

class frmMain : public Form {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmMain";
    frmMain();

    void Form_Load() override;
    void Form_Unload() override;

    void cmdTRMenu_Click();
    void cmdTools_Click();
    void cmdOK2_Click();
    void cmdHelp_Click();
    void cmdName_Click();
    void cmdMetronome_Click();
    void cmdTNL_Click();
    void cmdTS_Click();
    void cmdExit2_Click();
    void cmdScreenSize_Click();
    void optScreenSize_Click();
    void cmdScreenSizeOK_Click();

    static QString DisplayWarningText();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildTopRow();
    void buildMenuFrame();
    void buildToolsFrame();
    void buildWarningFrame();
    void buildScreenSizeFrame();
    void showDisplayWarning();
    void openExercise(const QString& optionsForm);

    QGroupBox* frmMenu;
    QGroupBox* frmTools;
    QGroupBox* frmDisplayMode;
    QGroupBox* frmScreenSize;
    QRadioButton* optFillScreen;
    QRadioButton* optDesignSize;
    VbLabel* lblDisplayMode;
    clsResizer resizer_;
};

// The caption of the main-menu button that opens an options screen
// ("Flipper"); Tracking's screen answers for the mode it was opened in.
// Empty when no button opens it.
QString ExerciseMenuCaption(const QString& optionsForm);
