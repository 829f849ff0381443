#include "shell/controls/answer_marks.h"

#include "shell/platform.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <algorithm>

namespace AnswerMarks {

namespace {

constexpr const char* SettingKey = "AnswerMarks";
constexpr int SmallestMark = 14;
constexpr int LargestMark = 48;

} // namespace

bool Shown() {
    return platform().Setting(SettingKey) == "On";
}

void SetShown(bool shown) {
    platform().SetSetting(SettingKey, shown ? "On" : "Off");
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->update();
        for (QWidget* child : window->findChildren<QWidget*>()) {
            child->update();
        }
    }
}

void Draw(QPainter& painter, const QRect& rect, AnswerMark mark) {
    if (mark == AnswerMark::None || !Shown()) {
        return;
    }
    const int side =
        std::clamp(std::min(rect.width(), rect.height()) * 6 / 10, SmallestMark, LargestMark);
    const int gap = std::max(2, side / 8);
    const QRectF disc(rect.right() - gap - side + 1, rect.center().y() - side / 2.0, side, side);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, std::max(1.0, side / 14.0)));
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc);
    QPen stroke(Qt::black, std::max(2.0, side / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(stroke);
    painter.setBrush(Qt::NoBrush);
    const auto at = [&disc](double x, double y) {
        return QPointF(disc.left() + x * disc.width(), disc.top() + y * disc.height());
    };
    QPainterPath glyph;
    if (mark == AnswerMark::Right) {
        glyph.moveTo(at(0.25, 0.52));
        glyph.lineTo(at(0.43, 0.70));
        glyph.lineTo(at(0.76, 0.32));
    } else {
        glyph.moveTo(at(0.30, 0.30));
        glyph.lineTo(at(0.70, 0.70));
        glyph.moveTo(at(0.70, 0.30));
        glyph.lineTo(at(0.30, 0.70));
    }
    painter.drawPath(glyph);
    painter.restore();
}

const char* SpokenSuffix(AnswerMark mark) {
    switch (mark) {
    case AnswerMark::Right:
        return ", right";
    case AnswerMark::Wrong:
        return ", wrong";
    case AnswerMark::None:
        break;
    }
    return "";
}

} // namespace AnswerMarks
