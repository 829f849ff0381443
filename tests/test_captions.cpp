// Every caption of every screen has the room it needs, at 800 x 600 and on a
// large screen: the walk opens every exercise the main menu offers (so an
// exercise that lands later is walked too), shows its options, therapy and
// scores screens and the frames they show over themselves, and measures
// every label and button with each text it may show.
#include "shell/app.h"
#include "shell/controls/basic.h"
#include "shell/controls/covering_frame.h"
#include "shell/controls/text_fit.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/therapy_screen.h"
#include "shell/main_menu.h"
#include "shell/screen_size.h"
#include "tests/support/kova_test.h"
#include "tests/support/menu_screens.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// The controls whose text is cut off or that stick out of their frame.
class CaptionWalk {
public:
    void Walk(QWidget& form, const QString& state) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (QWidget* control : form.findChildren<QWidget*>()) {
            if (!insideHiddenFrame(*control, form)) {
                check(*control, state + " " + form.objectName());
            }
        }
        // The frames a screen shows over itself, each in turn.
        for (CoveringFrame* frame : form.findChildren<CoveringFrame*>()) {
            if (frame->isHidden()) {
                frame->ShowCovering();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                for (QWidget* control : frame->findChildren<QWidget*>()) {
                    check(*control, state + " " + form.objectName() + " " + frame->objectName());
                }
                frame->hide();
            }
        }
    }

    const QStringList& Misfits() const { return misfits_; }

private:
    static bool insideHiddenFrame(const QWidget& control, const QWidget& form) {
        for (const QWidget* up = &control; up != &form && up != nullptr; up = up->parentWidget()) {
            if (up->isHidden() && qobject_cast<const CoveringFrame*>(up) != nullptr) {
                return true;
            }
        }
        return false;
    }

    void check(QWidget& control, const QString& where) {
        const QString name = where + " " + control.objectName();
        if (auto* label = qobject_cast<VbLabel*>(&control)) {
            const TextFit::Fitting drawn = label->DrawnText();
            checkTexts(name, *label, drawn.font, label->TextRoom(), drawn.flags, label->text(),
                       label->TextVariants());
        } else if (auto* button = qobject_cast<VbButton*>(&control)) {
            const TextFit::Fitting drawn = button->DrawnText();
            checkTexts(name, *button, drawn.font, button->TextRoom(), drawn.flags, button->text(),
                       button->TextVariants());
        } else if (auto* plain = qobject_cast<QLabel*>(&control)) {
            if (plain->textFormat() != Qt::RichText) {
                checkTexts(name, *plain, plain->font(), plain->contentsRect(),
                           plain->wordWrap() ? int(Qt::TextWordWrap) : 0, plain->text(), {});
            }
        } else if (auto* push = qobject_cast<QPushButton*>(&control)) {
            QStyleOptionButton option;
            option.initFrom(push);
            const QRect room =
                push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
            checkTexts(name, *push, push->font(), room, Qt::TextShowMnemonic, push->text(), {});
        } else if (qobject_cast<QRadioButton*>(&control) || qobject_cast<QCheckBox*>(&control)) {
            const QSize hint = control.sizeHint();
            if (hint.width() > control.width() || hint.height() > control.height()) {
                misfit(name, static_cast<QAbstractButton&>(control).text(), hint, control.size());
            }
            checkInsideParent(name, control);
        } else if (auto* frame = qobject_cast<QGroupBox*>(&control)) {
            QFont titleFont = frame->font();
            const int needed = QFontMetrics(titleFont).horizontalAdvance(frame->title()) + 16;
            if (!frame->title().isEmpty() && needed > frame->width()) {
                misfit(name, frame->title(), {needed, 0}, frame->size());
            }
            checkInsideParent(name, control);
        }
    }

    void checkTexts(const QString& name, const QWidget& control, const QFont& font,
                    const QRect& room, int flags, const QString& text,
                    const QStringList& variants) {
        for (const QString& each : QStringList{text} + variants) {
            const QSize needed = TextFit::Needed(font, each, room.size(), flags);
            if (!each.trimmed().isEmpty() &&
                (needed.width() > room.width() || needed.height() > room.height())) {
                misfit(name, each, needed, room.size());
            }
        }
        if (!(QStringList{text} + variants).join("").trimmed().isEmpty()) {
            checkInsideParent(name, control); // a blank tile may overlap an edge
        }
    }

    // A control that sticks out of its frame or window is cut off there.
    void checkInsideParent(const QString& name, const QWidget& control) {
        const QWidget* parent = control.parentWidget();
        if (parent != nullptr && !control.isHidden() && !control.isWindow() &&
            !parent->rect().contains(control.geometry())) {
            misfits_ << QString("%1: sticks out of %2 (%3,%4 %5x%6 in %7x%8)")
                            .arg(name, parent->objectName())
                            .arg(control.x())
                            .arg(control.y())
                            .arg(control.width())
                            .arg(control.height())
                            .arg(parent->width())
                            .arg(parent->height());
        }
    }

    void misfit(const QString& name, const QString& text, QSize needed, QSize room) {
        misfits_ << QString("%1: \"%2\" needs %3x%4, has %5x%6")
                        .arg(name, text)
                        .arg(needed.width())
                        .arg(needed.height())
                        .arg(room.width())
                        .arg(room.height());
    }

    QStringList misfits_;
};

struct Display {
    QSize size;
    ScreenSize screenSize;
};

class Captions : public KovaTest, public ::testing::WithParamInterface<Display> {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        fake().Display = GetParam().size;
        ScreenSizes::Choose(GetParam().screenSize);
    }

    // A screen that fills the display takes all of it.
    void expectFilled(const QWidget& form) {
        if (GetParam().screenSize == ScreenSize::FillTheScreen) {
            EXPECT_EQ(form.size(), GetParam().size) << qPrintable(form.objectName());
        }
    }

    // Walks the main menu with each of its frames open.
    void walkMainMenu(CaptionWalk& walk) {
        frmMain& menu = StartMainMenu();
        walk.Walk(menu, "start");
        menu.cmdTRMenu_Click();
        walk.Walk(menu, "exercise menu");
        menu.cmdTools_Click();
        walk.Walk(menu, "tools");
    }

    // Walks one exercise: options, therapy (idle and, for a picture
    // exercise, with a question up) and scores.
    void walkExercise(CaptionWalk& walk, const QString& buttonName) {
        OptionsScreen* options = &OpenFromMenu(buttonName);
        const Triad names = options->Names();
        walk.Walk(*options, buttonName);
        expectFilled(*options);
        options->cmdStart_Click();
        Form& therapy = Forms::Get(names.therapy);
        walk.Walk(therapy, buttonName);
        expectFilled(therapy);
        if (auto* pictures = dynamic_cast<PictureTherapyScreen*>(&therapy)) {
            Click(pictures->cmdStart);
            Click(pictures->cmdNextSet);
            walk.Walk(therapy, buttonName + " question");
            Click(pictures->cmdStart);
        }
        Forms::Hide(therapy);
        Forms::Show(names.scores);
        walk.Walk(Forms::Get(names.scores), buttonName);
        expectFilled(Forms::Get(names.scores));
        Forms::UnloadAll();
        ProcessEvents();
    }
};

TEST_P(Captions, EveryLabelAndButtonOfEveryScreenHasRoomForItsTexts) {
    CaptionWalk walk;
    walkMainMenu(walk);
    Forms::UnloadAll();
    ProcessEvents();
    const QStringList exercises = MenuExerciseButtons();
    EXPECT_GE(exercises.size(), 4) << "the walk finds the exercises the menu offers";
    for (const QString& buttonName : exercises) {
        walkExercise(walk, buttonName);
    }
    EXPECT_TRUE(walk.Misfits().isEmpty()) << qPrintable(walk.Misfits().join("\n"));
}

// At design size, and filling displays from 800 x 600 to 3840 x 2160.
INSTANTIATE_TEST_SUITE_P(Displays, Captions,
                         ::testing::Values(Display{{800, 600}, ScreenSize::DesignSize},
                                           Display{{1920, 1080}, ScreenSize::DesignSize},
                                           Display{{800, 600}, ScreenSize::FillTheScreen},
                                           Display{{1024, 768}, ScreenSize::FillTheScreen},
                                           Display{{1280, 1024}, ScreenSize::FillTheScreen},
                                           Display{{1920, 1080}, ScreenSize::FillTheScreen},
                                           Display{{3840, 2160}, ScreenSize::FillTheScreen}),
                         [](const ::testing::TestParamInfo<Display>& info) {
                             return std::to_string(info.param.size.width()) + "x" +
                                    std::to_string(info.param.size.height()) +
                                    (info.param.screenSize == ScreenSize::FillTheScreen
                                         ? "Filled"
                                         : "DesignSize");
                         });

} // namespace
