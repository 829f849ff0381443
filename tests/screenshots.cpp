// Saves pictures of the main menu and of every exercise the menu offers, in
// the states worth looking at: screenshots <folder> [width height].
//
// Each exercise: its options screen (and any frame it shows over itself),
// its therapy screen idle, the start message and a running page of the
// screens that wait for OK, each question of a screen that asks one (with a
// right and a wrong answer), each step of a screen worked in steps, Stop,
// and its scores screen, also with the widest values filled in, and the
// report of that screen saved as a PDF file.
#include "app/practice_extras.h"
#include "clinic/history/frmHistory.h"
#include "clinic/history/practice_history.h"
#include "clinic/programs/frmProgramSummary.h"
#include "clinic/programs/frmPrograms.h"
#include "clinic/programs/program_store.h"
#include "shell/app.h"
#include "shell/controls/basic.h"
#include "shell/controls/cell_grid.h"
#include "shell/controls/combo_box.h"
#include "shell/controls/covering_frame.h"
#include "shell/controls/drawing_surface.h"
#include "shell/forms.h"
#include "shell/forms_apart.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/option_values.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/therapy_screen.h"
#include "shell/main_menu.h"
#include "shell/menu_exercises.h"
#include "shell/mod_dodi.h"
#include "shell/screen_size.h"
#include "shell/todays_program.h"
#include "tests/support/fake_platform.h"
#include "tests/support/practice_samples.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Presses a button as a mouse user does: a shown button with a click of the
// left button, so that KOVA knows the mouse is in use (a keyboard user's
// focus frame stays away); any other as a call would press it.
void Press(QAbstractButton* button) {
    if (button->isVisible() && button->isEnabled()) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        button->click();
    }
}

class Shooter {
public:
    Shooter(QString folder, FakePlatform& fake) : folder_(std::move(folder)), fake_(fake) {}

    void MainMenu() {
        frmMain& menu = StartMainMenu();
        save(menu, "main_menu_start");
        menu.cmdTools_Click();
        save(menu, "main_menu_tools");
        menu.cmdTRMenu_Click();
        save(menu, "main_menu");
    }

    void Exercise(const QString& buttonName) {
        prefix_ = buttonName;
        frmMain& menu = StartMainMenu();
        menu.cmdTRMenu_Click();
        Press(menu.findChild<QPushButton*>(buttonName));
        auto* options = dynamic_cast<OptionsScreen*>(Forms::Active());
        if (options == nullptr) {
            return;
        }
        const Triad names = options->Names();
        save(*options, "options");
        frames(*options, "options");
        if (options->findChild<QWidget*>("chkGridSize") != nullptr) {
            patternDuplicatorRuns(*options);
        }
        if (options->findChild<QWidget*>("cboColorVar") != nullptr) {
            colorGridsRuns(*options);
        }
        if (options->findChild<QWidget*>("cboPerRow") != nullptr) {
            characterSearchingGrids(*options);
        }
        if (options->findChild<QWidget*>("cboBackG") != nullptr) {
            shapeCountingSets(*options);
        }
        if (options->findChild<QWidget*>("chkConfuse") != nullptr) {
            closingLinesRuns(*options);
        }
        if (auto* increasing = options->findChild<QRadioButton*>("optSequencing")) {
            increasing->setChecked(true); // Visual Sequencing: the new-or-same choice
            save(*options, "options_increasing");
            options->findChild<QRadioButton*>("optFixed")->setChecked(true);
        }
        if (auto* clockwise = options->findChild<QRadioButton*>("optRotRight")) {
            clockwise->setChecked(true); // Tic Tac Toe Rotations: a turned pattern
        }
        options->cmdStart_Click();
        Form& therapy = Forms::Get(names.therapy);
        fillDisplay(therapy);
        save(therapy, "therapy");
        frames(therapy, "therapy");
        if (auto* pictures = dynamic_cast<PictureTherapyScreen*>(&therapy)) {
            pictureRun(*pictures);
        } else if (therapy.findChild<QWidget*>("frmStartMess") != nullptr) {
            waitingRun(therapy);
        } else if (therapy.findChild<QPushButton*>("cmdRepeat") != nullptr) {
            visualSequencingRun(therapy);
        } else if (therapy.findChild<QPushButton*>("cmdNextPat") != nullptr) {
            ticTacToeTurn(therapy);
        }
        if (Forms::Find(names.therapy) != nullptr) {
            Forms::Hide(names.therapy);
            Forms::Show(names.scores);
            Form& scores = Forms::Get(names.scores);
            save(scores, "scores");
            saveReport(scores);
            widestValues(scores);
            save(scores, "scores_wide");
        }
        Forms::UnloadAll();
        QApplication::processEvents();
    }

    // The keyboard's focus frame: moved by the arrow keys onto a square of
    // the Tic Tac Toe board, and onto an answer of Discriminating Color Grids.
    void KeyboardFocus() {
        prefix_ = "keys";
        Form& ticTacToe = openTherapy("cmdTicTacToe");
        click(ticTacToe, "cmdStart");
        fake_.ScriptRnd({0.9, 0.1, 0.1, 0.1, 0.9, 0.9, 0.1, 0.1, 0.1});
        click(ticTacToe, "cmdNextPat");
        fake_.AdvanceTime(5000);
        tabTo(ticTacToe, "cmdX(0)");
        key(ticTacToe, Qt::Key_Right);
        key(ticTacToe, Qt::Key_Down);
        save(ticTacToe, "tictactoe_board");
        Forms::UnloadAll();

        Form& colorGrids = openTherapy("cmdColorGrids");
        click(colorGrids, "cmdStart");
        click(colorGrids, "cmdNextSet");
        tabTo(colorGrids, "cmdAns(0)");
        key(colorGrids, Qt::Key_Right);
        save(colorGrids, "color_grids_answer");
        Forms::UnloadAll();

        Form& closingLines = openTherapy("cmdLinesBoxes");
        click(closingLines, "cmdStart");
        click(closingLines, "cmdNextSet");
        tabTo(closingLines, "cmdAnswer");
        key(closingLines, Qt::Key_Return);
        for (const Qt::Key arrow : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up}) {
            key(closingLines, arrow);
        }
        save(closingLines, "closing_lines_pointer");
        Forms::UnloadAll();
        QApplication::processEvents();
    }

    // The metronome at rest, then swung left on its first beat.
    void Metronome() {
        prefix_.clear();
        frmMain& menu = StartMainMenu();
        auto* button = menu.findChild<QPushButton*>("cmdMetronome");
        if (button == nullptr || !button->isEnabled()) {
            return;
        }
        Press(button);
        Form* metronome = Forms::Active();
        save(*metronome, "cmdMetronome_rest");
        FakePlatform& fake = fake_;
        fake.OnPlaySound = [&] {
            save(*metronome, "cmdMetronome_swung");
            fake.OnPlaySound = nullptr;
        };
        fake.OnDoEvents = [&] { click(*metronome, "cmdStart"); };
        click(*metronome, "cmdStart");
        fake.OnDoEvents = nullptr;
    }

    // The History window with a patient of 30 practices, one exercise's
    // chart, and the CSV of them as text.
    void History() {
        prefix_.clear();
        const QDateTime first(QDate(2026, 9, 1), QTime(10, 15));
        for (const PracticeReport& r : SampleSessions("Ann Example", 30, first)) {
            PracticeHistory::Record(r);
        }
        PracticeHistory::Record(
            SamplePractice("Ben O'Brien \"Benny\"", "Flipper", first, 9, 12, 2.1));
        ModDODI::PatientName = "Ann Example";
        frmMain& menu = StartMainMenu();
        menu.cmdTools_Click();
        Press(menu.findChild<QPushButton*>("cmdHistory"));
        auto& history = Forms::Get<frmHistory>();
        save(history, "history");
        history.ChooseExercise("Flipper");
        save(history, "history_flipper");
        const QString csv = folder_ + "/history_practices.csv";
        fake_.SaveFileAnswers.enqueue(csv);
        click(history, "cmdExport");
        QFile file(csv);
        if (file.open(QIODevice::ReadOnly)) {
            QPlainTextEdit text;
            text.setLineWrapMode(QPlainTextEdit::NoWrap);
            text.setPlainText(QString::fromUtf8(file.readAll()));
            text.resize(history.size());
            save(text, "history_csv");
        }
        click(history, "cmdClose");
    }

    // The adaptive mode: the options screens of the exercises with a ladder
    // with the mode on, therapy screens at level 6 and their scores with the
    // level lines, and the History window's chart of the
    // levels a patient's practices ended on.
    void AdaptiveLevels() {
        prefix_ = "adaptive";
        for (const QString buttonName :
             {"cmdVisSequence", "cmdColorGrids", "cmdTicTacToe", "cmdMNBD", "cmdPatternDup",
              "cmdCharSearch", "cmdRL", "cmdCloseNL", "cmdTNL", "cmdTS", "cmdEyeRot"}) {
            frmMain& menu = StartMainMenu();
            menu.cmdTRMenu_Click();
            menu.findChild<QPushButton*>(buttonName)->click();
            auto* options = dynamic_cast<OptionsScreen*>(Forms::Active());
            click(*options, AdaptiveNames::ModeCheck);
            options->findChild<QComboBox*>(AdaptiveNames::StartLevel)->setCurrentText("6");
            save(*options, "options_" + buttonName);
            if (buttonName == "cmdTNL" || buttonName == "cmdTS" || buttonName == "cmdEyeRot") {
                adaptiveTherapy(*options, buttonName);
            } else if (buttonName == "cmdColorGrids" || buttonName == "cmdTicTacToe") {
                handChange(*options);
            } else {
                adaptivePractice(*options);
            }
            Forms::UnloadAll();
        }
        const QDateTime first(QDate(2026, 10, 1), QTime(9, 30));
        const QList<int> levels = {1, 3, 4, 4, 6, 5, 6, 7, 7, 8, 7, 8};
        for (int i = 0; i < levels.size(); ++i) {
            PracticeReport r = SamplePractice("Cleo Adaptive", "Visual Sequencing",
                                              first.addDays(i), 16 + i % 3, 20, 1.4);
            r.scores.append(
                {AdaptiveNames::EndLineCaption, QString::number(levels[i]), double(levels[i])});
            PracticeHistory::Record(r);
        }
        ModDODI::PatientName = "Cleo Adaptive";
        frmMain& menu = StartMainMenu();
        menu.cmdTools_Click();
        menu.findChild<QPushButton*>("cmdHistory")->click();
        auto& history = Forms::Get<frmHistory>();
        history.ChooseExercise("Visual Sequencing");
        save(history, "history");
        click(history, "cmdClose");
        ModDODI::PatientName = "Ann Smith";
    }

    // A display choice changed by hand: the mode goes off, the therapy
    // screen says so in its info line.
    void handChange(OptionsScreen& options) {
        if (auto* tiles = options.findChild<QScrollBar*>("HScroll2")) {
            tiles->triggerAction(QAbstractSlider::SliderSingleStepAdd); // Closing Letters
        } else {
            auto* box = options.findChild<QComboBox*>(
                options.findChild<QWidget*>("cboSpeed") != nullptr ? "cboSpeed" : "cboColorVar");
            Q_EMIT box->activated(box->currentIndex());
        }
        const Triad names = options.Names();
        options.cmdStart_Click();
        Form& therapy = Forms::Get(names.therapy);
        fillDisplay(therapy);
        save(therapy, "therapy_by_hand_" + names.therapy);
    }

    // The therapy screen at the start level, and with the mode turned off by hand.
    void adaptiveTherapy(OptionsScreen& options, const QString& buttonName) {
        const Triad names = options.Names();
        options.cmdStart_Click();
        fillDisplay(Forms::Get(names.therapy));
        save(Forms::Get(names.therapy), "therapy_" + buttonName);
        Forms::Unload(names.therapy);
        Forms::Show(options);
        auto* speed = options.findChild<QComboBox*>("cboSpeed");
        Q_EMIT speed->activated(speed->currentIndex());
        options.cmdStart_Click();
        fillDisplay(Forms::Get(names.therapy));
        save(Forms::Get(names.therapy), "therapy_by_hand_" + buttonName);
    }

    void adaptivePractice(OptionsScreen& options) {
        const Triad names = options.Names();
        options.cmdStart_Click();
        Form& therapy = Forms::Get(names.therapy);
        fillDisplay(therapy);
        click(therapy, "cmdStart");
        save(therapy, "therapy_" + names.therapy);
        click(therapy, "cmdStart");
        Forms::Hide(names.therapy);
        Forms::Show(names.scores);
        save(Forms::Get(names.scores), "scores_" + names.scores);
    }

    // The Programs window with a program of five steps, and one step's
    // options screen opened for the program.
    void Programs() {
        prefix_.clear();
        ModDODI::PatientName = "Ann Example";
        TherapyProgram program;
        program.patient = "Ann Example";
        program.name = "Home program, weeks 1 to 4";
        program.days = TherapyProgram::EveryDay & ~TherapyProgram::DayBit(Qt::Sunday);
        program.sessionsPerWeek = 4;
        program.current = true;
        for (const char* exercise : {"Shape Counting", "Flipper", "Tracking Sequences",
                                     "Discriminating Color Grids", "Visual Sequencing"}) {
            ChooseMenuExerciseMode(exercise);
            const std::unique_ptr<Form> screen = Forms::MakeApart(MenuExerciseForm(exercise));
            program.steps.append({exercise, ReadOptionValues(*screen)});
        }
        if (PracticeStore* history = PracticeHistory::Store()) {
            ProgramStore(*history).Save(program);
        }
        frmMain& menu = StartMainMenu();
        menu.cmdTools_Click();
        Press(menu.findChild<QPushButton*>("cmdPrograms"));
        auto& window = Forms::Get<frmPrograms>();
        window.ChooseStep(2);
        save(window, "programs");
        click(window, "cmdStepOptions");
        if (OptionsScreen* step = window.StepScreen()) {
            save(*step, "programs_step_options");
        }
        click(window, "cmdClose");
    }

    // A patient's program of three steps: the main menu offering Today's
    // Program, the scores screen of its last step with Next Exercise, the
    // summary, and the History window's sessions planned and done.
    void Program() {
        prefix_ = "program";
        const QString patient = "Cora Example";
        TherapyProgram program{0, patient, "Morning practice", {}, TherapyProgram::EveryDay,
                               3, true};
        for (const char* exercise :
             {"Shape Counting", "Discriminating Color Grids", "Pattern Duplicator"}) {
            const std::unique_ptr<Form> screen = Forms::MakeApart(MenuExerciseForm(exercise));
            program.steps << ProgramStep{exercise, ReadOptionValues(*screen)};
        }
        ProgramStore programs(*PracticeHistory::Store());
        program.id = programs.Save(program).value_or(0);
        // Three weeks of sessions, some of them whole, and today's first two steps.
        const QDate today = fake_.Today;
        for (int day = -20; day <= 0; day += day % 3 == 0 ? 2 : 1) {
            const int steps = day == 0 ? 2 : day % 4 == 0 ? 2 : 3;
            for (int step = 0; step < steps; ++step) {
                PracticeHistory::Store()->Record(
                    SamplePractice(patient, program.steps[step].exercise,
                                   QDateTime(today.addDays(day), QTime(9, 10 * step)), 6 + step, 9,
                                   1.5 + step),
                    ProgramPlace{program.id, step});
            }
        }
        ModDODI::PatientName = patient;
        frmMain& menu = StartMainMenu();
        OfferTodaysProgram();
        save(menu, "main_menu");
        Press(menu.findChild<QPushButton*>("cmdProgram"));
        if (auto* therapy = dynamic_cast<TherapyScreen*>(Forms::Active())) {
            click(*therapy, "cmdScores");
        }
        if (Form* scores = Forms::Active()) {
            save(*scores, "scores_next_exercise");
            click(*scores, "cmdNextExercise");
        }
        if (Form* summary = Forms::Find(frmProgramSummary::Name)) {
            save(*summary, "summary");
            click(*summary, "cmdClose");
        }
        menu.cmdTools_Click();
        Press(menu.findChild<QPushButton*>("cmdHistory"));
        auto& history = Forms::Get<frmHistory>();
        save(history, "history_adherence");
        click(history, "cmdClose");
        ModDODI::PatientName = "Ann Smith";
    }

private:
    void save(QWidget& window, const QString& state) {
        QApplication::processEvents();
        const QString name = prefix_.isEmpty() ? state : prefix_ + "_" + state;
        window.grab().save(folder_ + "/" + name + ".png");
    }

    // An exercise's therapy screen, opened from the main menu.
    Form& openTherapy(const QString& buttonName) {
        frmMain& menu = StartMainMenu();
        menu.cmdTRMenu_Click();
        Press(menu.findChild<QPushButton*>(buttonName));
        auto* options = dynamic_cast<OptionsScreen*>(Forms::Active());
        const Triad names = options->Names();
        options->cmdStart_Click();
        Form& therapy = Forms::Get(names.therapy);
        fillDisplay(therapy);
        therapy.activateWindow();
        QApplication::processEvents();
        return therapy;
    }

    static void key(QWidget& form, Qt::Key pressed) {
        QTest::keyClick(form.windowHandle(), pressed);
        QApplication::processEvents();
    }

    static void tabTo(QWidget& form, const QString& name) {
        for (int tabs = 0;
             tabs < 60 && QApplication::focusWidget() != form.findChild<QWidget*>(name); ++tabs) {
            key(form, Qt::Key_Tab);
        }
    }

    static void click(QWidget& form, const QString& name) {
        if (auto* button = form.findChild<QAbstractButton*>(name); button && button->isEnabled()) {
            Press(button);
            QApplication::processEvents();
        }
    }

    // Every frame the screen shows over its controls, one at a time.
    void frames(QWidget& form, const QString& state) {
        for (CoveringFrame* frame : form.findChildren<CoveringFrame*>()) {
            if (frame->isHidden() && frame->objectName() != "frmStartMess") {
                frame->ShowCovering();
                save(form, state + "_" + frame->objectName());
                frame->hide();
            }
        }
    }

    void pictureRun(PictureTherapyScreen& therapy) {
        Press(therapy.cmdStart);
        if (therapy.findChild<QPushButton*>("cmdAnswer0") != nullptr) {
            eachQuestion(therapy);
        } else if (therapy.findChild<QPushButton*>("cmdOK1") != nullptr) {
            eachStep(therapy);
        } else {
            Press(therapy.cmdNextSet);
            save(therapy, "question");
            if (therapy.findChild<QPushButton*>("cmdEraseTiles") != nullptr) {
                for (int i = 0; i < 8; ++i) {
                    click(therapy, "cmdEraseTiles");
                }
                save(therapy, "erased");
                nameTheLetter(therapy);
            }
            click(therapy, "cmdAnswer1");
            click(therapy, "cmdHand1");
            save(therapy, "answered");
        }
        Press(therapy.cmdStart);
        save(therapy, "stopped");
    }

    // A question for every combination of arrangement and answer position
    // that asks something new; a right answer to the first, wrong to the others.
    void eachQuestion(PictureTherapyScreen& therapy) {
        auto* question = therapy.findChild<QLabel*>("lblQuestion");
        QSet<QString> seen;
        for (int arrangement = 0; arrangement < 3; ++arrangement) {
            for (int answer = 0; answer < 4; ++answer) {
                fake_.ScriptRnd({answer / 4.0 + 0.01, arrangement == 2 ? 0.99 : arrangement / 2.0});
                Press(therapy.cmdNextSet);
                if (question == nullptr || seen.contains(question->text())) {
                    click(therapy, "cmdAnswer" + QString::number(answer));
                    continue;
                }
                const int n = static_cast<int>(seen.size()) + 1;
                seen.insert(question->text());
                save(therapy, QString("question%1").arg(n));
                const int clicked = n == 1 ? answer : (answer + 1) % 4;
                click(therapy, "cmdAnswer" + QString::number(clicked));
                save(therapy, QString("question%1_%2").arg(n).arg(n == 1 ? "right" : "wrong"));
            }
        }
    }

    // A set worked box by box: each instruction, the results, a repeat.
    void eachStep(PictureTherapyScreen& therapy) {
        Press(therapy.cmdNextSet);
        for (int box = 1; box <= 3; ++box) {
            save(therapy, QString("step%1").arg(box));
            if (auto* picture = therapy.findChild<QWidget*>("Picture" + QString::number(box))) {
                fake_.ScriptRnd({0.3});
                QMetaObject::invokeMethod(picture, "clicked");
            }
            click(therapy, "cmdOK" + QString::number(box));
        }
        save(therapy, "results");
        click(therapy, "cmdRepeat");
        save(therapy, "repeat");
    }

    // A screen that shows a start message and waits for OK: the message, then
    // the run a moment later, then Stop.
    void waitingRun(Form& therapy) {
        int calls = 0;
        bool messageSaved = false;
        fake_.OnDoEvents = [&] {
            auto* message = therapy.findChild<QWidget*>("frmStartMess");
            if (message != nullptr && message->isVisible()) {
                if (!messageSaved) {
                    save(therapy, "start_message");
                }
                messageSaved = true;
                click(*message, "cmdOK2");
            } else if (messageSaved && ++calls == 60) {
                save(therapy, "running");
                click(therapy, "cmdStart");
            }
        };
        click(therapy, "cmdStart");
        auto* start = therapy.findChild<QPushButton*>("cmdStart");
        if (Forms::Find(therapy.objectName()) != nullptr && start != nullptr &&
            start->text() == "Stop") {
            fake_.AdvanceTime(3000); // a screen run by a form timer
            save(therapy, "running");
            click(therapy, "cmdStart");
        }
        fake_.OnDoEvents = nullptr;
        save(therapy, "stopped");
    }

    // Types letters into a letter answer box until one is right and the box
    // turns itself off.
    static void nameTheLetter(QWidget& form) {
        auto* box = form.findChild<QLineEdit*>("txtAnswer");
        for (char letter = 'a'; box != nullptr && box->isEnabled() && letter <= 'z'; ++letter) {
            QTest::keyClick(box, letter);
        }
    }

    // Tic Tac Toe Rotations: a pattern of three X's while it is shown, then
    // the same pattern answered as shown and checked under a clockwise turn.
    void ticTacToeTurn(Form& therapy) {
        click(therapy, "cmdStart");
        fake_.ScriptRnd({0.9, 0.1, 0.1, 0.1, 0.9, 0.9, 0.1, 0.1, 0.1});
        click(therapy, "cmdNextPat");
        save(therapy, "flash");
        fake_.AdvanceTime(5000);
        for (const char* cell : {"cmdX(0)", "cmdX(4)", "cmdX(5)"}) {
            click(therapy, cell);
        }
        click(therapy, "cmdChkAnswer");
        save(therapy, "checked");
        click(therapy, "cmdStart");
    }

    // Visual Sequencing: a square lit during a sequence, a sequence answered
    // right, then one answered wrong with Repeat offered.
    void visualSequencingRun(Form& therapy) {
        click(therapy, "cmdStart");
        bool litSaved = false;
        fake_.OnSleep = [&](int) {
            for (GridCell* square : therapy.findChildren<GridCell*>()) {
                if (!litSaved && square->BackColor() != QColor(Qt::white)) {
                    litSaved = true;
                    save(therapy, "lit");
                }
            }
        };
        fake_.ScriptRnd({0.05, 0.5, 0.95});
        click(therapy, "cmdNextPat");
        fake_.OnSleep = nullptr;
        for (const char* square : {"cmdX(0)", "cmdX(4)", "cmdX(8)"}) {
            click(therapy, square);
        }
        save(therapy, "correct");
        fake_.ScriptRnd({0.05, 0.5, 0.95});
        click(therapy, "cmdNextPat");
        click(therapy, "cmdX(2)");
        save(therapy, "wrong");
        click(therapy, "cmdStart");
    }

    // Pattern Duplicator at both grid sizes, borders on and off: a pattern of
    // ten draws, then an answer with wrong squares checked three times.
    void patternDuplicatorRuns(Form& options) {
        auto* gridSize = options.findChild<QAbstractButton*>("chkGridSize");
        auto* borders = options.findChild<QAbstractButton*>("chkBorders");
        for (const bool small : {true, false}) {
            for (const bool bordersOn : {true, false}) {
                gridSize->setChecked(small);
                borders->setChecked(bordersOn);
                click(options, "cmdStart");
                Form* therapy = Forms::Active();
                const QString name =
                    QString(small ? "25" : "100") + (bordersOn ? "_borders" : "_plain");
                click(*therapy, "cmdStart");
                fake_.ScriptRnd({0.9, 0.0, 0.1, 0.15, 0.3, 0.42, 0.5, 0.61, 0.7, 0.85, 0.999});
                click(*therapy, "cmdNextSet");
                save(*therapy, name + "_pattern");
                const QString answerGrid = small ? "lbl2R" : "lblRGrid";
                for (int cell : {0, 1, 2, 12}) {
                    click(*therapy, (answerGrid + "(%1)").arg(cell));
                }
                for (int check = 0; check < 3; ++check) {
                    click(*therapy, "cmdChkAnsw");
                }
                save(*therapy, name + "_third_wrong");
                click(*therapy, "cmdStart");
                click(*therapy, "cmdOptions");
            }
        }
    }

    // The scores screen's report, saved as a PDF by its Save PDF... button.
    void saveReport(QWidget& scores) {
        fake_.SaveFileAnswers.enqueue(QDir(folder_).absoluteFilePath(prefix_ + "_report.pdf"));
        click(scores, "cmdSavePdf");
    }

    // The value labels (boxed) with the widest values they may show.
    static void widestValues(QWidget& scores) {
        for (VbLabel* value : scores.findChildren<VbLabel*>()) {
            if (value->frameShape() == QFrame::Box) {
                value->setText(value->objectName() == "lblPracTime" ? "59 Mins  59 Secs" : "32767");
            }
        }
    }

    // Discriminating Color Grids at the smallest, middle and largest sizes,
    // borders on and off, bright and harder colours: a set, then a wrong answer.
    void colorGridsRuns(Form& options) {
        auto* gridSize = options.findChild<QComboBox*>("cboGridSize");
        auto* borders = options.findChild<QAbstractButton*>("chkBorders");
        auto* brighter = options.findChild<QAbstractButton*>("chkColorLevel");
        for (const char* size : {"1x2", "3x3", "5x5"}) {
            for (const bool bordersOn : {true, false}) {
                gridSize->setCurrentText(size);
                borders->setChecked(bordersOn);
                brighter->setChecked(bordersOn);
                click(options, "cmdStart");
                Form* therapy = Forms::Active();
                const QString name = QString(size) + (bordersOn ? "_borders" : "_plain");
                click(*therapy, "cmdStart");
                click(*therapy, "cmdNextSet");
                save(*therapy, name + "_set");
                click(*therapy, "cmdAns(0)");
                save(*therapy, name + "_answered");
                click(*therapy, "cmdStart");
                click(*therapy, "cmdOptions");
            }
        }
        gridSize->setCurrentText("3x3");
        borders->setChecked(true);
        brighter->setChecked(true);
    }

    // Character Searching at its smallest and largest grids and fonts: a grid as
    // shown, then its answer grid after a wrong count.
    void characterSearchingGrids(Form& options) {
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
            click(options, "cmdStart");
            Form* therapy = Forms::Active();
            // Maximized on the display, below a title bar.
            const QSize display = fake_.Display;
            therapy->showNormal();
            therapy->resize(display.width(), display.height() - 30);
            const QString name = QString(grid.rows) + "x" + grid.perRow + "_font" + grid.font;
            click(*therapy, "cmdStart");
            click(*therapy, "cmdBegin");
            save(*therapy, name + "_grid");
            auto* answer = therapy->findChild<QLineEdit*>("txtAns");
            QTest::keyClicks(answer, "99999");
            QTest::keyClick(answer, Qt::Key_Return);
            save(*therapy, name + "_answered");
            click(*therapy, "cmdStart");
            click(*therapy, "cmdOptions");
        }
    }

    // A screen that fills the display is shown at the display's size: the
    // offscreen platform's own screen has a fixed size.
    void fillDisplay(Form& form) {
        if (form.windowState() & Qt::WindowMaximized) {
            form.setWindowState(Qt::WindowNoState);
            form.resize(fake_.Display);
            QApplication::processEvents();
        }
    }

    // Closing Lines and Boxes, both target types: the figure while it is
    // shown, the notice and a distractor of the confusion burst, and an
    // answer with its solution.
    void closingLinesRuns(Form& options) {
        options.findChild<QAbstractButton*>("chkConfuse")->setChecked(true);
        for (const char* type : {"optLines", "optRect"}) {
            options.findChild<QAbstractButton*>(type)->setChecked(true);
            click(options, "cmdStart");
            Form* therapy = Forms::Active();
            fillDisplay(*therapy);
            const QString name = type;
            click(*therapy, "cmdStart");
            int waits = 0;
            fake_.OnSleep = [&](int) {
                ++waits;
                if (waits == 2) {
                    save(*therapy, name + "_shown");
                } else if (waits == 4) {
                    save(*therapy, name + "_notice");
                } else if (waits == 5) {
                    save(*therapy, name + "_distractor");
                }
            };
            fake_.ScriptRnd({0, 0.6, 0.4, 0.5, 0.5, 0.5, 0.5, 0.9, 0.2});
            click(*therapy, "cmdNextSet");
            fake_.OnSleep = nullptr;
            fake_.Now += 2.37;
            click(*therapy, "cmdAnswer");
            auto* surface = therapy->findChild<DrawingSurface*>("surface");
            QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier,
                              surface->ToPixels(640, 420).toPoint());
            save(*therapy, name + "_answered");
            click(*therapy, "cmdStart");
            click(*therapy, "cmdOptions");
        }
        options.findChild<QAbstractButton*>("chkConfuse")->setChecked(false);
    }

    static void typeCount(QWidget& therapy, const QString& count) {
        if (auto* box = therapy.findChild<QLineEdit*>("txtAns"); box && box->isEnabled()) {
            QTest::keyClicks(box, count);
            QTest::keyClick(box, Qt::Key_Return);
            QApplication::processEvents();
        }
    }
    // Shape Counting: a set at each background level with the thickest edges
    // and the most targets, the third wrong count showing them in green, and
    // at last the widest message over 28 green boxes.
    void shapeCountingSets(Form& options) {
        auto setOption = [&options](const char* name, const char* text) {
            options.findChild<QComboBox*>(name)->setCurrentText(text);
        };
        setOption("cboMaxTarg", "25");
        setOption("cboBorder", "4");
        click(options, "cmdStart");
        Form* therapy = Forms::Active();
        fillDisplay(*therapy);
        click(*therapy, "cmdStart");
        for (const QString level : {"1", "2", "3", "4", "5"}) {
            setOption("cboBackG", qPrintable(level));
            click(*therapy, "cmdNextSet");
            save(*therapy, "level" + level);
            for (int wrong = 0; wrong < 3; ++wrong) {
                typeCount(*therapy, "0");
            }
            save(*therapy, "level" + level + "_shown");
        }
        setOption("cboBackG", "1");
        QList<double> draws(3000, 0.5); // the dots of level 1
        draws << 0.99 << 0.1;           // 28 boxes
        for (int box = 0; box < 28; ++box) {
            draws << box / 28.0 << (box % 7) / 7.0 << 0.5 << 0.3;
        }
        fake_.ScriptRnd(draws);
        click(*therapy, "cmdNextSet");
        typeCount(*therapy, "28");
        save(*therapy, "right_28");
        click(*therapy, "cmdStart");
        click(*therapy, "cmdOptions");
        setOption("cboMaxTarg", "6");
        setOption("cboBorder", "1");
    }

    QString folder_;
    FakePlatform& fake_;
    QString prefix_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetUpAppearance(app);
    InstallPracticeExtras();
    const QString folder = argc > 1 ? argv[1] : "shots";
    QDir().mkpath(folder);
    auto fake = std::make_unique<FakePlatform>();
    FakePlatform& platformInUse = *fake;
    if (argc > 3) {
        fake->Display = QSize(QString(argv[2]).toInt(), QString(argv[3]).toInt());
    }
    // KOVA_SHOTS_ANSWER_MARKS=1: the walk with answer marks chosen.
    if (qEnvironmentVariable("KOVA_SHOTS_ANSWER_MARKS") == "1") {
        fake->Settings.insert("AnswerMarks", "On");
    }
    SetPlatform(std::move(fake));
    // The practices of the walk go to a history of its own, never the user's.
    QTemporaryDir scratch;
    PracticeHistory::UseTarget(scratch.filePath("practice_history.sqlite"));
    // A fourth argument "design" shows the screens at their design size.
    if (argc > 4) {
        ScreenSizes::Choose(QString(argv[4]) == "design" ? ScreenSize::DesignSize
                                                         : ScreenSize::FillTheScreen);
    }
    RegisterExercises();
    ModDODI::PatientName = "Ann Smith"; // as on the reports
    Shooter shooter(folder, platformInUse);
    shooter.MainMenu();
    QStringList exercises;
    for (QPushButton* button : Forms::Get("frmMain").findChildren<QPushButton*>()) {
        if (button->parentWidget()->objectName() == "frmMenu" && button->isEnabled()) {
            exercises << button->objectName();
        }
    }
    Forms::UnloadAll();
    for (const QString& buttonName : exercises) {
        shooter.Exercise(buttonName);
    }
    shooter.Metronome();
    Forms::UnloadAll();
    shooter.History();
    Forms::UnloadAll();
    shooter.Programs();
    Forms::UnloadAll();
    shooter.Program();
    Forms::UnloadAll();
    shooter.KeyboardFocus();
    Forms::UnloadAll();
    shooter.AdaptiveLevels();
    Forms::UnloadAll();
    PracticeHistory::Close();
    return 0;
}
