// The adaptive mode on the screens: the framework's rows on an options
// screen, the practice on a therapy screen and the level lines on a scores
// screen, each added when its screen is made.
#include "shell/form_hooks.h"
#include "shell/forms.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/adaptive_practice.h"
#include "shell/framework/adaptive_rows.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/scores_screen.h"

namespace {

// A level of the practice on the scores screen: empty when the practice
// shown was not adaptive.
QString PracticeLevelText(const QString& therapyForm, int (LevelStaircase::*level)() const) {
    const AdaptivePractice* practice = AdaptivePractice::Of(Forms::Find(therapyForm));
    if (practice == nullptr || !practice->Walk()) {
        return {};
    }
    return QString::number(((*practice->Walk()).*level)());
}

void AddScoresLines(ScoresScreen& screen, const QString& therapyForm) {
    screen.AddLine(
        {"lblStartLevelCaption", "Start Level", AdaptiveNames::StartLine},
        [therapyForm] { return PracticeLevelText(therapyForm, &LevelStaircase::StartLevel); });
    screen.AddLine(
        {"lblEndLevelCaption", AdaptiveNames::EndLineCaption, AdaptiveNames::EndLine},
        [therapyForm] { return PracticeLevelText(therapyForm, &LevelStaircase::Level); });
    screen.AddLine(
        {"lblHighestLevelCaption", "Highest Level Reached", AdaptiveNames::HighestLine},
        [therapyForm] { return PracticeLevelText(therapyForm, &LevelStaircase::HighestReached); });
}

void FormMade(Form& form) {
    const AdaptiveLadderDeclaration* declaration = AdaptiveLadderOf(form.objectName());
    if (declaration == nullptr) {
        return;
    }
    if (form.objectName() == declaration->optionsForm) {
        if (auto* options = qobject_cast<OptionsScreen*>(&form)) {
            AdaptiveOptionRows::AttachTo(*options, *declaration);
        }
    } else if (form.objectName() == declaration->therapyForm) {
        AdaptivePractice::BeginOn(form, *declaration);
    } else if (auto* scores = qobject_cast<ScoresScreen*>(&form)) {
        AddScoresLines(*scores, declaration->therapyForm);
    }
}

void FormActivated(Form& form) {
    if (AdaptivePractice* practice = AdaptivePractice::Of(&form)) {
        practice->Activated();
    }
}

void InstallHooksOnce() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        AddFormMadeHook(FormMade);
        AddFormActivatedHook(FormActivated);
    }
}

} // namespace

void DeclareAdaptiveLadder(AdaptiveLadderDeclaration declaration) {
    InstallHooksOnce();
    RecordAdaptiveLadder(std::move(declaration));
}

bool AdaptBetweenSets(Form& therapyScreen, JudgedAnswers totals) {
    AdaptivePractice* practice = AdaptivePractice::Of(&therapyScreen);
    return practice != nullptr && practice->BetweenSets(totals);
}
