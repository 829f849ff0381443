#include "clinic/history/frmDatabase.h"

#include "clinic/history/connection_check.h"
#include "clinic/history/practice_history.h"
#include "shell/platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>
#include <utility>

namespace {

QLineEdit* makeField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance("clinic-server.example.org"));
    return field;
}

QLabel* makeNote(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

frmDatabase::frmDatabase(QWidget* parent) : QDialog(parent) {
    setObjectName("frmDatabase");
    setWindowTitle("KOVA  Database");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* lblWhere = new QLabel("Keep the practice history on:", this);
    layout->addWidget(lblWhere);
    optThisComputer = new QRadioButton("This computer", this);
    optThisComputer->setObjectName("optThisComputer");
    optServer = new QRadioButton("A clinic server", this);
    optServer->setObjectName("optServer");
    layout->addWidget(optThisComputer);
    layout->addWidget(optServer);
    layout->addWidget(buildServerFrame());
    lblNote = makeNote("lblNote", this);
    layout->addWidget(lblNote);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
    layout->addWidget(buttons);
    // Wide enough that the longest answer of Test Connection takes a few lines.
    setMinimumWidth(fontMetrics().horizontalAdvance('x') * 70);

    connect(optServer, &QRadioButton::toggled, this, &frmDatabase::kindChosen);
    connect(cmdTestConnection, &QPushButton::clicked, this, &frmDatabase::cmdTestConnection_Click);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmDatabase::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    fillIn(DatabaseChoice::Saved());
    if (PracticeHistory::SetByEnvironment()) {
        lblNote->setText("KOVA_DATABASE is set, so KOVA keeps the history in\n" +
                         PracticeHistory::Description() +
                         "\nwhatever is chosen here, until it is unset.");
    }
}

QGroupBox* frmDatabase::buildServerFrame() {
    frmServer = new QGroupBox("Clinic server", this);
    frmServer->setObjectName("frmServer");
    auto* form = new QFormLayout(frmServer);
    txtHost = makeField("txtHost", frmServer);
    txtPort = makeField("txtPort", frmServer);
    txtPort->setValidator(new QIntValidator(1, 65535, txtPort));
    txtDatabase = makeField("txtDatabase", frmServer);
    txtUser = makeField("txtUser", frmServer);
    txtPassword = makeField("txtPassword", frmServer);
    txtPassword->setEchoMode(QLineEdit::Password);
    form->addRow("Host:", txtHost);
    form->addRow("Port:", txtPort);
    form->addRow("Database:", txtDatabase);
    form->addRow("User:", txtUser);
    form->addRow("Password:", txtPassword);
    chkEncrypted = new QCheckBox("Require an encrypted connection", frmServer);
    chkEncrypted->setObjectName("chkEncrypted");
    form->addRow(chkEncrypted);
    cmdTestConnection = new QPushButton("Test Connection", frmServer);
    cmdTestConnection->setObjectName("cmdTestConnection");
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(cmdTestConnection);
    testRow->addStretch(1);
    form->addRow(testRow);
    lblResult = makeNote("lblResult", frmServer);
    // Room for the longest answer, so that the dialog need not grow.
    lblResult->setMinimumHeight(lblResult->fontMetrics().lineSpacing() * 5);
    form->addRow(lblResult);
    return frmServer;
}

void frmDatabase::fillIn(const DatabaseChoice& choice) {
    optThisComputer->setChecked(!choice.server);
    optServer->setChecked(choice.server);
    txtHost->setText(choice.host);
    txtPort->setText(QString::number(choice.port));
    txtDatabase->setText(choice.database);
    txtUser->setText(choice.user);
    txtPassword->setText(choice.server ? ServerPassword::Known(choice) : QString());
    chkEncrypted->setChecked(choice.requireEncryption);
    kindChosen();
}

DatabaseChoice frmDatabase::Choice() const {
    DatabaseChoice choice;
    choice.server = optServer->isChecked();
    choice.host = txtHost->text().trimmed();
    bool numeric = false;
    const int port = txtPort->text().toInt(&numeric);
    choice.port = numeric ? port : DatabaseChoice::DefaultPort;
    choice.database = txtDatabase->text().trimmed();
    choice.user = txtUser->text().trimmed();
    choice.requireEncryption = chkEncrypted->isChecked();
    return choice;
}

void frmDatabase::kindChosen() {
    frmServer->setEnabled(optServer->isChecked());
    lblResult->clear();
}

QString frmDatabase::missing() const {
    QStringList names;
    for (const auto& [field, name] :
         {std::pair{txtHost, "host"}, std::pair{txtPort, "port"},
          std::pair{txtDatabase, "database"}, std::pair{txtUser, "user"}}) {
        if (field->text().trimmed().isEmpty()) {
            names << name;
        }
    }
    return names.isEmpty() ? QString() : "Fill in the " + names.join(", ") + " first.";
}

void frmDatabase::showResult(const QString& text, bool good) {
    lblResult->setText(text);
    lblResult->setStyleSheet(good ? "color: #006400;" : "color: #b00000;");
}

void frmDatabase::cmdTestConnection_Click() {
    if (const QString lacking = missing(); !lacking.isEmpty()) {
        showResult(lacking, false);
        return;
    }
    showResult("Connecting...", true);
    lblResult->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ConnectionVerdict verdict = CheckConnection(Choice(), txtPassword->text());
    QApplication::restoreOverrideCursor();
    showResult(verdict.message, verdict.Works());
}

// A server that does not work now is taken only when the therapist says so.
bool frmDatabase::serverAccepted() {
    if (const QString lacking = missing(); !lacking.isEmpty()) {
        showResult(lacking, false);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ConnectionVerdict verdict = CheckConnection(Choice(), txtPassword->text());
    QApplication::restoreOverrideCursor();
    showResult(verdict.message, verdict.Works());
    serverWorks_ = verdict.Works();
    return verdict.Works() ||
           platform().MsgBox(verdict.message +
                                 "\n\nUse this server anyway? Practices finished meanwhile "
                                 "wait on this computer until it answers.",
                             vbYesNo | vbQuestion, "KOVA") == vbYes;
}

void frmDatabase::cmdOK_Click() {
    const DatabaseChoice choice = Choice();
    // The question about a server that does not answer is a box: the History
    // window, and this dialog with it, may be closed while it is open.
    const QPointer<frmDatabase> self(this);
    const bool works = !choice.server || serverAccepted();
    if (!works || self == nullptr) {
        return;
    }
    choice.Save();
    if (choice.server && !ServerPassword::Keep(choice, txtPassword->text())) {
        PracticeHistory::AddNote("This computer has no keyring to keep the server's password "
                                 "in, so KOVA asks for it once each time it starts.");
    }
    // The history shown from now on is the one chosen; nothing is moved.
    PracticeHistory::UseSavedChoice();
    if (choice.server && !serverWorks_) {
        PracticeHistory::UnavailableServerAccepted();
    }
    accept();
}
