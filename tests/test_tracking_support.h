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

// Random values that make the items wanted.
inline double DigitRnd(int digit) { // single digits 1 to 9
    return (digit - 1) / 9.0 + 0.01;
}
inline double LetterRnd(char letter) { // "A".."Y" or "a".."y"
    const int first = letter >= 'a' ? 'a' : 'A';
    return (letter - first) / 25.0 + 0.01;
}
inline double SequenceDigitRnd(int digit) { // "0".."8"
    return digit / 9.0 + 0.01;
}
constexpr double NoSubstitution = 0.9; // the 1-in-n draw that keeps a sequence

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
    frmTrackT& OpenTherapy(bool sequences = false) {
        Click(OpenOptions(sequences).cmdToTherapy);
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
    };
    QList<ShownItem> shown;
    QStringList startMessages;

    void Drive(frmTrackT& therapy, PageScript script) {
        QPointer<frmTrackT> screen(&therapy);
        auto pressed = std::make_shared<QMap<int, int>>();
        fake().OnDoEvents = [this, screen, script, pressed] {
            auto gone = [screen] {
                return screen == nullptr || Forms::IsUnloading(*screen) || screen->CloseRequested();
            };
            if (gone()) {
                return;
            }
            if (script.atEvents) {
                script.atEvents(*screen);
                if (gone()) {
                    return;
                }
            }
            if (screen->frmStartMess->isVisible()) {
                startMessages.append(screen->frmStartMess->Label3->text());
                Click(screen->frmStartMess->cmdOK2);
                return;
            }
            const int position = Scores<TrackScores>().PositionIndex;
            while (screen->Running && (*pressed)[position] < script.pressesAt.value(position)) {
                ++(*pressed)[position];
                Click(screen->cmdClkScore);
            }
        };
        fake().OnSleep = [this, screen](int ms) {
            if (screen == nullptr || !screen->Running || screen->ChoosingTarget) {
                return;
            }
            const int position = Scores<TrackScores>().PositionIndex;
            if (position >= 1 && position <= screen->Label1.size()) {
                shown.append({position, screen->Label1[position - 1]->text(), ms});
            }
        };
    }
    // Starts a page and lets it run to its end (or until the script stops it).
    void RunPage(frmTrackT& therapy, PageScript script = {}) {
        Drive(therapy, std::move(script));
        Click(therapy.cmdStart);
    }
};
