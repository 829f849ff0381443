#include "shell/framework/adaptive_level.h"

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

} // namespace

void RecordAdaptiveLadder(AdaptiveLadderDeclaration declaration) {
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
