// Running counters that the therapist can hide from the patient: a click on
// any of them hides them all; the screen shows them again (on Stop).
#pragma once

#include "shell/controls/basic.h"

#include <QList>

class CountersHiddenByClick {
public:
    explicit CountersHiddenByClick(const QList<VbLabel*>& counters);
    void SetVisible(bool visible);
    const QList<VbLabel*>& Counters() const { return counters_; }

private:
    QList<VbLabel*> counters_;
};
