// The random user: clicks anywhere, types keys and hostile texts, closes
// windows, answers boxes, leaves and restarts the program, lets time pass.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <random>

class QWidget;

class UserEvents {
public:
    // entry: the main-menu button that opens the exercise under test.
    // passTime: lets that many milliseconds of the clock go by.
    UserEvents(std::mt19937_64& chance, QString entry, std::function<void(int ms)> passTime);

    // Right-clicks open the standard context menus, whose own event loop only
    // a user driving the real event loop can end (the real-platform run).
    bool RightClicks = false;
    // A keyboard user: the exercise is opened and used with keys alone (and
    // the title-bar close, as Alt+F4 would); no click at all.
    bool KeysOnly = false;

    // Performs one random event and says what it did.
    QString PerformOne();
    // Only closes a window or lets time pass: for deep inside nested loops,
    // where another click could start yet another loop.
    QString PerformCalmingOne();
    // Title-bar close of the topmost window, to end a run.
    QString CloseTopmost();

    // Answers to the boxes the program shows.
    int AnswerMessage(int style);
    QString AnswerInput(const QString& defaultText);

    // Texts a careless or hostile user types into boxes.
    static QStringList HostileTexts();

private:
    int below(int n);
    bool chance(double probability);
    QWidget* pickWindow();
    QWidget* pickControl(QWidget* window);
    QWidget* keyWindow();

    QString openEntry();
    QString openEntryByKeys();
    QString performKeyboardOne();
    QString typeNavigationKey();
    QString click(Qt::MouseButton button, bool twice);
    QString typeKey();
    QString typeText();
    QString closeWindow();
    QString pressExit();
    QString letTimePass();
    QString hostileText();

    std::mt19937_64& chance_;
    QString entry_;
    std::function<void(int ms)> passTime_;
};

// Clicks a control at a point of it (own pixels) through its window, as the
// mouse does.
void ClickThroughWindow(QWidget* control, QPoint point, Qt::MouseButton button = Qt::LeftButton,
                        bool twice = false);
// "frmFlipperT.cmdStart"
QString PathOf(const QWidget* widget);
