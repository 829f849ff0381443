#include "shell/framework/adaptive_practice.h"

#include "shell/controls/basic.h"
#include "shell/forms.h"
#include "shell/framework/adaptive_rows.h"
#include "shell/framework/layout.h"

#include <QLabel>
#include <algorithm>
#include <utility>

AdaptivePractice::AdaptivePractice(Form& screen, AdaptiveOptionRows* rows, AdaptivePlaces places)
    : QObject(&screen), screen_(screen), rows_(rows), places_(std::move(places)) {
    setObjectName("adaptivePractice");
}

void AdaptivePractice::BeginOn(Form& therapyScreen, const AdaptiveLadderDeclaration& declaration) {
    AdaptiveOptionRows* rows = AdaptiveOptionRows::Of(Forms::Find(declaration.optionsForm));
    if (rows == nullptr) {
        return;
    }
    auto* practice = new AdaptivePractice(therapyScreen, rows, declaration.places);
    practice->noticePending_ = rows->TakeHandChangeNotice();
    if (!rows->ModeOn()) {
        return;
    }
    const int floor = rows->Lowest();
    const int ceiling = rows->Highest();
    practice->walk_.emplace(std::clamp(rows->StartLevel(), floor, ceiling), floor, ceiling);
    rows->ApplyLevel(practice->walk_->Level());
    practice->addLevelLabel();
}

AdaptivePractice* AdaptivePractice::Of(const QWidget* therapyScreen) {
    return therapyScreen == nullptr ? nullptr
                                    : therapyScreen->findChild<AdaptivePractice*>(
                                          "adaptivePractice", Qt::FindDirectChildrenOnly);
}

AdaptivePractice::~AdaptivePractice() {
    // The next practice starts where this one ended.
    if (walk_ && rows_ != nullptr) {
        rows_->SetStartLevel(walk_->Level());
    }
}

bool AdaptivePractice::BetweenSets(JudgedAnswers totals) {
    if (!walk_ || rows_ == nullptr || !walk_->TakeTotals(totals)) {
        return false;
    }
    rows_->ApplyLevel(walk_->Level());
    showLevel();
    return true;
}

void AdaptivePractice::Activated() {
    if (!std::exchange(noticePending_, false)) {
        return;
    }
    if (auto* info = screen_.findChild<QLabel*>(places_.infoLine)) {
        info->setText(AdaptiveOffNotice);
        // A line kept hidden until the first set shows the notice meanwhile.
        if (info->isHidden()) {
            info->adjustSize();
            info->show();
        }
    }
}

void AdaptivePractice::addLevelLabel() {
    QWidget* parent = places_.levelLabelParent.isEmpty()
                          ? &screen_
                          : screen_.findChild<QWidget*>(places_.levelLabelParent);
    levelLabel_ = new VbLabel(AdaptiveNames::LevelLabel, "", parent != nullptr ? parent : &screen_);
    levelLabel_->setWordWrap(false);
    levelLabel_->setAlignment(Qt::AlignCenter);
    SetFontSize(levelLabel_, 11, true);
    const QRectF& place = places_.levelLabel;
    Place(levelLabel_, place.left(), place.top(), place.width(), place.height());
    showLevel();
}

void AdaptivePractice::showLevel() {
    if (levelLabel_ != nullptr) {
        levelLabel_->setText("Level " + QString::number(walk_->Level()));
    }
}
