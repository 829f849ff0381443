#include "shell/vb_runtime.h"

#include <QRegularExpression>
#include <cmath>

double Int(double value) {
    return std::floor(value);
}

long long RoundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value)); // default rounding mode: to even
}

bool IsNumeric(const QString& text) {
    static const QRegularExpression number(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)");
    return number.match(text).hasMatch();
}

double Val(const QString& text) {
    if (!IsNumeric(text)) {
        return 0.0;
    }
    return text.trimmed().toDouble();
}

// Halves round away from zero, as number formatting with a picture does.
static QString formatDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return QString::number(std::round(value * scale) / scale, 'f', decimals);
}

QString Format1(double value) {
    return formatDecimals(value, 1);
}

QString Format2(double value) {
    return formatDecimals(value, 2);
}

QString WholeText(double value) {
    return QString::number(static_cast<long long>(value));
}
