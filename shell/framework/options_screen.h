// Base of every exercise's options screen ("KOVA"): Help, Therapy and Main
// Menu, and the numeric combo boxes whose values the therapy screen reads.
#pragma once

#include "shell/controls/basic.h"
#include "shell/controls/combo_box.h"
#include "shell/forms.h"
#include "shell/framework/option_values.h"
#include "shell/framework/triad.h"

#include <QColor>
#include <array>
#include <functional>
#include <optional>

// Where an options screen's Main Menu, Help and Therapy buttons stand, in
// that order, left to right, in twips.
struct ButtonRow {
    ButtonRow() = default;
    ButtonRow(double rowTop, std::array<double, 3> buttonLefts) : top(rowTop), lefts(buttonLefts) {}
    ButtonRow& Widths(std::array<double, 3> buttonWidths) {
        widths = buttonWidths;
        return *this;
    }
    ButtonRow& Height(double buttonHeight) {
        height = buttonHeight;
        return *this;
    }
    ButtonRow& MenuName(const QString& name) {
        menuName = name;
        return *this;
    }
    ButtonRow& BackColor(const QColor& color) {
        backColor = color;
        return *this;
    }

    double top = 0;
    std::array<double, 3> lefts{};
    std::array<double, 3> widths{1935, 1935, 1935};
    double height = 615;
    QString menuName = "cmdToMain";
    QColor backColor; // none: the usual button colour
};

struct OptionsButtons {
    VbButton* menu;
    VbButton* help;
    VbButton* therapy;
};

// Takes the values of an options screen opened for a therapy program's step,
// as shown once the screen's own checks accepted them; false when they could
// not be kept (the screen then stays open).
using KeepForProgram = std::function<bool(const OptionValues&)>;

class OptionsScreen : public Form {
    Q_OBJECT
public:
    OptionsScreen(const QString& name, Triad triad);

    void cmdHelp_Click();
    // Shows the therapy screen; this screen stays loaded under it. For a
    // program step: checks every box as leaving it would and keeps the values.
    void cmdStart_Click();
    // Back to the main menu's exercise list; this screen is unloaded.
    void cmdMenu_Click();

    const Triad& Names() const { return triad_; }
    // Main Menu.
    QAbstractButton* EscapeButton() const override { return menuButton_; }

    // Opens the screen for choosing a therapy program step's options rather
    // than for a practice: its Therapy button reads "Keep For Program" and
    // hands the values shown to keep, then the screen closes; the form named
    // holder takes no clicks meanwhile. Closing it otherwise keeps nothing.
    // Call before the screen is first shown.
    void UseForProgramStep(const QString& holder, KeepForProgram keep);
    bool ForProgramStep() const { return static_cast<bool>(keepForProgram_); }
    // Makes room for rows added to the design: what stands at or below top
    // (twips) moves down by height, and the screen grows by as much.
    void MakeRoomAt(double top, double height);

    // A program step's screen stays above the window it was opened from.
    QString StaysAbove() const override { return stepHolder_; }

protected:
    // When this screen is unloaded in any way, its therapy and scores
    // screens go with it and the menu comes back.
    void AfterUnload() override;

    virtual QString HelpFile() const { return triad_.helpFile; }
    // The three common buttons, connected to the handlers above.
    VbButton* AddHelpButton(const QString& name = "cmdHelp");
    VbButton* AddTherapyButton(const QString& name = "cmdStart");
    VbButton* AddMenuButton(const QString& name = "cmdMenu");
    // Main Menu, Help and Therapy, made in that order, in bold 11 point, at
    // their places in the row.
    OptionsButtons AddButtonRow(const ButtonRow& row);
    // A numeric combo box with its list, initial text and validation rule.
    ValidatingComboBox* AddCombo(const QString& name, const QStringList& items,
                                 const QString& initial, ComboRule rule, QWidget* parent = nullptr);
    // The exercise's title: centred, bold, at its design place in twips.
    VbLabel* AddTitle(const QString& name, const QString& text, double points, double left,
                      double top, double width, double height);
    // One row of the screen at top (twips): the combo box at comboLeft and its
    // caption label at labelLeft, in bold 10 point, both with the tooltip.
    VbLabel* AddComboRow(ValidatingComboBox* combo, const QString& labelName,
                         const QString& caption, const QString& toolTip, double comboLeft,
                         double labelLeft, double top, double labelWidth = 3000,
                         double comboWidth = 1215);
    // "Practice Time must be between 1 and 60 minutes.", with its tooltip.
    ValidatingComboBox* AddPracticeTimeCombo(const QString& name = "cboPracTime",
                                             QWidget* parent = nullptr);
    // The practice time combo box cboPracTime in a row with its caption Label7.
    ValidatingComboBox* AddPracticeTimeRow(double comboLeft, double labelLeft, double top,
                                           double labelWidth = 3000);

private:
    void keepForProgram();

    Triad triad_;
    VbButton* therapyButton_ = nullptr;
    KeepForProgram keepForProgram_;
    QString stepHolder_;
    VbButton* menuButton_ = nullptr;
};

// The caption of the Therapy button of an options screen opened for a
// program step.
inline const char* const KeepForProgramCaption = "Keep For Program";

// A display speed in seconds: numeric, above 0.09 and at most mostSeconds.
// The text stays as typed (its decimals are the speed), valid or not.
ComboRule DisplaySpeedRule(double mostSeconds, const QString& message);
// The same, or the word "Off" for no limit ("off" is corrected to "Off").
// Refused with the message alone: an OK button, no icon, the program's title.
ComboRule DisplaySpeedOrOffRule(double mostSeconds, const QString& message);

// A display speed's text in whole milliseconds (0.25 -> 250); "Off" and any
// text that is no speed give nothing, and no speed is ever negative.
std::optional<int> DisplaySpeedMs(const QString& speedText);

// 1, 2, 3, 4, 5, 10, 15, 20, 25, 30, 40, 50, 60: the usual practice times.
QStringList PracticeTimeList();
// Numbers from first to last in steps, written with the given decimals.
QStringList NumberList(double first, double last, double step, int decimals = 0);
