#include "shell/framework/options_screen.h"

#include "shell/framework/layout.h"
#include "shell/vb_runtime.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const PracticeTimeToolTip =
    "Practice time in minutes. Therapy ends and the Score Screen will be displayed when the "
    "Practice Time has elapsed.";

} // namespace

OptionsScreen::OptionsScreen(const QString& name, Triad triad)
    : Form(name), triad_(std::move(triad)) {
    // While an exercise is open, the main menu behind it takes no clicks, so
    // only one exercise runs at a time.
    HoldWhileOpen("frmMain");
    setWindowTitle("KOVA");
}

void OptionsScreen::AfterUnload() {
    if (ForProgramStep()) {
        return; // no practice was opened from it, and the menu stays as it was
    }
    // Whatever closed this screen (Main Menu, its title-bar button), its
    // exercise ends with it: a therapy or scores screen left above it would
    // run on its own beside a second exercise opened from the menu.
    Forms::Unload(triad_.therapy);
    Forms::Unload(triad_.scores);
    ShowMainMenuFrame();
}

void OptionsScreen::cmdHelp_Click() {
    OpenHelpFile(HelpFile());
}

void OptionsScreen::cmdStart_Click() {
    if (ForProgramStep()) {
        keepForProgram();
        return;
    }
    Forms::Show(triad_.therapy);
}

void OptionsScreen::cmdMenu_Click() {
    if (!ForProgramStep()) {
        ShowMainMenuFrame();
    }
    Forms::Unload(*this);
}

void OptionsScreen::UseForProgramStep(const QString& holder, KeepForProgram keep) {
    keepForProgram_ = std::move(keep);
    stepHolder_ = holder;
    HoldWhileOpen(holder);
    if (therapyButton_ != nullptr) {
        therapyButton_->setText(KeepForProgramCaption);
    }
}

void OptionsScreen::keepForProgram() {
    // Every box shown is checked as leaving it checks it: the first one
    // refused shows its own message and keeps the focus, and nothing is kept.
    for (ValidatingComboBox* box : findChildren<ValidatingComboBox*>()) {
        if (box->isVisibleTo(this) && !box->Validate()) {
            return;
        }
    }
    if (keepForProgram_(ReadOptionValues(*this))) {
        Forms::Unload(*this);
    }
}

void OptionsScreen::MakeRoomAt(double top, double height) {
    const int shift = Twips(height);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->y() >= Twips(top)) {
            child->move(child->x(), child->y() + shift);
        }
    }
    const QSize design = DesignSize();
    SetDesignSize(int(PixelsToTwips(design.width())), int(PixelsToTwips(design.height() + shift)));
}

VbButton* OptionsScreen::AddHelpButton(const QString& name) {
    auto* button = new VbButton(name, "Help", this);
    connect(button, &QPushButton::clicked, this, &OptionsScreen::cmdHelp_Click);
    return button;
}

VbButton* OptionsScreen::AddTherapyButton(const QString& name) {
    auto* button = new VbButton(name, "Therapy", this);
    connect(button, &QPushButton::clicked, this, &OptionsScreen::cmdStart_Click);
    therapyButton_ = button;
    return button;
}

VbButton* OptionsScreen::AddMenuButton(const QString& name) {
    auto* button = new VbButton(name, "Main Menu", this);
    menuButton_ = button;
    connect(button, &QPushButton::clicked, this, &OptionsScreen::cmdMenu_Click);
    return button;
}

OptionsButtons OptionsScreen::AddButtonRow(const ButtonRow& row) {
    const OptionsButtons buttons{AddMenuButton(row.menuName), AddHelpButton(), AddTherapyButton()};
    const std::array<VbButton*, 3> inRow{buttons.menu, buttons.help, buttons.therapy};
    for (std::size_t i = 0; i < inRow.size(); ++i) {
        if (row.backColor.isValid()) {
            inRow[i]->SetBackColor(row.backColor);
        }
        SetFontSize(inRow[i], 11, true);
        Place(inRow[i], row.lefts[i], row.top, row.widths[i], row.height);
    }
    return buttons;
}

ValidatingComboBox* OptionsScreen::AddCombo(const QString& name, const QStringList& items,
                                            const QString& initial, ComboRule rule,
                                            QWidget* parent) {
    auto* combo = new ValidatingComboBox(name, parent != nullptr ? parent : this);
    combo->SetItems(items, initial);
    combo->SetRule(std::move(rule));
    return combo;
}

VbLabel* OptionsScreen::AddTitle(const QString& name, const QString& text, double points,
                                 double left, double top, double width, double height) {
    auto* title = new VbLabel(name, text, this);
    title->setAlignment(Qt::AlignCenter);
    SetFontSize(title, points, true);
    Place(title, left, top, width, height);
    return title;
}

VbLabel* OptionsScreen::AddComboRow(ValidatingComboBox* combo, const QString& labelName,
                                    const QString& caption, const QString& toolTip,
                                    double comboLeft, double labelLeft, double top,
                                    double labelWidth, double comboWidth) {
    constexpr double RowHeight = 375;
    combo->setToolTip(toolTip);
    Place(combo, comboLeft, top, comboWidth, RowHeight);
    auto* label = new VbLabel(labelName, caption, this);
    label->setToolTip(toolTip);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetFontSize(label, 10, true);
    Place(label, labelLeft, top, labelWidth, RowHeight);
    return label;
}

ValidatingComboBox* OptionsScreen::AddPracticeTimeCombo(const QString& name, QWidget* parent) {
    ValidatingComboBox* combo =
        AddCombo(name, PracticeTimeList(), "5",
                 RangeRule(1, 60, "Practice Time must be between 1 and 60 minutes."), parent);
    combo->setToolTip(PracticeTimeToolTip);
    return combo;
}

ValidatingComboBox* OptionsScreen::AddPracticeTimeRow(double comboLeft, double labelLeft,
                                                      double top, double labelWidth) {
    ValidatingComboBox* combo = AddPracticeTimeCombo();
    AddComboRow(combo, "Label7", "Practice Time (mins)", PracticeTimeToolTip, comboLeft, labelLeft,
                top, labelWidth);
    return combo;
}

std::optional<int> DisplaySpeedMs(const QString& speedText) {
    if (!IsNumeric(speedText)) {
        return std::nullopt;
    }
    return std::max(0, static_cast<int>(RoundHalfEven(Val(speedText) * 1000)));
}

ComboRule DisplaySpeedRule(double mostSeconds, const QString& message) {
    ComboRule rule;
    rule.accepts = [mostSeconds](const QString& text) {
        return IsNumeric(text) && Val(text) > 0.09 && Val(text) <= mostSeconds;
    };
    rule.message = message;
    return rule; // no normalise: the text stays as typed
}

ComboRule DisplaySpeedOrOffRule(double mostSeconds, const QString& message) {
    ComboRule rule = DisplaySpeedRule(mostSeconds, message);
    rule.accepts = [speed = rule.accepts](const QString& text) {
        return text == "Off" || text == "off" || speed(text);
    };
    rule.normalise = [](const QString& text) { return text == "off" ? QString("Off") : text; };
    rule.icon = vbOKOnly;
    rule.title = "KOVA";
    return rule;
}

QStringList PracticeTimeList() {
    return {"1", "2", "3", "4", "5", "10", "15", "20", "25", "30", "40", "50", "60"};
}

QStringList NumberList(double first, double last, double step, int decimals) {
    QStringList list;
    const int count = static_cast<int>(std::floor((last - first) / step + 1e-9)) + 1;
    for (int i = 0; i < count; ++i) {
        list << QString::number(first + i * step, 'f', decimals);
    }
    return list;
}
