// The History window's table of a patient's current program: week by week,
// the sessions planned against the sessions done.
#pragma once

#include <QGroupBox>

class QTableWidget;
class VbLabel;

class AdherenceTable : public QGroupBox {
    Q_OBJECT
public:
    explicit AdherenceTable(QWidget* parent);
    // Shows the patient's current program, or says there is none.
    void ShowPatient(const QString& patient);

private:
    VbLabel* lblProgram;
    QTableWidget* grdAdherence;
};
