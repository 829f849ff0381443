#include "shell/forms.h"
#include "shell/form_hooks.h"
#include "shell/forms_apart.h"

#include "shell/keyboard.h"
#include "shell/platform.h"
#include "shell/screen_size.h"
#include "shell/twips.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QScreen>
#include <QSet>
#include <QWindow>
#include <algorithm>

namespace {

using FormHooks = QList<std::function<void(Form&)>>;

FormHooks& formMadeHooks() {
    static FormHooks hooks;
    return hooks;
}

FormHooks& formActivatedHooks() {
    static FormHooks hooks;
    return hooks;
}

void runHooks(const FormHooks& hooks, Form& form) {
    for (const auto& hook : hooks) {
        hook(form);
    }
}

void runFormMadeHooks(Form& form) {
    runHooks(formMadeHooks(), form);
}

// Form_Activate may unload the form: the hooks then see nothing of it.
void activated(Form& form) {
    const QPointer<Form> alive(&form);
    form.Form_Activate();
    if (alive != nullptr && !Forms::IsUnloading(form)) {
        runHooks(formActivatedHooks(), form);
    }
}

struct Registry {
    QHash<QString, Forms::Factory> factories;
    QHash<QString, QPointer<Form>> loaded;
    QList<QPointer<Form>> shownOrder; // bottom to top
    QSet<const Form*> unloading;
    QPointer<Form> active;
    QPointer<Form> firstShown; // the main window: other screens stay above it
};

Registry& registry() {
    static Registry instance;
    return instance;
}

void forgetShown(Form& form) {
    registry().shownOrder.removeAll(QPointer<Form>(&form));
    registry().shownOrder.removeAll(QPointer<Form>());
}

void activateTopmost() {
    Registry& r = registry();
    r.active = nullptr;
    for (auto it = r.shownOrder.crbegin(); it != r.shownOrder.crend(); ++it) {
        if (*it != nullptr && !r.unloading.contains(*it)) {
            r.active = *it;
            r.active->activateWindow();
            activated(*r.active);
            return;
        }
    }
}

// Every screen but the main window is a dialog window that the window
// manager keeps above its owner: a click on the main menu beside an
// exercise must not bury the exercise. (Qt tells the window system a
// window's owner only for dialog windows.)
void stayAboveOwner(Form& form) {
    Registry& r = registry();
    if (r.firstShown == nullptr || &form == r.firstShown) {
        return;
    }
    Form* owner = form.StaysAbove().isEmpty() ? nullptr : Forms::Find(form.StaysAbove());
    if (owner == nullptr || !owner->isVisible()) {
        owner = r.firstShown;
    }
    if (form.windowType() != Qt::Dialog) {
        form.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    }
    owner->winId();
    form.winId();
    form.windowHandle()->setTransientParent(owner->windowHandle());
}

void placeFirstTime(Form& form) {
    Registry& r = registry();
    if (form.property("kovaPlaced").toBool()) {
        return;
    }
    form.setProperty("kovaPlaced", true);
    if (r.firstShown == nullptr) {
        r.firstShown = &form;
        return;
    }
    // Exercise screens fill the screen, or open centred on it at design size.
    // A window laid out by a layout of its own (the history) sizes itself.
    if (ScreenSizes::Chosen() == ScreenSize::FillTheScreen && form.layout() == nullptr) {
        form.FillScreen();
        return;
    }
    if (!form.testAttribute(Qt::WA_Moved)) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = form.frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            form.move(frame.topLeft().x() < 0 ? 0 : frame.topLeft().x(),
                      frame.topLeft().y() < 0 ? 0 : frame.topLeft().y());
        }
    }
}

} // namespace

Form::Form(const QString& name) {
    Keyboard::TabInReadingOrder();
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

bool Form::LetEventsRun() {
    QPointer<Form> self(this);
    platform().DoEvents();
    return self != nullptr && !self->CloseRequested() && !Forms::IsUnloading(*self);
}

bool Form::WaitFor(const std::function<bool()>& done) {
    QPointer<Form> self(this);
    while (!done()) {
        platform().WaitForEvents();
        if (self == nullptr || self->CloseRequested() || Forms::IsUnloading(*self)) {
            return false;
        }
    }
    return self != nullptr;
}

bool Form::RunEventLoop(const std::function<bool()>& loop) {
    QPointer<Form> self(this);
    loopDepth_++; // closing the window now only asks the loop to stop
    const bool finished = loop();
    if (self == nullptr) {
        return false;
    }
    loopDepth_--;
    if (CloseRequested()) {
        close();
        return false;
    }
    return finished && !Forms::IsUnloading(*this);
}

void Form::HoldWhileOpen(const QString& held) {
    heldForms_.append(held);
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    for (const QString& name : heldForms_) {
        if (Form* held = Forms::Find(name)) {
            held->setEnabled(false);
        }
    }
}

void Form::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    QWidget* focused = focusWidget();
    bool pressed = false;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        Keyboard::EnterPresses(focused)) {
        pressed = Keyboard::Press(static_cast<QAbstractButton*>(focused));
    } else if (plain && event->key() == Qt::Key_Escape) {
        pressed = Keyboard::Press(EscapeButton());
    } else if (const int number = Keyboard::AnswerNumber(*event); number > 0) {
        const QList<QAbstractButton*> answers = NumberedAnswers();
        pressed = number <= answers.size() && Keyboard::Press(answers.at(number - 1));
    }
    if (!pressed) {
        QWidget::keyPressEvent(event);
    }
}

void Form::ReleaseHeldForms() {
    for (const QString& name : heldForms_) {
        // Another form shown that holds it too keeps holding it.
        const auto& loaded = registry().loaded;
        const bool stillHeld =
            std::any_of(loaded.cbegin(), loaded.cend(), [this, &name](const QPointer<Form>& f) {
                return f != nullptr && f != this && f->isVisible() &&
                       !registry().unloading.contains(f) && f->heldForms_.contains(name);
            });
        if (Form* held = Forms::Find(name); held != nullptr && !stillHeld) {
            held->setEnabled(true);
        }
    }
}

void Form::SetDesignSize(int widthTwips, int heightTwips) {
    designSize_ = QSize(Twips(widthTwips), Twips(heightTwips));
    if (uniform_ != nullptr) {
        uniform_->SetDesignSize(designSize_);
    } else {
        resize(designSize_);
    }
}

void Form::SpanWholeForm() {
    spans_ = true;
    setWindowState(windowState() | Qt::WindowMaximized);
}

QSize Form::DesignSize() const {
    return designSize_.isEmpty() ? size() : designSize_;
}

double Form::UniformFactor() const {
    return uniform_ != nullptr ? uniform_->Fit().factor : 1.0;
}

QSizeF Form::DesignRoom() const {
    const double factor = UniformFactor();
    return {width() / factor, height() / factor};
}

void Form::FillScreen() {
    if (uniform_ == nullptr) {
        uniform_ = std::make_unique<clsResizer>();
        uniform_->StartupUniform(this, DesignSize(),
                                 spans_ ? FitMode::WholeForm : FitMode::Centred);
    }
    platform().FillWorkArea(*this);
    uniform_->Resize();
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (uniform_ != nullptr) {
        uniform_->Resize();
    }
}

void Form::closeEvent(QCloseEvent* event) {
    if (loopDepth_ > 0) {
        closeRequested_ = true; // the running loop sees it and ends
        event->ignore();
        return;
    }
    event->accept();
    if (!Forms::IsUnloading(*this)) {
        Forms::Unload(*this);
    }
}

namespace Forms {

void Register(const QString& name, Factory factory) {
    registry().factories.insert(name, std::move(factory));
}

bool IsRegistered(const QString& name) {
    return registry().factories.contains(name);
}

QStringList RegisteredNames() {
    QStringList names = registry().factories.keys();
    names.sort();
    return names;
}

Form* Find(const QString& name) {
    Form* form = registry().loaded.value(name);
    return form != nullptr && !registry().unloading.contains(form) ? form : nullptr;
}

std::unique_ptr<Form> MakeApart(const QString& name) {
    Q_ASSERT_X(IsRegistered(name), "Forms::MakeApart", qPrintable(name));
    std::unique_ptr<Form> form(registry().factories.value(name)());
    runFormMadeHooks(*form);
    form->Form_Load();
    return form;
}

Form& Get(const QString& name) {
    if (Form* loaded = Find(name)) {
        return *loaded;
    }
    Q_ASSERT_X(IsRegistered(name), "Forms::Get", qPrintable(name));
    Form* form = registry().factories.value(name)();
    registry().loaded.insert(name, form);
    runFormMadeHooks(*form);
    form->Form_Load();
    return *form;
}

void Show(Form& form) {
    Registry& r = registry();
    if (r.unloading.contains(&form)) {
        return;
    }
    if (!form.isVisible()) {
        placeFirstTime(form);
        stayAboveOwner(form);
        form.show();
    }
    form.raise();
    forgetShown(form);
    r.shownOrder.append(&form);
    if (r.active != &form) {
        r.active = &form;
        form.activateWindow();
        activated(form);
    }
}

void Show(const QString& name) {
    Show(Get(name));
}

void Hide(Form& form) {
    form.hide();
    forgetShown(form);
    if (registry().active == &form) {
        activateTopmost();
    }
}

void Hide(const QString& name) {
    if (Form* form = Find(name)) {
        Hide(*form);
    }
}

void Unload(Form& form) {
    Registry& r = registry();
    if (r.unloading.contains(&form)) {
        return;
    }
    r.unloading.insert(&form);
    form.Form_Unload();
    form.AfterUnload();
    form.ReleaseHeldForms();
    r.loaded.remove(form.objectName());
    const bool wasActive = r.active == &form;
    form.hide();
    forgetShown(form);
    form.deleteLater();
    QObject::connect(&form, &QObject::destroyed, [&form] { registry().unloading.remove(&form); });
    if (wasActive) {
        activateTopmost();
    }
}

void Unload(const QString& name) {
    if (Form* form = Find(name)) {
        Unload(*form);
    }
}

void UnloadAll() {
    const auto loaded = registry().loaded.values();
    for (const QPointer<Form>& form : loaded) {
        if (form != nullptr) {
            Unload(*form);
        }
    }
    registry().firstShown = nullptr;
}

Form* Active() {
    return registry().active;
}

bool IsUnloading(const Form& form) {
    return registry().unloading.contains(&form);
}

QList<Form*> ShownOrder() {
    QList<Form*> shown;
    for (const QPointer<Form>& form : registry().shownOrder) {
        if (form != nullptr && form->isVisible()) {
            shown.append(form);
        }
    }
    return shown;
}

} // namespace Forms

void AddFormMadeHook(std::function<void(Form&)> hook) {
    formMadeHooks().append(std::move(hook));
}

void AddFormActivatedHook(std::function<void(Form&)> hook) {
    formActivatedHooks().append(std::move(hook));
}
