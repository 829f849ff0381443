// Saves pictures of the main menu and of every registered exercise's three
// screens, for looking at them: screenshots <folder> [width height].
#include "shell/app.h"
#include "shell/controls/combo_box.h"
#include "shell/forms.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

static void save(QWidget& window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    window.grab().save(folder + "/" + name + ".png");
}

// Types letters into a letter answer box until one is right and the box
// turns itself off.
static void nameTheLetter(QWidget& form) {
    auto* box = form.findChild<QLineEdit*>("txtAnswer");
    for (char letter = 'a'; box != nullptr && box->isEnabled() && letter <= 'z'; ++letter) {
        QTest::keyClick(box, letter);
    }
}

static void clickIfThere(QWidget& form, const char* name) {
    if (auto* button = form.findChild<QAbstractButton*>(name); button && button->isEnabled()) {
        button->click();
        QApplication::processEvents();
    }
}

// Tic Tac Toe Rotations: a pattern of three X's while it is shown, then the
// same pattern answered as shown and checked under a clockwise turn.
static void ticTacToeTurn(Form& therapy, const QString& folder, const QString& buttonName) {
    FakePlatform& fake = FakePlatform::Installed();
    clickIfThere(therapy, "cmdStart");
    fake.ScriptRnd({0.9, 0.1, 0.1, 0.1, 0.9, 0.9, 0.1, 0.1, 0.1});
    clickIfThere(therapy, "cmdNextPat");
    save(therapy, folder, buttonName + "_flash");
    fake.AdvanceTime(5000);
    for (const char* cell : {"cmdX(0)", "cmdX(4)", "cmdX(5)"}) {
        clickIfThere(therapy, cell);
    }
    clickIfThere(therapy, "cmdChkAnswer");
    save(therapy, folder, buttonName + "_checked");
    clickIfThere(therapy, "cmdStart");
}

// Pattern Duplicator at both grid sizes, borders on and off: a pattern of
// ten draws, then an answer with wrong squares checked three times.
static void patternDuplicatorRuns(Form& options, const QString& folder, const QString& buttonName) {
    FakePlatform& fake = FakePlatform::Installed();
    auto* gridSize = options.findChild<QAbstractButton*>("chkGridSize");
    auto* borders = options.findChild<QAbstractButton*>("chkBorders");
    for (const bool small : {true, false}) {
        for (const bool bordersOn : {true, false}) {
            gridSize->setChecked(small);
            borders->setChecked(bordersOn);
            clickIfThere(options, "cmdStart");
            Form* therapy = Forms::Active();
            const QString name =
                buttonName + (small ? "_25" : "_100") + (bordersOn ? "_borders" : "_plain");
            clickIfThere(*therapy, "cmdStart");
            fake.ScriptRnd({0.9, 0.0, 0.1, 0.15, 0.3, 0.42, 0.5, 0.61, 0.7, 0.85, 0.999});
            clickIfThere(*therapy, "cmdNextSet");
            save(*therapy, folder, name + "_pattern");
            const QString answerGrid = small ? "lbl2R" : "lblRGrid";
            for (int cell : {0, 1, 2, 12}) {
                clickIfThere(*therapy, (answerGrid + "(%1)").arg(cell).toLatin1().constData());
            }
            for (int check = 0; check < 3; ++check) {
                clickIfThere(*therapy, "cmdChkAnsw");
            }
            save(*therapy, folder, name + "_third_wrong");
            clickIfThere(*therapy, "cmdStart");
            clickIfThere(*therapy, "cmdOptions");
        }
    }
}

// The metronome at rest, then swung left on its first beat.
static void saveMetronome(const QString& folder) {
    frmMain& menu = *Forms::Find<frmMain>();
    auto* button = menu.findChild<QPushButton*>("cmdMetronome");
    if (button == nullptr || !button->isEnabled()) {
        return;
    }
    button->click();
    Form* metronome = Forms::Active();
    save(*metronome, folder, "cmdMetronome_rest");
    auto& fake = static_cast<FakePlatform&>(platform());
    fake.OnPlaySound = [&] {
        save(*metronome, folder, "cmdMetronome_swung");
        fake.OnPlaySound = nullptr;
    };
    fake.OnDoEvents = [&] { clickIfThere(*metronome, "cmdStart"); };
    clickIfThere(*metronome, "cmdStart");
    fake.OnDoEvents = nullptr;
}

// Discriminating Color Grids at the smallest, middle and largest sizes,
// borders on and off, bright and harder colours: a set, then a wrong answer.
static void colorGridsRuns(Form& options, const QString& folder, const QString& buttonName) {
    auto* gridSize = options.findChild<QComboBox*>("cboGridSize");
    auto* borders = options.findChild<QAbstractButton*>("chkBorders");
    auto* brighter = options.findChild<QAbstractButton*>("chkColorLevel");
    for (const char* size : {"1x2", "3x3", "5x5"}) {
        for (const bool bordersOn : {true, false}) {
            gridSize->setCurrentText(size);
            borders->setChecked(bordersOn);
            brighter->setChecked(bordersOn);
            clickIfThere(options, "cmdStart");
            Form* therapy = Forms::Active();
            const QString name = buttonName + "_" + size + (bordersOn ? "_borders" : "_plain");
            clickIfThere(*therapy, "cmdStart");
            clickIfThere(*therapy, "cmdNextSet");
            save(*therapy, folder, name + "_set");
            clickIfThere(*therapy, "cmdAns(0)");
            save(*therapy, folder, name + "_answered");
            clickIfThere(*therapy, "cmdStart");
            clickIfThere(*therapy, "cmdOptions");
        }
    }
    gridSize->setCurrentText("3x3");
    borders->setChecked(true);
    brighter->setChecked(true);
}

// Character Searching at its smallest and largest grids and fonts: a grid as
// shown, then its answer grid after a wrong count.
static void characterSearchingGrids(Form& options, const QString& folder,
                                    const QString& buttonName) {
    const struct {
        const char* rows;
        const char* perRow;
        const char* font;
        const char* type;
    } grids[] = {{"5", "10", "12", "optNumbers"},
                 {"15", "15", "18", "OptRandom"},
                 {"10", "15", "30", "optUCLetters"},
                 {"10", "15", "25", "optLCLetters"}};
    for (const auto& grid : grids) {
        auto* font = options.findChild<ValidatingComboBox*>("cboFont");
        font->SetText(grid.font);
        font->Validate();
        options.findChild<ValidatingComboBox*>("cboRows")->SetText(grid.rows);
        options.findChild<ValidatingComboBox*>("cboPerRow")->SetText(grid.perRow);
        options.findChild<QRadioButton*>(grid.type)->setChecked(true);
        clickIfThere(options, "cmdStart");
        Form* therapy = Forms::Active();
        // Maximized on the display, below a title bar.
        const QSize display = FakePlatform::Installed().Display;
        therapy->showNormal();
        therapy->resize(display.width(), display.height() - 30);
        const QString name = buttonName + "_" + grid.rows + "x" + grid.perRow + "_font" + grid.font;
        clickIfThere(*therapy, "cmdStart");
        clickIfThere(*therapy, "cmdBegin");
        save(*therapy, folder, name + "_grid");
        auto* answer = therapy->findChild<QLineEdit*>("txtAns");
        QTest::keyClicks(answer, "99999");
        QTest::keyClick(answer, Qt::Key_Return);
        save(*therapy, folder, name + "_answered");
        clickIfThere(*therapy, "cmdStart");
        clickIfThere(*therapy, "cmdOptions");
    }
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetUpAppearance(app);
    const QString folder = argc > 1 ? argv[1] : "shots";
    QDir().mkpath(folder);
    auto fake = std::make_unique<FakePlatform>();
    if (argc > 3) {
        fake->Display = QSize(QString(argv[2]).toInt(), QString(argv[3]).toInt());
    }
    SetPlatform(std::move(fake));
    RegisterExercises();
    frmMain& menu = StartMainMenu();
    menu.cmdTRMenu_Click();
    save(menu, folder, "main_menu");

    const QStringList buttons = {
        "cmdEyeRot",     "cmdTNL",      "cmdTS",         "cmdCharSearch",  "cmdRL",
        "cmdFlipper",    "cmdFlipForm", "cmdTicTacToe",  "cmdVisSequence", "cmdColorGrids",
        "cmdPatternDup", "cmdMNBD",     "cmdLinesBoxes", "cmdCloseNL"};
    for (const QString& buttonName : buttons) {
        auto* button = menu.findChild<QPushButton*>(buttonName);
        if (button == nullptr || !button->isEnabled()) {
            continue;
        }
        menu.cmdTRMenu_Click();
        button->click();
        QApplication::processEvents();
        Form* options = Forms::Active();
        save(*options, folder, buttonName + "_options");
        if (options->findChild<QWidget*>("chkGridSize") != nullptr) {
            patternDuplicatorRuns(*options, folder, buttonName);
        }
        if (options->findChild<QWidget*>("cboColorVar") != nullptr) {
            colorGridsRuns(*options, folder, buttonName);
        }
        if (options->findChild<QWidget*>("cboPerRow") != nullptr) {
            characterSearchingGrids(*options, folder, buttonName);
        }
        if (auto* clockwise = options->findChild<QRadioButton*>("optRotRight")) {
            clockwise->setChecked(true);
        }
        for (const char* therapyButton : {"cmdStart", "cmdToTherapy"}) {
            clickIfThere(*options, therapyButton);
        }
        Form* therapy = Forms::Active();
        if (therapy != options) {
            save(*therapy, folder, buttonName + "_therapy");
            // One stimulus of a picture exercise (a loop-driven screen is
            // left alone: its start message waits for OK).
            if (therapy->findChild<QPushButton*>("cmdNextSet") != nullptr) {
                clickIfThere(*therapy, "cmdStart");
                clickIfThere(*therapy, "cmdNextSet");
                save(*therapy, folder, buttonName + "_question");
                if (therapy->findChild<QPushButton*>("cmdEraseTiles") != nullptr) {
                    for (int i = 0; i < 8; ++i) {
                        clickIfThere(*therapy, "cmdEraseTiles");
                    }
                    save(*therapy, folder, buttonName + "_erased");
                    nameTheLetter(*therapy);
                }
                for (const char* answerButton : {"cmdAnswer1", "cmdHand1", "cmdAns(1)"}) {
                    clickIfThere(*therapy, answerButton);
                }
                save(*therapy, folder, buttonName + "_answered");
                clickIfThere(*therapy, "cmdStart");
            } else if (therapy->findChild<QPushButton*>("cmdNextPat") != nullptr) {
                ticTacToeTurn(*therapy, folder, buttonName);
            }
            for (const char* scoresButton : {"cmdScores", "cmdDOTScores"}) {
                clickIfThere(*therapy, scoresButton);
            }
            Form* scores = Forms::Active();
            if (scores != therapy) {
                save(*scores, folder, buttonName + "_scores");
                clickIfThere(*scores, "cmdMainMenu");
            }
        }
        Forms::UnloadAll();
        QApplication::processEvents();
        StartMainMenu();
    }
    saveMetronome(folder);
    Forms::UnloadAll();
    return 0;
}
