// Screens (forms) and the registry that loads, shows, hides, unloads and
// activates them.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "shell/resizer.h"

class Form;
class QAbstractButton;
namespace Forms {
void Unload(Form& form);
}

// Base of every screen. A form is loaded (constructed, then Form_Load) the
// first time it is shown or read, and destroyed when it is unloaded.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& name);

    virtual void Form_Load() {}
    // Runs each time the form becomes the active form.
    virtual void Form_Activate() {}
    // Runs when the form is unloaded, before it is destroyed.
    virtual void Form_Unload() {}

    bool CloseRequested() const { return closeRequested_; }

    // Lets pending events run. Returns false when this form was unloaded or
    // its window closed meanwhile: the caller must then return at once,
    // touching nothing of the form.
    bool LetEventsRun();
    // Waits for the user until done() holds, sleeping between events (no
    // processor time is spent); false as for LetEventsRun.
    bool WaitFor(const std::function<bool()>& done);
    // Runs a loop that lets events run (loop returns false when the form
    // went away), with closing the window turned into a stop request; when a
    // close was asked meanwhile, the form closes itself afterwards. Returns
    // true when the loop finished and the form is still there to go on.
    bool RunEventLoop(const std::function<bool()>& loop);

    // The form whose window this one stays above (a window manager keeps it
    // there); empty means the main window, the first form shown.
    virtual QString StaysAbove() const { return {}; }

    // From the first show of this form until it is unloaded, the form named
    // held takes no clicks: "the main menu takes no clicks while this is
    // open". Call in the constructor.
    void HoldWhileOpen(const QString& held);

    // Fills the screen's work area with the form's design scaled by one
    // factor (the platform gives the form the work area).
    void FillScreen();
    // The uniform scaling while the form fills the screen, else nullptr.
    clsResizer* UniformScaler() const { return uniform_.get(); }
    // Pixels per design pixel: 1 at design size.
    double UniformFactor() const;
    // The design size in pixels (the form's size before any scaling).
    QSize DesignSize() const;
    // The room the form's design has now, in design pixels: its size at
    // design size, more in one direction when it fills a screen of another
    // shape. A form whose design spans it lays its controls out in this room.
    QSizeF DesignRoom() const;
    // Whether the design spans the whole form (a drawing over all of it).
    bool SpansWholeForm() const { return spans_; }

    // The button that Escape presses on this screen (its way back or its
    // Stop); nullptr for none.
    virtual QAbstractButton* EscapeButton() const { return nullptr; }
    // The answer buttons that the digit keys 1 to 4 press, first to fourth.
    virtual QList<QAbstractButton*> NumberedAnswers() const { return {}; }

protected:
    // Runs after Form_Unload, for the screen framework's own clean-up (screen
    // classes override Form_Unload instead).
    virtual void AfterUnload() {}
    friend void Forms::Unload(Form& form);

    // Sets the client size from the design size in twips (the design of a
    // form that fills the screen is scaled to its new size instead).
    void SetDesignSize(int widthTwips, int heightTwips);
    // The design spans the whole form, so the form is maximised at design
    // size too, and fills the screen from corner to corner when scaled.
    void SpanWholeForm();
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Keys that the focused control leaves: Enter presses the focused button,
    // Escape the escape button, 1 to 4 the numbered answers. (Tab and
    // Shift+Tab follow the screen's reading order: Keyboard::TabInReadingOrder.)
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Gives back the clicks of the forms held by HoldWhileOpen.
    void ReleaseHeldForms();

    int loopDepth_ = 0;
    bool closeRequested_ = false;
    QStringList heldForms_;
    QSize designSize_;
    bool spans_ = false;
    std::unique_ptr<clsResizer> uniform_;
};

namespace Forms {

using Factory = std::function<Form*()>;

// Makes a form loadable by name (the main menu opens exercises this way).
void Register(const QString& name, Factory factory);
bool IsRegistered(const QString& name);
// Every name registered, in alphabetical order.
QStringList RegisteredNames();

// The loaded form of that name, or nullptr.
Form* Find(const QString& name);
// The form of that name, loading it first if needed.
Form& Get(const QString& name);

void Show(Form& form);
void Show(const QString& name);
void Hide(Form& form);
void Hide(const QString& name); // no effect when not loaded
void Unload(Form& form);
void Unload(const QString& name); // no effect when not loaded
void UnloadAll();

Form* Active();
bool IsUnloading(const Form& form);
// The forms shown now, bottom to top (the order in which they were raised).
QList<Form*> ShownOrder();

// Typed access: T has `static constexpr const char* Name`.
template <class T> T& Get() {
    if (Form* loaded = Find(T::Name)) {
        return static_cast<T&>(*loaded);
    }
    if (!IsRegistered(T::Name)) {
        Register(T::Name, [] { return new T; });
    }
    return static_cast<T&>(Get(T::Name));
}
template <class T> T* Find() {
    return static_cast<T*>(Find(T::Name));
}
template <class T> void Show() {
    Show(Get<T>());
}

} // namespace Forms
