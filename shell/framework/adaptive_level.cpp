#include "shell/framework/adaptive_level.h"

#include "shell/form_hooks.h"
#include "shell/forms.h"
#include "shell/framework/adaptive_practice.h"
#include "shell/framework/adaptive_rows.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/scores_screen.h"
#include "shell/mod_dodi.h"

#include <algorithm>

namespace {

QList<AdaptiveLadderDeclaration>& declarations() {
    static QList<AdaptiveLadderDeclaration> declared;
    return declared;
}

StoredLevelReader& storedLevelReader() {
    static StoredLevelReader reader;
    return reader;
}

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
    QList<AdaptiveLadderDeclaration>& declared = declarations();
    const auto same = std::find_if(declared.begin(), declared.end(), [&](const auto& known) {
        return known.optionsForm == declaration.optionsForm;
    });
    if (same != declared.end()) {
        *same = std::move(declaration);
    } else {
        declared.append(std::move(declaration));
    }
}

const QList<AdaptiveLadderDeclaration>& DeclaredAdaptiveLadders() {
    return declarations();
}

const AdaptiveLadderDeclaration* AdaptiveLadderOf(const QString& formName) {
    for (const AdaptiveLadderDeclaration& declaration : declarations()) {
        if (formName == declaration.optionsForm || formName == declaration.therapyForm ||
            formName == declaration.scoresForm) {
            return &declaration;
        }
    }
    return nullptr;
}

bool AdaptBetweenSets(Form& therapyScreen, JudgedAnswers totals) {
    AdaptivePractice* practice = AdaptivePractice::Of(&therapyScreen);
    return practice != nullptr && practice->BetweenSets(totals);
}

void SetStoredLevelReader(StoredLevelReader reader) {
    storedLevelReader() = std::move(reader);
}

std::optional<int> StoredLevel(const QString& optionsForm) {
    if (!storedLevelReader() || ModDODI::PatientName.isEmpty()) {
        return std::nullopt;
    }
    return storedLevelReader()(ModDODI::PatientName, optionsForm);
}

int BlockStep(int right, int judged) {
    if (right >= judged) {
        return 1;
    }
    // Three or fewer of five: a share of right answers of at most 3/5.
    return right * AdaptiveBlockSize <= 3 * judged ? -1 : 0;
}

LevelStaircase::LevelStaircase(int start, int floor, int ceiling)
    : floor_(std::min(floor, ceiling)), ceiling_(std::max(floor, ceiling)),
      start_(std::clamp(start, floor_, ceiling_)), level_(start_), highest_(start_) {}

bool LevelStaircase::TakeTotals(JudgedAnswers totals) {
    const int right = totals.right - blockStart_.right;
    const int judged = right + totals.wrong - blockStart_.wrong;
    if (judged < AdaptiveBlockSize) {
        return false;
    }
    blockStart_ = totals;
    const int before = level_;
    level_ = std::clamp(level_ + BlockStep(right, judged), floor_, ceiling_);
    highest_ = std::max(highest_, level_);
    return level_ != before;
}
