#include "shell/framework/counters.h"

CountersHiddenByClick::CountersHiddenByClick(const QList<VbLabel*>& counters)
    : counters_(counters) {
    for (VbLabel* counter : counters_) {
        QObject::connect(counter, &VbLabel::clicked, counter, [all = counters_] {
            for (VbLabel* each : all) {
                each->hide();
            }
        });
    }
}

void CountersHiddenByClick::SetVisible(bool visible) {
    for (VbLabel* counter : counters_) {
        counter->setVisible(visible);
    }
}
