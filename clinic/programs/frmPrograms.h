// The Programs window: a patient's therapy programs, made and changed step
// by step, each step's options chosen on its exercise's own options screen;
// programs carried to another computer as files, and the practices done
// there carried back.
#pragma once

#include "clinic/programs/therapy_program.h"
#include "shell/forms.h"
#include "shell/framework/options_screen.h"

#include <QPointer>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QListWidget;
class QSpinBox;
class QTableWidget;
class VbButton;
class VbLabel;

class frmPrograms : public Form {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmPrograms";
    frmPrograms();

    // Opens the window over the form named opener, which takes no clicks
    // while it is open, with the patient chosen when there is one.
    static frmPrograms& OpenOver(const QString& opener, const QString& patient = {});
    // The window belongs to what opened it: it closes when that screen goes.
    static void CloseIfOpenedFrom(const QString& opener);

    void Form_Load() override;
    void Form_Unload() override;
    QString StaysAbove() const override { return openedFrom_; }

    void cmdAddPatient_Click();
    void cmdNewProgram_Click();
    void cmdRenameProgram_Click();
    void cmdDeleteProgram_Click();
    void cmdMakeCurrent_Click();
    void cmdAddStep_Click();
    void cmdStepOptions_Click();
    void cmdCopyStep_Click();
    void cmdRemoveStep_Click();
    void cmdStepUp_Click();
    void cmdStepDown_Click();
    void cmdExportProgram_Click();
    void cmdImportProgram_Click();
    void cmdExportPractices_Click();
    void cmdImportPractices_Click();
    void cmdClose_Click();

    QString ChosenPatient() const;
    // The program chosen now, as kept; nothing when none is chosen.
    std::optional<TherapyProgram> ChosenProgram() const;
    // The index of the step chosen now; -1 when none.
    int ChosenStep() const;
    bool ChoosePatient(const QString& name);
    bool ChooseProgram(const QString& name);
    void ChooseStep(int index);
    // Shows the chosen patient's program of that id, with the step chosen.
    void ShowProgram(qint64 id, int step);
    // Tells what was done, in the window's status line.
    void Tell(const QString& status) { tell(status); }
    // The options screen open for a step now, if any.
    OptionsScreen* StepScreen() const { return stepScreen_; }
    // The line that tells what was last done or refused.
    QString Status() const;

private:
    void buildPatientSide();
    void buildProgramSide();
    void buildStepSide();
    void buildBottomRow();
    void loadPatients(const QString& choose);
    void patientChosen();
    void loadPrograms(qint64 chooseId, int chooseStep);
    std::optional<QByteArray> readChosenFile(const QString& title, const QString& filter);
    void refuseFile(const QString& kind, const QString& refusal);
    void programChosen();
    void showSteps(int chooseStep);
    void enableButtons();
    void tell(const QString& status, bool refusal = false);
    void scheduleChanged();
    // Keeps the program; on success it is shown chosen with the step given.
    bool keep(const TherapyProgram& program, int chooseStep);
    // Whether the patient has another program of that name.
    bool nameTaken(const QString& name, qint64 exceptId) const;
    // Asks for a program name; empty when cancelled or refused.
    QString askProgramName(const QString& prompt, const QString& proposed, qint64 exceptId);
    // Opens the exercise's options screen for a step: with values when set,
    // else as the screen opens; keep is given the values kept.
    void openStepScreen(const QString& exercise, const std::optional<OptionValues>& values,
                        const QString& title, KeepForProgram keep);
    void moveStep(int by);

    QString openedFrom_;
    QString firstPatient_;
    QStringList addedPatients_;
    QList<TherapyProgram> programs_; // the chosen patient's
    bool filling_ = false;
    QPointer<OptionsScreen> stepScreen_;

    VbLabel* lblStatus;
    QListWidget* lstPatients;
    VbButton* cmdAddPatient;
    QListWidget* lstPrograms;
    VbButton* cmdNewProgram;
    VbButton* cmdRenameProgram;
    VbButton* cmdDeleteProgram;
    VbButton* cmdMakeCurrent;
    std::array<QCheckBox*, 7> chkDays;
    QSpinBox* spnSessions;
    VbButton* cmdExportProgram;
    VbButton* cmdImportProgram;
    QTableWidget* grdSteps;
    QComboBox* cboExercise;
    VbButton* cmdAddStep;
    VbButton* cmdStepOptions;
    VbButton* cmdCopyStep;
    VbButton* cmdRemoveStep;
    VbButton* cmdStepUp;
    VbButton* cmdStepDown;
    VbButton* cmdExportPractices;
    VbButton* cmdImportPractices;
    VbButton* cmdClose;
};

// What a step's row shows for its practice time: "10 Mins", or "until Stop"
// for an exercise that has none.
QString StepPracticeTimeText(const ProgramStep& step);
// A file name made from a name: characters no file name may hold are
// replaced and a long name is cut.
QString FileNamePart(const QString& name);
