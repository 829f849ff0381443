// Adaptive levels: an exercise with options that make it harder declares a
// ladder of settings, easiest first, and the framework moves the patient one
// level at a time between sets, so that about four answers in five are right.
//
// How an exercise declares its ladder (three small steps):
//
//  1. The table, in the exercise's <exercise>_rules.cpp (data only):
//
//       const AdaptiveLadder& Ladder() {
//           static const AdaptiveLadder ladder{
//               {"cboSpeed", "cboMaxSeq", "optFixed"},   // option controls, by name
//               {{"1.00", "2", "True"},                  // level 1, the easiest
//                {"0.75", "2", "True"},                  // level 2 ...
//                ...}};                                  // at least 8 levels
//           return ladder;
//       }
//
//     A value is what the control shows: a combo box's text, "True" /
//     "False" for a check box or an option button (an option button is set
//     by "True" only, as a click chooses it), or a scroll bar's position.
//     Every level must be a set of values the options screen accepts (a
//     test checks every declared ladder).
//
//  2. The declaration, in register_<exercise>.cpp after its forms:
//
//       AdaptivePlaces places;
//       places.optionRowsTop = 5520;                       // twips
//       places.levelLabel = QRectF(360, 3600, 2655, 420);  // twips
//       DeclareAdaptiveLadder({frmXo::Name, frmXt::Name, frmXs::Name, Ladder(), places});
//
//     optionRowsTop is where the two rows of the adaptive choices begin on
//     the options screen (twips, at optionRowsLeft); what stands at or below
//     it moves down when the rows need more room than the design leaves
//     there. levelLabel is where "Level n" stands on the therapy screen
//     (twips), inside the control named levelLabelParent (empty: the screen
//     itself), beside the counters. infoLine names the therapy screen's
//     one-line info label.
//
//  3. One call in the therapy screen's handler that starts the next set,
//     before anything of the set is drawn, played or timed:
//
//       AdaptBetweenSets(*this, {scores.Correct, scores.Wrong});
//
//     with the running totals of judged answers that its counters show
//     (C= and W=). It returns true when the level changed the options, for a
//     screen that reads an option once per practice to read it again.
//
// Everything else (the options rows, "Level n", the scores lines, the stored
// level, a hand change turning the mode off) the framework does by itself.
// With the mode off (the default) nothing changes anywhere. A declared
// ladder is checked level by level by the tests without any test added.
#pragma once

#include <QList>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Form;
class QWidget;

// One exercise's ladder: the option controls it sets and, for each level
// from the easiest, the value of each of those controls.
struct AdaptiveLadder {
    QStringList controls;
    QList<QStringList> levels;
    int LevelCount() const { return int(levels.size()); }
};

// Where the framework's controls stand on an exercise's screens.
struct AdaptivePlaces {
    double optionRowsTop = 0;    // twips, the options screen
    double optionRowsLeft = 240; // twips
    QRectF levelLabel;           // twips, on the therapy screen or its parent below
    QString levelLabelParent;    // a frame of the therapy screen; empty: the screen
    QString infoLine = "lblInfo";
};

struct AdaptiveLadderDeclaration {
    QString optionsForm;
    QString therapyForm;
    QString scoresForm;
    AdaptiveLadder ladder;
    AdaptivePlaces places;
};

// Gives an exercise its adaptive mode. Declaring a ladder for the same
// options screen again replaces the first.
void DeclareAdaptiveLadder(AdaptiveLadderDeclaration declaration);
// Keeps a declaration in the list, without the screens' hooks that
// DeclareAdaptiveLadder installs.
void RecordAdaptiveLadder(AdaptiveLadderDeclaration declaration);
// Every ladder declared, in the order declared.
const QList<AdaptiveLadderDeclaration>& DeclaredAdaptiveLadders();
// The declaration of an options, therapy or scores screen; nullptr when none.
const AdaptiveLadderDeclaration* AdaptiveLadderOf(const QString& formName);

// Running totals of judged answers.
struct JudgedAnswers {
    int right = 0;
    int wrong = 0;
};

// See the top of this file. Does nothing while the mode is off.
bool AdaptBetweenSets(Form& therapyScreen, JudgedAnswers totals);

// The patient's level at the end of their last practice of the exercise
// (its options screen's name), if the history keeps one. The program fills
// it in from the practice history at start-up.
using StoredLevelReader =
    std::function<std::optional<int>(const QString& patient, const QString& optionsForm)>;
void SetStoredLevelReader(StoredLevelReader reader);

// Names and captions of the framework's controls and lines.
namespace AdaptiveNames {
inline const char* const ModeCheck = "chkAdaptiveLevel";   // "Adaptive Level"
inline const char* const StartLevel = "cboStartLevel";     // "Start Level"
inline const char* const LowestLevel = "cboLowestLevel";   // "Lowest"
inline const char* const HighestLevel = "cboHighestLevel"; // "Highest"
inline const char* const LevelLabel = "lblAdaptiveLevel";  // "Level n"
inline const char* const StartLine = "lblStartLevel";      // "Start Level"
inline const char* const EndLine = "lblEndLevel";          // "End Level"
inline const char* const HighestLine = "lblHighestLevel";  // "Highest Level Reached"
inline const char* const EndLineCaption = "End Level";
} // namespace AdaptiveNames

// The block rule, free of screens.
constexpr int AdaptiveBlockSize = 5;

// One practice's walk on a ladder: answers are taken in blocks of five
// judged answers; all five right moves one level up, three or fewer right
// one level down, four right stays; never below floor nor above ceiling.
class LevelStaircase {
public:
    LevelStaircase(int start, int floor, int ceiling);

    // Takes the running totals of the practice; returns true when a block
    // was completed and the level changed.
    bool TakeTotals(JudgedAnswers totals);

    int Level() const { return level_; }
    int StartLevel() const { return start_; }
    int HighestReached() const { return highest_; }
    int Floor() const { return floor_; }
    int Ceiling() const { return ceiling_; }

private:
    int floor_;
    int ceiling_;
    int start_;
    int level_;
    int highest_;
    JudgedAnswers blockStart_;
};

// The step a finished block takes: +1, 0 or -1. A block of more than five
// (a set that judges several answers) is judged by the same shares.
int BlockStep(int right, int judged);
