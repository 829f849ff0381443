#include "shell/controls/covering_frame.h"

CoveringFrame::CoveringFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
    setAutoFillBackground(true);
}

QRect CoveringFrame::CoveringRect(const QWidget& frame, QRect placed) {
    const QWidget* parent = frame.parentWidget();
    if (parent == nullptr) {
        return placed;
    }
    QRect covering = placed;
    bool grew = true;
    while (grew) {
        grew = false;
        for (const QObject* child : parent->children()) {
            const auto* sibling = qobject_cast<const QWidget*>(child);
            if (sibling == nullptr || sibling == &frame || sibling->isWindow() ||
                sibling->isHidden()) {
                continue;
            }
            const QRect area = sibling->geometry();
            if (!area.intersects(covering) || area.contains(covering)) {
                continue;
            }
            const QRect next = covering.united(area) & parent->rect();
            if (next != covering) {
                covering = next;
                grew = true;
            }
        }
    }
    return covering;
}

void CoveringFrame::ShowCovering() {
    if (geometry() != grown_) {
        placed_ = geometry(); // placed anew since it last grew
    }
    grown_ = CoveringRect(*this, placed_);
    setGeometry(grown_);
    show();
    raise();
}
