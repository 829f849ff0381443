#include "tests/support/kova_test.h"

#include "clinic/history/practice_history.h"
#include "shell/help_window.h"
#include "shell/mod_dodi.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWindow>

QString TestFolder() {
    static QTemporaryDir folder;
    return folder.path();
}

QString NewTestHistoryFile() {
    static int made = 0;
    return QDir(TestFolder()).filePath(QString("practice_history_%1.sqlite").arg(++made));
}

void KovaTest::SetUp() {
    auto fake = std::make_unique<FakePlatform>();
    fake_ = fake.get();
    SetPlatform(std::move(fake));
    ModDODI::ResetAll();
    PracticeHistory::UseTarget(NewTestHistoryFile());
}

void KovaTest::TearDown() {
    Forms::UnloadAll();
    PracticeHistory::Close();
    if (HelpWindow* help = HelpWindow::Instance()) {
        help->close();
    }
    ProcessEvents();
    SetPlatform(nullptr);
}

void ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void ClickAt(QWidget* control, QPoint point, Qt::MouseButton button) {
    if (!control->isVisible()) {
        ADD_FAILURE() << "clicked a hidden control: " << control->objectName().toStdString();
        return;
    }
    QWidget* window = control->window();
    QWindow* handle = window->windowHandle();
    const QPoint inWindow = control->mapTo(window, point);
    QTest::mouseClick(handle, button, Qt::NoModifier, inWindow);
    QCoreApplication::processEvents();
}

void Click(QWidget* control) {
    ClickAt(control, control->rect().center());
}

void Click(const QObject* parent, const QString& name) {
    Click(Find<QWidget>(parent, name));
}

void TypeInto(QWidget* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    QLineEdit* edit = qobject_cast<QLineEdit*>(box);
    if (auto* combo = qobject_cast<QComboBox*>(box)) {
        edit = combo->lineEdit();
    }
    if (edit == nullptr) {
        throw std::runtime_error("cannot type into " + box->objectName().toStdString());
    }
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void TabOut(QWidget* box) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused != nullptr ? focused : box, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

bool IsLoaded(const QString& formName) {
    return Forms::Find(formName) != nullptr;
}

bool IsShown(const QString& formName) {
    Form* form = Forms::Find(formName);
    return form != nullptr && form->isVisible();
}
