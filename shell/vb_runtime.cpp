#include "shell/vb_runtime.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

double Int(double value) {
    return std::floor(value);
}

namespace {

// Whole numbers beyond this do not fit a 64-bit integer (2^63).
constexpr double WholeLimit = 9223372036854775808.0;

bool FitsWholeNumber(double whole) {
    return whole > -WholeLimit && whole < WholeLimit;
}

} // namespace

long long RoundHalfEven(double value) {
    const double rounded = std::nearbyint(value); // default rounding mode: to even
    if (std::isnan(rounded)) {
        return 0;
    }
    if (!FitsWholeNumber(rounded)) {
        return rounded < 0 ? std::numeric_limits<long long>::min()
                           : std::numeric_limits<long long>::max();
    }
    return static_cast<long long>(rounded);
}

bool IsNumeric(const QString& text) {
    static const QRegularExpression number(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)");
    // A number too large for a double ("1e999") is not numeric either.
    return number.match(text).hasMatch() && std::isfinite(text.trimmed().toDouble());
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
    const double whole = std::trunc(value);
    if (std::isnan(whole)) {
        return "0";
    }
    if (!FitsWholeNumber(whole)) {
        // Written out digit by digit; a cast would be undefined here.
        return std::isinf(whole) ? QString(whole < 0 ? "-" : "") + "Infinity"
                                 : QString::number(whole, 'f', 0);
    }
    return QString::number(static_cast<long long>(whole));
}
