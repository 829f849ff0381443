#include "shell/framework/target_watch.h"

#include "shell/framework/layout.h"
#include "shell/framework/scores_screen.h"
#include "shell/framework/therapy_screen.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"

#include <QVBoxLayout>

StartMessage::StartMessage(QWidget* parent) : CoveringFrame("", parent) {
    setObjectName("frmStartMess");
    Label3 = new VbLabel("Label3", "", this);
    Label3->setAlignment(Qt::AlignCenter);
    SetFontSize(Label3, 14, true);
    cmdOK2 = new VbButton("cmdOK2", "OK", this);
    cmdOK2->setMinimumHeight(Twips(495));
    auto* column = new QVBoxLayout(this);
    column->addWidget(Label3, 1);
    column->addWidget(cmdOK2, 0, Qt::AlignHCenter);
    connect(cmdOK2, &QPushButton::clicked, this, [this] {
        readyClicked_ = true;
        hide();
    });
    hide();
}

QString StartMessage::Text(const QString& what, const QString& target) {
    return "You Are Looking For The " + what + ":  " + target + "\r\n" +
           "Click OK When Ready To Start.";
}

bool StartMessage::ShowAndWait(TherapyScreen& screen, const QString& text) {
    Label3->setText(text);
    readyClicked_ = false;
    ShowCovering();
    cmdOK2->setFocus();
    QPointer<StartMessage> self(this);
    const bool alive = screen.WaitFor([self] { return self == nullptr || self->readyClicked_; });
    if (!alive || self == nullptr) {
        return false;
    }
    readyClicked_ = false;
    return true;
}

TargetCounters::TargetCounters(QWidget* parent)
    : lblCor(new VbLabel("lblCor", "", parent)), lblWrng(new VbLabel("lblWrng", "", parent)),
      lblMissed(new VbLabel("lblMissed", "", parent)),
      hiddenByClick_({lblCor, lblWrng, lblMissed}) {
    lblMissed->setToolTip("Targets Missed");
}

CountedTargetsLine CompareCountedTargets(int counted, int targets) {
    if (targets == 0) {
        return {};
    }
    const QString caption = counted <= targets ? "Percent Correct:" : "Over Counted Targets By:";
    return {caption, QString::number(WholePercent(counted, targets)) + "%"};
}

bool PracticeTimeReached(double practiceMinutes) {
    ModDODI::UpdateElapsedTime(ModDODI::PracticeStart);
    return practiceMinutes <= ModDODI::ElapsedMinutes;
}
