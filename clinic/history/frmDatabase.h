// The Database dialog of the History window: where the practice history is
// kept, this computer or a clinic's PostgreSQL server, with a connection test.
#pragma once

#include "clinic/history/database_choice.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmDatabase : public QDialog {
    Q_OBJECT
public:
    explicit frmDatabase(QWidget* parent);

    void cmdTestConnection_Click();
    void cmdOK_Click();

    // The choice as the dialog shows it now.
    DatabaseChoice Choice() const;

private:
    QGroupBox* buildServerFrame();
    void fillIn(const DatabaseChoice& choice);
    void kindChosen();
    // What is missing for a server; empty when nothing is.
    QString missing() const;
    bool serverAccepted();
    void showResult(const QString& text, bool good);

    QRadioButton* optThisComputer;
    QRadioButton* optServer;
    QGroupBox* frmServer;
    QLineEdit* txtHost;
    QLineEdit* txtPort;
    QLineEdit* txtDatabase;
    QLineEdit* txtUser;
    QLineEdit* txtPassword;
    QCheckBox* chkEncrypted;
    QPushButton* cmdTestConnection;
    QLabel* lblResult;
    QLabel* lblNote;
    bool serverWorks_ = false; // the server chosen answered at OK
};
