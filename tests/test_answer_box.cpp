#include "shell/controls/answer_box.h"
#include "shell/controls/default_button.h"
#include "tests/support/kova_test.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>

namespace {

// An answer screen with a default button, as the letter and counting
// exercises build it. With every key taken, the handler shows the typed
// letter in upper case, as a letter-naming exercise does.
struct AnswerScreen {
    explicit AnswerScreen(AnswerBox::Keys keys) {
        box = new AnswerBox("txtAns", &window, keys);
        box->setGeometry(10, 10, 120, 24);
        auto* next = new QPushButton("Next Set", &window);
        next->setGeometry(10, 50, 120, 30);
        new DefaultButton(next, &window);
        QObject::connect(next, &QPushButton::clicked, [this] { ++defaultPresses; });
        QObject::connect(box, &AnswerBox::KeyPress, [this](int code) {
            codes.append(code);
            if (box->KeysTaken() == AnswerBox::Keys::Any) {
                box->setText(QString(QChar(code)).toUpper());
            }
        });
        QObject::connect(box, &AnswerBox::clicked, [this] { ++boxClicks; });
        window.resize(200, 100);
        window.show();
        window.activateWindow();
        box->setFocus();
        ProcessEvents();
    }
    void type(const QString& keys) { QTest::keyClicks(box, keys); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(box, key, modifiers);
    }

    QWidget window;
    AnswerBox* box;
    QList<int> codes;
    int defaultPresses = 0;
    int boxClicks = 0;
};

} // namespace

class AnswerBoxTest : public KovaTest {};

TEST_F(AnswerBoxTest, EveryKeyReachesTheHandlerWhichDecidesWhatTheBoxShows) {
    AnswerScreen screen(AnswerBox::Keys::Any);
    screen.type("q");
    EXPECT_EQ(screen.box->text(), "Q");
    screen.type("7");
    screen.press(Qt::Key_Backspace);
    screen.press(Qt::Key_Return);
    screen.press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(screen.codes, (QList<int>{'q', '7', 8, 13, 13}));
    EXPECT_EQ(screen.defaultPresses, 0) << "Enter belongs to the box";
    EXPECT_EQ(fake().Beeps, 0);

    screen.press(Qt::Key_Left);
    screen.press(Qt::Key_Delete);
    EXPECT_EQ(screen.codes.size(), 5) << "keys without a character are not handed on";
    EXPECT_EQ(screen.box->text(), "\r") << "the handler's text, untouched by Delete";
}

TEST_F(AnswerBoxTest, DigitsOnlyBoxTakesDigitsAndBackspaceAndBeepsAtAnythingElse) {
    AnswerScreen screen(AnswerBox::Keys::DigitsOnly);
    screen.type("12a3.");
    EXPECT_EQ(screen.box->text(), "123");
    EXPECT_EQ(fake().Beeps, 2);
    screen.press(Qt::Key_Backspace);
    EXPECT_EQ(screen.box->text(), "12");
    screen.press(Qt::Key_Return);
    EXPECT_EQ(screen.codes, (QList<int>{'1', '2', '3', 8, 13}));
    EXPECT_EQ(screen.box->text(), "12");
    EXPECT_EQ(screen.defaultPresses, 0);

    Click(screen.box);
    EXPECT_EQ(screen.boxClicks, 1);
}

TEST_F(AnswerBoxTest, PastingSlipsNoTextIntoEitherBox) {
    for (const auto keys : {AnswerBox::Keys::Any, AnswerBox::Keys::DigitsOnly}) {
        AnswerScreen screen(keys);
        screen.box->setText("5");
        screen.codes.clear();
        QApplication::clipboard()->setText("9x9");
        screen.press(Qt::Key_V, Qt::ControlModifier);
        screen.press(Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(screen.box, Qt::MiddleButton);
        EXPECT_FALSE(screen.box->text().contains("9"));
        if (keys == AnswerBox::Keys::Any) {
            EXPECT_EQ(screen.codes, QList<int>{22}) << "Ctrl+V is a key like any other";
        } else {
            screen.box->insert("x"); // what any paste or drop ends in
            EXPECT_EQ(screen.box->text(), "5");
            EXPECT_TRUE(screen.codes.isEmpty());
            EXPECT_EQ(fake().Beeps, 1) << "Ctrl+V beeps like any other key";
        }
        EXPECT_EQ(screen.box->contextMenuPolicy(), Qt::NoContextMenu);
        EXPECT_FALSE(screen.box->acceptDrops());
    }
}
