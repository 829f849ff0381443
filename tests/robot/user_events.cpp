#include "tests/robot/user_events.h"

#include "tests/robot/invariants.h"

#include "shell/forms.h"
#include "shell/platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace {

// Keys a patient presses: digits, letters and the keys that move or answer.
const Qt::Key TypedKeys[] = {
    Qt::Key_0,      Qt::Key_1,      Qt::Key_2,     Qt::Key_5,     Qt::Key_9,      Qt::Key_A,
    Qt::Key_B,      Qt::Key_D,      Qt::Key_P,     Qt::Key_Q,     Qt::Key_X,      Qt::Key_Z,
    Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Enter, Qt::Key_Space, Qt::Key_Space,  Qt::Key_Backspace,
    Qt::Key_Escape, Qt::Key_Tab,    Qt::Key_Tab,   Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,
    Qt::Key_Down,   Qt::Key_Delete, Qt::Key_Home,  Qt::Key_End,   Qt::Key_PageUp, Qt::Key_F1,
};

// Keys a keyboard user works a screen with: moving, pressing, answering.
const Qt::Key NavigationKeys[] = {
    Qt::Key_Tab,   Qt::Key_Tab,  Qt::Key_Tab,   Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space,
    Qt::Key_Space, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Escape,
    Qt::Key_1,     Qt::Key_2,    Qt::Key_3,     Qt::Key_4,      Qt::Key_5,     Qt::Key_A,
};

int weightOf(const QWidget* control) {
    if (qobject_cast<const QPushButton*>(control) != nullptr) {
        return 8;
    }
    if (qobject_cast<const QAbstractButton*>(control) != nullptr ||
        qobject_cast<const QComboBox*>(control) != nullptr ||
        qobject_cast<const QScrollBar*>(control) != nullptr) {
        return 4;
    }
    return 1;
}

bool isPopup(const QWidget* window) {
    return window->windowType() == Qt::Popup;
}

QWidget* topmostForm() {
    const QList<Form*> shown = Forms::ShownOrder();
    return shown.isEmpty() ? nullptr : shown.last();
}

} // namespace

QString PathOf(const QWidget* widget) {
    if (widget == nullptr) {
        return "nothing";
    }
    const QWidget* window = widget->window();
    auto nameOf = [](const QWidget* w) {
        return w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
    };
    return window == widget ? nameOf(widget) : nameOf(window) + "." + nameOf(widget);
}

namespace {

bool isMouseButtonEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

// While a click or double-click is under way, its later parts go nowhere
// once an earlier part hid or closed the window: on a desktop they land on
// whatever lies beneath, never on a window that is gone.
class HiddenWindowsTakeNoClicks : public QObject {
public:
    HiddenWindowsTakeNoClicks() { qApp->installEventFilter(this); }
    ~HiddenWindowsTakeNoClicks() override { qApp->removeEventFilter(this); }
    HiddenWindowsTakeNoClicks(const HiddenWindowsTakeNoClicks&) = delete;
    HiddenWindowsTakeNoClicks& operator=(const HiddenWindowsTakeNoClicks&) = delete;

    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (!isMouseButtonEvent(event->type())) {
            return false;
        }
        if (auto* window = qobject_cast<QWindow*>(receiver)) {
            return !window->isVisible();
        }
        if (auto* widget = qobject_cast<QWidget*>(receiver)) {
            return !widget->window()->isVisible();
        }
        return false;
    }
};

} // namespace

void ClickThroughWindow(QWidget* control, QPoint point, Qt::MouseButton button, bool twice) {
    QWidget* window = control->window();
    QWindow* handle = window->windowHandle();
    if (handle == nullptr) {
        return;
    }
    const QPoint inWindow = control->mapTo(window, point);
    const HiddenWindowsTakeNoClicks gone;
    if (twice) {
        QTest::mouseDClick(handle, button, Qt::NoModifier, inWindow);
    } else {
        QTest::mouseClick(handle, button, Qt::NoModifier, inWindow);
    }
}

UserEvents::UserEvents(std::mt19937_64& chance, QString entry, std::function<void(int ms)> passTime)
    : chance_(chance), entry_(std::move(entry)), passTime_(std::move(passTime)) {}

int UserEvents::below(int n) {
    return n <= 1 ? 0 : static_cast<int>(chance_() % static_cast<std::uint64_t>(n));
}

bool UserEvents::chance(double probability) {
    return static_cast<double>(chance_() >> 11) * 0x1.0p-53 < probability;
}

QStringList UserEvents::HostileTexts() {
    return {"",
            "-1",
            "0",
            "1e9",
            "99999999999999999999",
            "abc",
            "  5  ",
            "5.5",
            QString(4000, '9'),
            QString(3000, 'W'),
            "-0",
            "1,5",
            "0x1F",
            "NaN",
            "inf",
            "-inf",
            "1e-9",
            "2147483648",
            "-32769",
            "32768",
            " ",
            "\t",
            "5abc",
            "&H10",
            "1d3",
            "+7",
            ".5",
            "5.",
            "1 2",
            "\u00bd",
            "\u0663",
            "60",
            "61",
            "1",
            "3",
            "10",
            "0.5",
            "-5.5"};
}

QString UserEvents::hostileText() {
    const QStringList texts = HostileTexts();
    return texts[below(static_cast<int>(texts.size()))];
}

QWidget* UserEvents::pickWindow() {
    const QList<QWidget*> windows = VisibleWindows();
    if (windows.isEmpty()) {
        return nullptr;
    }
    // Most events go to the window in front, as a user's do.
    QWidget* front = QApplication::activePopupWidget();
    if (front == nullptr) {
        front = QApplication::activeModalWidget();
    }
    if (front == nullptr) {
        front = topmostForm();
    }
    if (front != nullptr && front->isVisible() && chance(0.7)) {
        return front;
    }
    return windows[below(static_cast<int>(windows.size()))];
}

QWidget* UserEvents::pickControl(QWidget* window) {
    QList<QWidget*> controls{window};
    QList<int> weights{1};
    int total = 1;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isVisible()) {
            controls.append(child);
            weights.append(weightOf(child));
            total += weights.last();
        }
    }
    int pick = below(total);
    for (int i = 0; i < controls.size(); ++i) {
        pick -= weights[i];
        if (pick < 0) {
            return controls[i];
        }
    }
    return window;
}

QWidget* UserEvents::keyWindow() {
    QWidget* active = QApplication::activePopupWidget();
    if (active == nullptr) {
        active = QApplication::activeModalWidget();
    }
    if (active == nullptr) {
        active = QApplication::activeWindow();
    }
    if (active != nullptr && active->isVisible()) {
        return active;
    }
    return pickWindow();
}

QString UserEvents::openEntry() {
    Form* main = Forms::Find("frmMain");
    // The click on the opener lets events run (on the real platform, timers
    // too), which may end the program and delete the menu.
    QPointer<QPushButton> button =
        main != nullptr ? main->findChild<QPushButton*>(entry_) : nullptr;
    if (button == nullptr) {
        return "no main menu to open " + entry_ + " from";
    }
    const bool tool = button->parentWidget()->objectName() == "frmTools";
    auto* opener = main->findChild<QPushButton*>(tool ? "cmdTools" : "cmdTRMenu");
    ClickThroughWindow(opener, opener->rect().center());
    QCoreApplication::processEvents();
    if (button != nullptr && button->isVisible()) {
        ClickThroughWindow(button, button->rect().center());
    }
    return "open " + entry_ + " from the main menu";
}

QString UserEvents::openEntryByKeys() {
    Form* main = Forms::Find("frmMain");
    QPointer<QPushButton> button =
        main != nullptr ? main->findChild<QPushButton*>(entry_) : nullptr;
    if (button == nullptr) {
        return "no main menu to open " + entry_ + " from";
    }
    const bool tool = button->parentWidget()->objectName() == "frmTools";
    // Tab to the frame's opener and Enter, then Tab to the entry and Enter;
    // each may let events run that end the program.
    QPointer<QPushButton> opener = main->findChild<QPushButton*>(tool ? "cmdTools" : "cmdTRMenu");
    for (QPointer<QPushButton> target : {opener, button}) {
        constexpr int MostTabs = 60;
        for (int tabs = 0; tabs < MostTabs && target != nullptr && target->isVisible() &&
                           QApplication::focusWidget() != target;
             ++tabs) {
            QWidget* window = keyWindow();
            if (window == nullptr || window->windowHandle() == nullptr) {
                return "no window to open " + entry_ + " in";
            }
            QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
        }
        QWidget* window = keyWindow();
        if (target == nullptr || QApplication::focusWidget() != target || window == nullptr) {
            return "Tab did not reach " + entry_;
        }
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    return "open " + entry_ + " from the main menu by keys";
}

namespace {

// A key pressed and released as a user does. The press or the release may
// close the window or control it went to (a button clicks when Space is
// released): what follows then goes nowhere, as on a desktop. The modifier
// keys are released one by one for that reason, not by one QTest call.
template <typename Target>
void PressAndRelease(Target* target, Qt::Key key,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QPointer<Target> alive(target);
    QTest::keyPress(target, key, modifiers);
    if (alive != nullptr) {
        QTest::keyRelease(alive.data(), key);
    }
    for (const auto& [modifier, modifierKey] : {std::pair{Qt::ShiftModifier, Qt::Key_Shift},
                                                std::pair{Qt::ControlModifier, Qt::Key_Control}}) {
        if (alive != nullptr && modifiers.testFlag(modifier)) {
            QTest::keyRelease(alive.data(), modifierKey);
        }
    }
}

// Typed character by character; stops when the box goes away.
void TypeInto(QLineEdit* box, const QString& text) {
    QPointer<QLineEdit> alive(box);
    for (QChar c : text) {
        if (alive == nullptr) {
            return;
        }
        QTest::keyPress(alive.data(), c.toLatin1());
        if (alive != nullptr) {
            QTest::keyRelease(alive.data(), c.toLatin1());
        }
    }
}

} // namespace

QString UserEvents::click(Qt::MouseButton button, bool twice) {
    QWidget* window = pickWindow();
    if (window == nullptr) {
        return "no window to click";
    }
    QWidget* control = pickControl(window);
    const QRect area = control->rect();
    const QPoint point(area.left() + below(std::max(1, area.width())),
                       area.top() + below(std::max(1, area.height())));
    // Named before the click: the click may unload the control's screen.
    const QString what = QString("%1 %2 at (%3, %4)")
                             .arg(twice                      ? "double-click"
                                  : button == Qt::LeftButton ? "click"
                                                             : "right-click")
                             .arg(PathOf(control))
                             .arg(point.x())
                             .arg(point.y());
    ClickThroughWindow(control, point, button, twice);
    return what;
}

QString UserEvents::typeKey() {
    QWidget* window = keyWindow();
    if (window == nullptr || window->windowHandle() == nullptr) {
        return "no window for a key";
    }
    const int count = static_cast<int>(std::size(TypedKeys));
    const Qt::Key key = TypedKeys[below(count)];
    const Qt::KeyboardModifiers modifiers = chance(0.05) ? Qt::ShiftModifier : Qt::NoModifier;
    const QString what =
        "key " + QKeySequence(key | modifiers).toString() + " in " + PathOf(window);
    PressAndRelease(window->windowHandle(), key, modifiers);
    return what;
}

QString UserEvents::typeNavigationKey() {
    QWidget* window = keyWindow();
    if (window == nullptr || window->windowHandle() == nullptr) {
        return "no window for a key";
    }
    const int count = static_cast<int>(std::size(NavigationKeys));
    Qt::Key key = NavigationKeys[below(count)];
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    if (key == Qt::Key_Tab && chance(0.3)) {
        key = Qt::Key_Backtab;
        modifiers = Qt::ShiftModifier;
    }
    const QString what =
        "key " + QKeySequence(key | modifiers).toString() + " in " + PathOf(window);
    PressAndRelease(window->windowHandle(), key, modifiers);
    return what;
}

QString UserEvents::typeText() {
    QPointer<QWidget> window = pickWindow();
    if (window == nullptr) {
        return "no window to type in";
    }
    QList<QLineEdit*> boxes;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isVisible()) {
            boxes.append(box);
        }
    }
    if (boxes.isEmpty()) {
        return typeKey();
    }
    QLineEdit* box = boxes[below(static_cast<int>(boxes.size()))];
    const QString boxName = PathOf(box);
    ClickThroughWindow(box, box->rect().center());
    QCoreApplication::processEvents();
    // The text goes where the focus went: a refused box elsewhere keeps it.
    QPointer<QLineEdit> focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    const QString text = hostileText();
    if (window == nullptr || focused == nullptr || focused->window() != window ||
        !focused->isEnabled()) {
        return "click " + boxName + " (focus stayed elsewhere)";
    }
    QString done = "type \"" + text.left(12) + (text.size() > 12 ? "...\"" : "\"") + " into " +
                   PathOf(focused);
    PressAndRelease(focused.data(), Qt::Key_A, Qt::ControlModifier);
    if (focused != nullptr) {
        PressAndRelease(focused.data(), Qt::Key_Delete);
    }
    const bool typeable = std::all_of(
        text.begin(), text.end(), [](QChar c) { return c.unicode() >= 32 && c.unicode() < 127; });
    if (focused != nullptr && (text.size() > 40 || !typeable)) {
        focused->insert(text); // pasted
    } else if (focused != nullptr) {
        TypeInto(focused.data(), text);
    }
    if (window == nullptr || window->windowHandle() == nullptr) {
        return done;
    }
    switch (below(4)) {
    case 0:
        PressAndRelease(window->windowHandle(), Qt::Key_Tab);
        done += ", Tab";
        break;
    case 1:
        PressAndRelease(window->windowHandle(), Qt::Key_Return);
        done += ", Enter";
        break;
    default:
        break;
    }
    return done;
}

QString UserEvents::closeWindow() {
    QList<QWidget*> windows;
    for (QWidget* window : VisibleWindows()) {
        if (!isPopup(window) && window->windowHandle() != nullptr) {
            windows.append(window);
        }
    }
    if (windows.isEmpty()) {
        return "no window to close";
    }
    QWidget* window = windows[below(static_cast<int>(windows.size()))];
    // Leaving the program is rarer than closing one screen.
    if (window->objectName() == "frmMain" && windows.size() > 1 && !chance(0.2)) {
        windows.removeOne(window);
        window = windows[below(static_cast<int>(windows.size()))];
    }
    const QString name = PathOf(window);
    window->windowHandle()->close(); // as the title-bar button does
    return "title-bar close of " + name;
}

QString UserEvents::CloseTopmost() {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr) {
        window = topmostForm();
    }
    if (window == nullptr || window->windowHandle() == nullptr) {
        return "nothing to close";
    }
    const QString name = PathOf(window);
    window->windowHandle()->close();
    return "title-bar close of " + name;
}

QString UserEvents::pressExit() {
    Form* main = Forms::Find("frmMain");
    auto* exit = main != nullptr ? main->findChild<QPushButton*>("cmdExit2") : nullptr;
    if (exit == nullptr || !exit->isVisible()) {
        return "no Exit button";
    }
    ClickThroughWindow(exit, exit->rect().center());
    return "click frmMain.cmdExit2";
}

QString UserEvents::letTimePass() {
    int ms = 0;
    const int kind = below(100);
    if (kind < 40) {
        ms = below(100);
    } else if (kind < 70) {
        ms = 100 + below(1900);
    } else if (kind < 90) {
        ms = 2000 + below(28000);
    } else if (kind < 98) {
        ms = 30000 + below(270000);
    } else {
        ms = 300000 + below(3900000);
    }
    passTime_(ms);
    return QString("wait %1 ms").arg(ms);
}

QString UserEvents::PerformOne() {
    if (KeysOnly) {
        return performKeyboardOne();
    }
    Form* main = Forms::Find("frmMain");
    const bool menuFree = main != nullptr && main->isVisible() && main->isEnabled() &&
                          QApplication::activeModalWidget() == nullptr &&
                          QApplication::activePopupWidget() == nullptr;
    if (menuFree && chance(0.7)) {
        return openEntry();
    }
    const int kind = below(100);
    if (kind < 44) {
        return click(Qt::LeftButton, false);
    }
    if (kind < 46) {
        return click(Qt::LeftButton, true);
    }
    if (kind < 47) {
        return click(RightClicks ? Qt::RightButton : Qt::LeftButton, false);
    }
    if (kind < 65) {
        return typeKey();
    }
    if (kind < 75) {
        return typeText();
    }
    if (kind < 77) {
        return closeWindow();
    }
    if (kind < 78) {
        return pressExit();
    }
    return letTimePass();
}

QString UserEvents::performKeyboardOne() {
    Form* main = Forms::Find("frmMain");
    const bool menuFree = main != nullptr && main->isVisible() && main->isEnabled() &&
                          QApplication::activeModalWidget() == nullptr &&
                          QApplication::activePopupWidget() == nullptr;
    if (menuFree && chance(0.7)) {
        return openEntryByKeys();
    }
    const int kind = below(100);
    if (kind < 70) {
        return typeNavigationKey();
    }
    if (kind < 80) {
        return typeKey();
    }
    if (kind < 82) {
        return closeWindow();
    }
    return letTimePass();
}

QString UserEvents::PerformCalmingOne() {
    return chance(0.5) ? closeWindow() : letTimePass();
}

int UserEvents::AnswerMessage(int style) {
    switch (style & 0x7) {
    case vbOKCancel:
        return chance(0.5) ? vbOK : vbCancel; // Cancel is also the title-bar close
    case vbYesNo:
        return chance(0.5) ? vbYes : vbNo;
    default:
        return vbOK;
    }
}

QString UserEvents::AnswerInput(const QString& defaultText) {
    switch (below(3)) {
    case 0:
        return QString(); // Cancel or the title-bar close
    case 1:
        return defaultText;
    default:
        return hostileText();
    }
}
