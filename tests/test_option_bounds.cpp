// Every options screen's validating boxes in one table, each screen opened
// by its main-menu button: the value just past a bound is refused with the
// screen's own message and keeps the focus, the bound itself is taken, and a
// few boxes take a typed value as another text.
#include "shell/controls/combo_box.h"
#include "shell/framework/options_screen.h"
#include "shell/main_menu.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/menu_screens.h"

void RegisterExercises();

namespace {

// One box's bounds: low and high are taken; below and above are refused.
struct Bounds {
    const char* box;
    const char* below;
    const char* low;
    const char* high;
    const char* above;
    const char* message;
};

// A value typed after the bounds were tried, with its refusal (empty when
// taken) and the box's text afterwards when it is not the typed one.
struct Typed {
    const char* box;
    const char* typed;
    const char* message = "";
    const char* after = nullptr;
};

struct OptionsScreenChecks {
    const char* exercise;
    const char* menuButton;
    std::vector<Bounds> bounds;
    std::vector<Typed> typed = {};
    int style = vbExclamation;
    const char* title = "Information";
};

void PrintTo(const OptionsScreenChecks& checks, std::ostream* out) {
    *out << checks.exercise;
}

const OptionsScreenChecks Screens[] = {
    {"TicTacToe",
     "cmdTicTacToe",
     {{"cboMaxX", "0", "1", "7", "8", "Number of  X's in Display Grid must be between 1 and 7."},
      {"cboFont", "11", "12", "50", "51", "Font Size must be between 12 and 50."},
      {"cboSpeed", "0.09", "0.1", "5", "5.5", "Display Speed must be between 0.1 and 5 secs."}}},
    {"VisualSequencing",
     "cmdVisSequence",
     {{"cboMaxSeq", "0", "1", "25", "26", "Max Targets in Sequence must be between 1 and 25."},
      {"cboSpeed", "0.09", "0.1", "1", "1.01", "Display Speed must be between 0.1 and 1 sec."}}},
    {"ShapeCounting",
     "cmdMNBD",
     {{"cboBackG", "0", "1", "5", "6", "Background Complexity must be between 1 and 5."},
      {"cboBorder", "0", "1", "4", "5", "Target Border Size must be between 1 and 4."},
      {"cboMaxTarg", "3", "4", "25", "26", "Max Targets must be between 4 and 25."}}},
    {"ColorGrids",
     "cmdColorGrids",
     {{"cboColorVar", "0", "1", "4", "5", "ColorVariance must be between 1 and 4."}}},
    {"EyeRotations",
     "cmdEyeRot",
     {{"cboSize", "0", "1", "6", "7", "Circle Size must be between 1 and 6."},
      {"cboFont", "11", "12", "50", "51", "Font Size must be between 12 and 50."},
      {"cboSpeed", "0.09", "0.1", "3", "3.5", "Display Speed must be between 0.1 and 3 secs."}}},
    {"ClosingLines",
     "cmdLinesBoxes",
     {{"cboSpeed", "0.05", "0.1", "5", "5.5", "Display Speed must be between 0.1 and 5 secs."},
      {"cboPracTime", "0", "1", "60", "61", "Practice Time must be between 1 and 60 minutes."}}},
    {"CharacterSearching",
     "cmdCharSearch",
     {{"cboPerRow", "4", "5", "15", "16", "Characters Per Row must be between 5 and 15."},
      {"cboFont", "11", "12", "30", "31", "Font Size must be between 12 and 30."}},
     // The rows allowed follow the font chosen.
     {{"cboFont", "12"},
      {"cboRows", "16", "Rows Of Characters must between 5 and15."},
      {"cboRows", "15"},
      {"cboFont", "25"},
      {"cboRows", "11", "Rows Of Characters must between 5 and10."},
      {"cboRows", "9.7", "", "9"}}},
    {"RightOrLeft",
     "cmdRL",
     {{"cboSpeed", "0.09", "0.1", "5", "5.01",
       "Display Speed must be Off or between 0.1 and 5 secs."}},
     {{"cboSpeed", "off", "", "Off"}},
     vbOKOnly,
     "KOVA"},
    {"TrackingNumbersLetters",
     "cmdTNL",
     {{"cboSpeed", "0.09", "0.1", "2", "2.01", "Display Speed must be between 0.1 and 2 secs."},
      {"cboPages", "1", "2", "10", "11", "Pages Per Session must between 2 and 10."},
      {"cboFont", "11", "12", "36", "37", "Font Size must be between 12 and 36."}},
     {{"cboPages", "NoLimit"}}},
    {"TrackingSequences",
     "cmdTS",
     {{"cboFont", "11", "12", "30", "31", "Font Size must be between 12 and 30."},
      {"cboSeqLen", "1", "2", "4", "5", "Sequence Length must between 2 and 4."}},
     {{"cboSeqLen", "4.9", "Sequence Length must between 2 and 4.", "4"},
      {"cboSeqLen", "3.5", "", "3"}}},
};

class OptionBounds : public KovaTest, public ::testing::WithParamInterface<OptionsScreenChecks> {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
    }
};

TEST_P(OptionBounds, EachBoxTakesItsBoundsAndRefusesWhatIsPast) {
    QWidget* options = &OpenFromMenu(GetParam().menuButton);
    const auto box = [options](const char* name) {
        return Find<ValidatingComboBox>(options, name);
    };
    std::vector<ComboCase> cases;
    for (const Bounds& b : GetParam().bounds) {
        cases.push_back({box(b.box), b.below, b.message});
        cases.push_back({box(b.box), b.low, ""});
        cases.push_back({box(b.box), b.high, ""});
        cases.push_back({box(b.box), b.above, b.message});
    }
    for (const Typed& t : GetParam().typed) {
        cases.push_back({box(t.box), t.typed, t.message, t.after});
    }
    ExpectComboChecks(fake(), cases, GetParam().style, GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Menu, OptionBounds, ::testing::ValuesIn(Screens),
                         [](const auto& info) { return std::string(info.param.exercise); });

} // namespace
