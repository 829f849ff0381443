// Test fixture and helpers that drive screens as a user does.
#pragma once

#include "shell/forms.h"
#include "tests/support/fake_platform.h"

#include <QComboBox>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

// A temporary folder for the whole test program, removed at its end. The
// tests' data and settings folders lie in it, never the user's.
QString TestFolder();
// A new practice-history file in it, not yet made.
QString NewTestHistoryFile();

// Installs a fresh fake platform, clean shared state and an empty practice
// history of its own for every test, and unloads every screen afterwards.
class KovaTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    FakePlatform& fake() { return *fake_; }

private:
    FakePlatform* fake_ = nullptr;
};

// A control by name and type; throws (failing the test) when there is none.
template <class T> T* Find(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (found == nullptr) {
        throw std::runtime_error("no control " + name.toStdString() + " of that type in " +
                                 parent->objectName().toStdString());
    }
    return found;
}

// The loaded form of that type; throws when it is not loaded.
template <class T> T& Loaded() {
    T* form = Forms::Find<T>();
    if (form == nullptr) {
        throw std::runtime_error(std::string("form not loaded: ") + T::Name);
    }
    return *form;
}

// Clicks a control through its window, as the mouse does: a disabled control
// ignores it; clicking a hidden control fails the test.
void Click(QWidget* control);
void Click(const QObject* parent, const QString& name);
// Clicks at a point of a control (in its own pixels), with the left button
// unless told.
void ClickAt(QWidget* control, QPoint point, Qt::MouseButton button = Qt::LeftButton);
// Replaces the text of an editable combo box or line edit by typing.
void TypeInto(QWidget* box, const QString& text);
// Presses Tab in the control that has the focus of box's window.
void TabOut(QWidget* box);
// Lets queued events run (deferred message boxes, deletions).
void ProcessEvents();

bool IsShown(const QString& formName);
bool IsLoaded(const QString& formName);

// Accepts the next Qt warning that contains text (otherwise any warning fails the test).
void ExpectQtWarning(const QString& text);

// Failed comparisons of texts print the texts themselves.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << "{\"" << texts.join("\", \"").toStdString() << "\"}";
}
