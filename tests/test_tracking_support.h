// Fixture for the tracking screens: opens the exercise through the main menu
// and drives whole pages through the fake platform's DoEvents hook.
#pragma once

#include "exercises/tracking/frmTrackO.h"
#include "exercises/tracking/frmTrackS.h"
#include "exercises/tracking/frmTrackT.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"

#include <QMap>
#include <QPointer>

void RegisterTracking();

// The random values that draw a sequence of the digits 0 to 8.
inline QList<double> SequenceRnd(const char* digits) {
    QList<double> values;
    for (const char* c = digits; *c != 0; ++c) {
        values << (*c - '0') / 9.0 + 0.01;
    }
    return values;
}

class TrackingTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterTracking();
    }

    // The options screen as the main menu's button opens it (or as it is,
    // when it is open already: the menu takes no clicks meanwhile).
    frmTrackO& OpenOptions(bool sequences = false) {
        if (frmTrackO* open = Forms::Find<frmTrackO>()) {
            return *open;
        }
        auto& main = Forms::Get<frmMain>();
        Forms::Show(main);
        Click(&main, "cmdTRMenu");
        Click(&main, sequences ? "cmdTS" : "cmdTNL");
        return Loaded<frmTrackO>();
    }
    // The therapy screen, once the named options are set: a box to the text,
    // a check box clicked (its text is ignored).
    frmTrackT& OpenTherapy(bool sequences = false,
                           const QList<std::pair<QString, QString>>& settings = {}) {
        frmTrackO& o = OpenOptions(sequences);
        for (const auto& [name, text] : settings) {
            if (auto* box = o.findChild<ValidatingComboBox*>(name)) {
                SetOption(box, text);
            } else {
                Click(&o, name);
            }
        }
        Click(o.cmdToTherapy);
        return Loaded<frmTrackT>();
    }
    void SetOption(ValidatingComboBox* box, const QString& text) {
        if (box->isEditable()) {
            TypeInto(box, text);
            TabOut(box);
        } else {
            box->setCurrentIndex(box->findText(text));
        }
        ProcessEvents();
    }

    // What happens at each DoEvents of the page loop: OK on the start
    // message, and "Click To Score" pressed at the chosen positions
    // (after the item there has been shown and erased).
    struct PageScript {
        QMap<int, int> pressesAt;                 // position -> presses
        std::function<void(frmTrackT&)> atEvents; // runs first at every DoEvents
    };
    // Items seen on screen during their display wait, by position.
    struct ShownItem {
        int position;
        QString text;
        int ms;
        QFont font;
        int room; // pixels inside the position's frame
    };
    QList<ShownItem> shown;
    QStringList startMessages;

    // Starts a page and lets it run to its end (or until the script stops it).
    void RunPage(frmTrackT& therapy, PageScript script = {}) {
        QPointer<frmTrackT> screen(&therapy);
        auto gone = [screen] {
            return screen == nullptr || Forms::IsUnloading(*screen) || screen->CloseRequested();
        };
        fake().OnDoEvents = [this, screen, script, gone] {
            if (script.atEvents && !gone()) {
                script.atEvents(*screen);
            }
            if (gone()) {
                return;
            }
            if (screen->frmStartMess->isVisible()) {
                startMessages.append(screen->frmStartMess->Label3->text());
                Click(screen->frmStartMess->cmdOK2);
                return;
            }
            const int position = Scores<TrackScores>().PositionIndex;
            for (int i = script.pressesAt.value(position); i > 0 && screen->Running; --i) {
                Click(screen->cmdClkScore);
            }
        };
        fake().OnSleep = [this, screen](int ms) {
            const int position = Scores<TrackScores>().PositionIndex;
            if (screen != nullptr && position >= 1 && position <= screen->Label1.size()) {
                const VbLabel* label = screen->Label1[position - 1];
                shown.append(
                    {position, label->text(), ms, label->font(), label->contentsRect().width()});
            }
        };
        Click(therapy.cmdStart);
    }
};
