// The History window: a patient's practices newest first, a progress chart
// of one exercise, CSV export, and deleting a practice or a patient.
#pragma once

#include "clinic/history/practice_store.h"
#include "shell/forms.h"

class AdherenceTable;
class QComboBox;
class QTableView;
class QTableWidget;
class PracticeListModel;
class ProgressChart;
class VbButton;
class VbLabel;

class frmHistory : public Form {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmHistory";
    frmHistory();

    // Opens the window over the form named opener, which takes no clicks
    // while it is open; the patient and exercise given are chosen first.
    static frmHistory& OpenOver(const QString& opener, const QString& patient = {},
                                const QString& exercise = {});

    // The window belongs to what opened it: it closes when that screen goes.
    static void CloseIfOpenedFrom(const QString& opener);

    void Form_Load() override;
    QString StaysAbove() const override { return openedFrom_; }

    void cmdDeletePractice_Click();
    void cmdDeletePatient_Click();
    void cmdExport_Click();
    void cmdDatabase_Click();
    void cmdClose_Click();

    // The patient chosen now; empty when none.
    QString ChosenPatient() const;
    // The practices listed now, newest first.
    const QList<PracticeSummary>& ShownPractices() const;
    ProgressChart& Chart() const { return *chart_; }
    // Chooses a patient by name (false when there is none of that name).
    bool ChoosePatient(const QString& name);
    // Chooses an exercise in the exercise box ("All exercises" for every one).
    void ChooseExercise(const QString& exercise);

private:
    void buildPatientSide();
    void buildPracticeSide();
    // Shows the patients, choosing the first patient and exercise asked for.
    void showPatients();
    void loadPatients(const QString& choose);
    void patientChosen();
    void exerciseChosen();
    void showChart();
    void practiceChosen();
    QString chartExercise() const;

    QString openedFrom_;
    QString firstPatient_;
    QString firstExercise_;
    QList<PracticeSummary> allPractices_; // the chosen patient's, newest first
    QString chartedExercise_;

    VbLabel* lblStatus;
    QTableWidget* lstPatients;
    VbButton* cmdDeletePatient;
    VbLabel* lblPractices;
    QComboBox* cboExercise;
    QTableView* grdPractices;
    PracticeListModel* model_;
    VbButton* cmdDeletePractice;
    VbButton* cmdExport;
    VbButton* cmdDatabase;
    VbButton* cmdClose;
    ProgressChart* chart_;
    AdherenceTable* adherence_;
};

// A file name made from a patient's name: characters no file name may hold
// are replaced and a long name is cut.
QString CsvFileNameFor(const QString& patient);
