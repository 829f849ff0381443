#include "shell/main_menu.h"

#include "shell/framework/layout.h"
#include "shell/framework/triad.h"
#include "shell/logo.h"
#include "shell/menu_exercises.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/screen_size.h"
#include "shell/todays_program.h"
#include "shell/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>

using namespace ModDODI;

namespace {

struct ExerciseButton {
    const char* name;
    const char* caption;
    const char* optionsForm;
};

// Two columns of seven, in row order.
const ExerciseButton leftColumn[7] = {
    {"cmdEyeRot", "Eye Rotations", "frmDotO"},
    {"cmdTNL", "Tracking Numbers, Letters", "frmTrackO"},
    {"cmdTS", "Tracking Sequences", "frmTrackO"},
    {"cmdCharSearch", "Character Searching", "frmFG7o"},
    {"cmdRL", "Right Or Left", "frmRLO"},
    {"cmdFlipper", "Flipper", "frmFlipperO"},
    {"cmdFlipForm", "Flip Forms", "frmFlipFormO"},
};
const ExerciseButton rightColumn[7] = {
    {"cmdTicTacToe", "Tic Tac Toe Rotations", "frmVSS1o"},
    {"cmdVisSequence", "Visual Sequencing", "frmVSS2o"},
    {"cmdColorGrids", "Discriminating Color Grids", "frmVD1o"},
    {"cmdPatternDup", "Pattern Duplicator", "frmVD8o"},
    {"cmdMNBD", "Shape Counting", "frmFG1o"},
    {"cmdLinesBoxes", "Closing Lines and Boxes", "frmVC2o"},
    {"cmdCloseNL", "Closing Letters", "frmLetterO"},
};

QList<ToolsFrameButton>& toolsFrameButtons() {
    static QList<ToolsFrameButton> installed;
    return installed;
}

// The top row's buttons, left to right, as designed and closed up around
// Today's Program (which must leave the title at 7680 twips clear).
struct TopRowPlace {
    const char* name;
    int designLeft, designWidth;
    int left, width; // with Today's Program
};
const TopRowPlace topRow[] = {
    {"cmdTRMenu", 240, 2055, 240, 1380},  {"cmdTools", 2400, 1695, 1695, 1140},
    {"cmdProgram", 0, 0, 2910, 2430},     {"cmdHelp", 4200, 1455, 5415, 1020},
    {"cmdExit2", 5760, 1455, 6510, 1020},
};
constexpr int TopRowTop = 120;
constexpr int TopRowHeight = 615;
constexpr double MenuDesignWidth = 12000;
constexpr double MenuDesignHeight = 9000;

constexpr int ToolsFrameTop = 1560;
constexpr int ToolButtonPitch = 720;

// The Tools frame's height: Metronome, the patient name, the added buttons
// and Screen Size, one under another.
int toolsFrameHeight() {
    return 3015 + ToolButtonPitch * static_cast<int>(toolsFrameButtons().size());
}

} // namespace

void SetToolsFrameButtons(QList<ToolsFrameButton> buttons) {
    toolsFrameButtons() = std::move(buttons);
}

namespace {

bool programOffered(const QWidget& menu) {
    const auto* button = menu.findChild<QWidget*>("cmdProgram");
    return button != nullptr && button->isVisibleTo(&menu);
}

// Places the top row as designed, or closed up around Today's Program,
// scaled as the layout scaler scales the menu to its size.
void placeTopRow(QWidget& menu, bool withProgram) {
    const double across = PixelsToTwips(menu.width()) / MenuDesignWidth;
    const double down = PixelsToTwips(menu.height()) / MenuDesignHeight;
    for (const TopRowPlace& place : topRow) {
        auto* button = menu.findChild<QWidget*>(place.name);
        if (!withProgram && place.designWidth == 0) {
            button->hide();
            continue;
        }
        const int left = withProgram ? place.left : place.designLeft;
        const int width = withProgram ? place.width : place.designWidth;
        button->setGeometry(
            TwipsRect(left * across, TopRowTop * down, width * across, TopRowHeight * down));
        button->show();
    }
}

} // namespace

namespace {

// Shows or hides Today's Program on the main menu, closing the top row up
// around it.
void placeTodaysProgram(bool offered) {
    auto* menu = Forms::Find<frmMain>();
    if (menu != nullptr && offered != programOffered(*menu)) {
        placeTopRow(*menu, offered);
    }
}

} // namespace

frmMain::frmMain() : Form(Name) {
    SetTodaysProgramPlacer(placeTodaysProgram);
    setWindowTitle("KOVA:  V1.00");
    SetDesignSize(12000, 9000);

    auto* lblTitle = new VbLabel("lblTitle", "KOVA", this);
    lblTitle->setAlignment(Qt::AlignCenter);
    SetFontSize(lblTitle, 48, true);
    lblTitle->SetForeColor(QColor(30, 60, 120));
    Place(lblTitle, 7680, 120, 3960, 1215);
    auto* lblSubtitle = new VbLabel("lblSubtitle", "Visual Perception Training", this);
    lblSubtitle->setAlignment(Qt::AlignCenter);
    SetFontSize(lblSubtitle, 12, true);
    lblSubtitle->SetForeColor(QColor(30, 60, 120));
    Place(lblSubtitle, 7680, 1260, 3960, 420);

    auto* Image1 = new ImageBox("Image1", this);
    Image1->SetPicture(DrawLogo(240));
    Image1->KeepProportions = true; // the menu stretches to any screen shape
    Image1->setAccessibleName("KOVA logo");
    // Below the open Tools frame.
    const int logoTop = std::max(5520, ToolsFrameTop + toolsFrameHeight() + 225);
    Place(Image1, 480, logoTop, 1800, 1800);

    buildTopRow();
    buildMenuFrame();
    buildToolsFrame();
    buildScreenSizeFrame();
    buildWarningFrame();
}

void frmMain::buildTopRow() {
    struct {
        const char* name;
        const char* caption;
        void (frmMain::*handler)();
    } const buttons[] = {
        {"cmdTRMenu", "Therapy", &frmMain::cmdTRMenu_Click},
        {"cmdTools", "Tools", &frmMain::cmdTools_Click},
        {"cmdProgram", "Today's Program", nullptr},
        {"cmdHelp", "Help", &frmMain::cmdHelp_Click},
        {"cmdExit2", "Exit", &frmMain::cmdExit2_Click},
    };
    for (const auto& b : buttons) {
        auto* button = new VbButton(b.name, b.caption, this);
        SetFontSize(button, 12, true);
        if (b.handler != nullptr) {
            connect(button, &QPushButton::clicked, this, b.handler);
        }
    }
    connect(findChild<QPushButton*>("cmdProgram"), &QPushButton::clicked, this, [this] {
        frmMenu->hide();
        frmTools->hide();
        frmScreenSize->hide();
        frmDisplayMode->hide();
        if (TodaysProgram().clicked) {
            TodaysProgram().clicked();
        }
    });
    // Today's Program has its design place too, so that the layout scaler
    // scales its font; it is shown only when offered.
    placeTopRow(*this, false);
    Place(findChild<QWidget*>("cmdProgram"), 2910, TopRowTop, 2430, TopRowHeight);
    findChild<QWidget*>("cmdProgram")->hide();
}

void frmMain::buildMenuFrame() {
    frmMenu = MakeFrame("frmMenu", "Therapy Options: ", this);
    SetFontSize(frmMenu, 10, true);
    Place(frmMenu, 2640, 1680, 8175, 4815);
    const int rowTops[7] = {600, 1200, 1800, 2400, 3000, 3600, 4200};
    for (int column = 0; column < 2; ++column) {
        const ExerciseButton* buttons = column == 0 ? leftColumn : rightColumn;
        for (int row = 0; row < 7; ++row) {
            const ExerciseButton& b = buttons[row];
            auto* button = new VbButton(b.name, b.caption, frmMenu);
            SetFontSize(button, 10, true);
            Place(button, column == 0 ? 360 : 4320, rowTops[row], 3735, 495);
            button->setEnabled(Forms::IsRegistered(b.optionsForm));
            const QString name = b.name;
            const QString optionsForm = b.optionsForm;
            if (name == "cmdTNL") {
                connect(button, &QPushButton::clicked, this, &frmMain::cmdTNL_Click);
            } else if (name == "cmdTS") {
                connect(button, &QPushButton::clicked, this, &frmMain::cmdTS_Click);
            } else {
                connect(button, &QPushButton::clicked, this,
                        [this, optionsForm] { openExercise(optionsForm); });
            }
        }
    }
    frmMenu->hide();
}

void frmMain::buildToolsFrame() {
    frmTools = MakeFrame("frmTools", "Tools", this);
    SetFontSize(frmTools, 10, true);
    Place(frmTools, 360, ToolsFrameTop, 2895, toolsFrameHeight());
    auto* cmdMetronome = new VbButton("cmdMetronome", "Metronome", frmTools);
    Place(cmdMetronome, 360, 480, 2175, 615);
    cmdMetronome->setEnabled(Forms::IsRegistered("frmMetronome"));
    auto* cmdName = new VbButton("cmdName", "Enter New Patient Name", frmTools);
    Place(cmdName, 360, 1200, 2175, 855);
    QList<QWidget*> buttons = {cmdMetronome, cmdName};
    int top = 2160;
    for (const ToolsFrameButton& added : toolsFrameButtons()) {
        if (added.checked) {
            auto* box = new QCheckBox(added.caption, frmTools);
            box->setObjectName(added.name);
            box->setChecked(added.checked());
            Place(box, 360, top, 2175, 615);
            connect(box, &QCheckBox::clicked, this,
                    [box, toggle = added.clicked, checked = added.checked] {
                        toggle();
                        box->setChecked(checked());
                    });
            buttons.append(box);
            top += ToolButtonPitch;
            continue;
        }
        auto* button = new VbButton(added.name, added.caption, frmTools);
        Place(button, 360, top, 2175, 615);
        connect(button, &QPushButton::clicked, this, [this, open = added.clicked] {
            frmMenu->hide();
            frmTools->hide();
            open();
        });
        buttons.append(button);
        top += ToolButtonPitch;
    }
    auto* cmdScreenSize = new VbButton("cmdScreenSize", "Screen Size", frmTools);
    Place(cmdScreenSize, 360, top, 2175, 615);
    buttons.append(cmdScreenSize);
    for (QWidget* button : buttons) {
        SetFontSize(button, 10, true);
    }
    connect(cmdMetronome, &QPushButton::clicked, this, &frmMain::cmdMetronome_Click);
    connect(cmdName, &QPushButton::clicked, this, &frmMain::cmdName_Click);
    connect(cmdScreenSize, &QPushButton::clicked, this, &frmMain::cmdScreenSize_Click);
    frmTools->hide();
}

// The choice of screen size: the exercise screens opened next take it.
void frmMain::buildScreenSizeFrame() {
    frmScreenSize = MakeFrame("frmScreenSize", "Screen Size", this);
    SetFontSize(frmScreenSize, 10, true);
    Place(frmScreenSize, 3480, 1560, 4095, 2295);
    frmScreenSize->setAutoFillBackground(true);
    optFillScreen =
        MakeOption("optFillScreen", ScreenSizes::Caption(ScreenSize::FillTheScreen), frmScreenSize);
    Place(optFillScreen, 360, 480, 3495, 375);
    optDesignSize =
        MakeOption("optDesignSize", ScreenSizes::Caption(ScreenSize::DesignSize), frmScreenSize);
    Place(optDesignSize, 360, 960, 3495, 375);
    auto* cmdScreenSizeOK = new VbButton("cmdScreenSizeOK", "OK", frmScreenSize);
    Place(cmdScreenSizeOK, 1680, 1560, 735, 375);
    for (QWidget* control :
         {static_cast<QWidget*>(optFillScreen), static_cast<QWidget*>(optDesignSize),
          static_cast<QWidget*>(cmdScreenSizeOK)}) {
        SetFontSize(control, 10, true);
    }
    connect(optFillScreen, &QRadioButton::clicked, this, &frmMain::optScreenSize_Click);
    connect(optDesignSize, &QRadioButton::clicked, this, &frmMain::optScreenSize_Click);
    connect(cmdScreenSizeOK, &QPushButton::clicked, this, &frmMain::cmdScreenSizeOK_Click);
    frmScreenSize->hide();
}

void frmMain::buildWarningFrame() {
    frmDisplayMode = MakeFrame("frmDisplayMode", "Display Screen Warning", this);
    SetFontSize(frmDisplayMode, 10, true);
    Place(frmDisplayMode, 2634, 1680, 6612, 5895);
    frmDisplayMode->setAutoFillBackground(true); // it lies over the tools frame
    lblDisplayMode = new VbLabel("lblDisplayMode", "", frmDisplayMode);
    SetFontSize(lblDisplayMode, 10);
    Place(lblDisplayMode, 240, 480, 6255, 4575);
    auto* cmdOK2 = new VbButton("cmdOK2", "OK", frmDisplayMode);
    Place(cmdOK2, 2880, 5280, 735, 375);
    connect(cmdOK2, &QPushButton::clicked, this, &frmMain::cmdOK2_Click);
    frmDisplayMode->hide();
}

QString frmMain::DisplayWarningText() {
    const QString crlf = "\r\n";
    return QString("Your computer monitor does not appear ") +
           "to be in the 800x600 display mode. It is possible that " +
           "some of the Therapy Screens may not format properly. First, " +
           "try using the program to determine if the Therapy Screens " +
           "format properily. If not, please exit and switch your display " +
           "mode settings to 800x600." + crlf + crlf +
           "To Switch To The 800x600 Screen Display Mode:" + crlf +
           "1. Exit this program and return to the Windows Desk Top" + crlf +
           "2. RIGHT Click on the Mouse" + crlf + "3. Click On Properties" + crlf +
           "4. When The Display Properties Window Opens..." + crlf + "5. Click On Settings" + crlf +
           "6. Change the Screen Settings/Size to 800x600" + crlf +
           "7. Click on Apply and then Yes";
}

void frmMain::Form_Load() {
    resizer_.Startup(this);
    const QSize display = platform().DisplaySize();
    setGeometry(0, 0, display.width(), display.height());
    // Screens that fill the display format properly on any display.
    if (ScreenSizes::Chosen() == ScreenSize::DesignSize) {
        showDisplayWarning();
    }
}

void frmMain::showDisplayWarning() {
    const QSize display = platform().DisplaySize();
    if (display.width() != 800 || display.height() != 600) {
        frmDisplayMode->setVisible(true);
        lblDisplayMode->setText(DisplayWarningText());
    }
}

void frmMain::cmdScreenSize_Click() {
    frmTools->hide();
    frmDisplayMode->hide();
    const bool fills = ScreenSizes::Chosen() == ScreenSize::FillTheScreen;
    optFillScreen->setChecked(fills);
    optDesignSize->setChecked(!fills);
    frmScreenSize->show();
    frmScreenSize->raise();
}

void frmMain::optScreenSize_Click() {
    const ScreenSize chosen =
        optFillScreen->isChecked() ? ScreenSize::FillTheScreen : ScreenSize::DesignSize;
    ScreenSizes::Choose(chosen);
}

void frmMain::cmdScreenSizeOK_Click() {
    frmScreenSize->hide();
    if (ScreenSizes::Chosen() == ScreenSize::DesignSize) {
        showDisplayWarning();
    }
}

void frmMain::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    resizer_.Resize();
    if (programOffered(*this)) {
        placeTopRow(*this, true); // the scaler knows only the designed row
    }
}

void frmMain::mousePressEvent(QMouseEvent* event) {
    Form::mousePressEvent(event);
    if (childAt(event->position().toPoint()) != nullptr) {
        return; // a press on a label or frame is not a press on the background
    }
    frmTools->hide();
    frmMenu->hide();
    frmScreenSize->hide();
}

void frmMain::cmdTRMenu_Click() {
    frmDisplayMode->hide();
    frmTools->hide();
    frmScreenSize->hide();
    frmMenu->show();
}

void frmMain::cmdTools_Click() {
    frmMenu->hide();
    frmScreenSize->hide();
    frmTools->show();
}

void frmMain::cmdOK2_Click() {
    frmDisplayMode->hide();
}

void frmMain::cmdHelp_Click() {
    frmTools->hide();
    frmMenu->hide();
    frmDisplayMode->hide();
    frmScreenSize->hide();
    OpenHelpFile("KOVA_MainHelp.hlp");
}

void frmMain::cmdName_Click() {
    const QPointer<frmMain> self(this);
    PatientName = platform().InputBox(
        "Enter Patient or Student Name that will be used on Score printouts (Or leave blank):",
        "KOVA", PatientName, 5000, 5000);
    if (self == nullptr) {
        return; // the menu was closed, and the program ended, while the box was open
    }
    frmTools->hide();
    OfferTodaysProgram();
}

void frmMain::cmdMetronome_Click() {
    frmMenu->hide();
    frmTools->hide();
    Forms::Show("frmMetronome");
}

QString ExerciseMenuCaption(const QString& optionsForm) {
    // Two buttons open the Tracking screen; its mode flag tells which did.
    const QString button = optionsForm != "frmTrackO" ? QString()
                           : TrackSequences == VbTrue ? "cmdTS"
                                                      : "cmdTNL";
    for (const ExerciseButton* column : {leftColumn, rightColumn}) {
        for (int row = 0; row < 7; ++row) {
            const ExerciseButton& b = column[row];
            if (optionsForm == b.optionsForm && (button.isEmpty() || button == b.name)) {
                return b.caption;
            }
        }
    }
    return {};
}

QStringList MenuExerciseCaptions() {
    QStringList captions;
    for (const ExerciseButton* column : {leftColumn, rightColumn}) {
        for (int row = 0; row < 7; ++row) {
            captions << column[row].caption;
        }
    }
    return captions;
}

namespace {

const ExerciseButton* MenuButtonOf(const QString& caption) {
    for (const ExerciseButton* column : {leftColumn, rightColumn}) {
        for (int row = 0; row < 7; ++row) {
            if (caption == column[row].caption) {
                return &column[row];
            }
        }
    }
    return nullptr;
}

} // namespace

QString MenuExerciseForm(const QString& caption) {
    const ExerciseButton* button = MenuButtonOf(caption);
    return button != nullptr ? QString(button->optionsForm) : QString();
}

void ChooseMenuExerciseMode(const QString& caption) {
    const ExerciseButton* button = MenuButtonOf(caption);
    if (button == nullptr || QString(button->optionsForm) != "frmTrackO") {
        return;
    }
    const bool sequences = QString(button->name) == "cmdTS";
    TrackSequences = sequences ? VbTrue : VbFalse;
    TrackNumbersLetters = sequences ? VbFalse : VbTrue;
}

Form* OpenMenuExercise(const QString& caption) {
    const ExerciseButton* button = MenuButtonOf(caption);
    auto* main = Forms::Find<frmMain>();
    if (button == nullptr || main == nullptr || !Forms::IsRegistered(button->optionsForm)) {
        return nullptr;
    }
    main->findChild<QPushButton*>(button->name)->click();
    return Forms::Find(button->optionsForm);
}

void frmMain::openExercise(const QString& optionsForm) {
    frmMenu->hide();
    Forms::Show(optionsForm);
}

Form* PrepareMenuExercise(const QString& caption) {
    const ExerciseButton* button = MenuButtonOf(caption);
    if (button == nullptr || !Forms::IsRegistered(button->optionsForm)) {
        return nullptr;
    }
    ChooseMenuExerciseMode(caption);
    Form& options = Forms::Get(button->optionsForm);
    const QString name = button->name;
    if (name == "cmdTNL") {
        options.findChild<QWidget*>("Frame1")->setVisible(true);
        options.findChild<QWidget*>("Frame2")->setVisible(false);
        options.findChild<QLabel*>("Label1")->setText("Tracking Numbers or Letters");
        options.findChild<QWidget*>("cboSeqLen")->setVisible(false);
        options.findChild<QWidget*>("lblSeqLen")->setVisible(false);
    } else if (name == "cmdTS") {
        options.findChild<QLabel*>("Label1")->setText("Tracking Sequences");
        auto* frame2 = options.findChild<QGroupBox*>("Frame2");
        frame2->setVisible(true);
        options.findChild<QWidget*>("Frame1")->setVisible(false);
        options.findChild<QWidget*>("cboSeqLen")->setVisible(true);
        options.findChild<QWidget*>("lblSeqLen")->setVisible(true);
        frame2->setTitle("Sequence Targets");
    }
    return &options;
}

void frmMain::cmdTNL_Click() {
    frmMenu->hide();
    Forms::Show(*PrepareMenuExercise("Tracking Numbers, Letters"));
}

void frmMain::cmdTS_Click() {
    frmMenu->hide();
    Forms::Show(*PrepareMenuExercise("Tracking Sequences"));
}

void frmMain::cmdExit2_Click() {
    Forms::Unload(*this);
}

void frmMain::Form_Unload() {
    // Closing the main menu ends the program with every other screen.
    Forms::UnloadAll();
    QCoreApplication::quit();
}
