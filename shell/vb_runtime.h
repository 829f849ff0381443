// Arithmetic and text conversions that the screens rely on, in one place.
#pragma once

#include <QString>
#include <cstdint>

using Integer = std::int16_t; // counters and flags
using Single = float;         // clock readings and time sums

constexpr Integer VbTrue = -1;
constexpr Integer VbFalse = 0;

// Rounds toward minus infinity (Int(-2.5) is -3).
double Int(double value);

// Rounds to the nearest whole number, a half going to the even neighbour;
// values beyond the 64-bit range stop at its limits.
long long RoundHalfEven(double value);

// True when the whole text (blanks around it allowed) is a decimal number
// within the range of a double.
bool IsNumeric(const QString& text);

// The numeric value of a text, 0 when it is not numeric.
double Val(const QString& text);

// A number with exactly one / two decimals ("2.4", "0.50").
QString Format1(double value);
QString Format2(double value);

// The whole part of a number written without decimals or leading blanks
// ("7", "-3"), however large ("100000000000000000000").
QString WholeText(double value);

// A 16-bit signed counter that stops at its limits instead of wrapping.
class Counter16 {
public:
    constexpr Counter16(int value = 0) : value_(clamp(value)) {}
    constexpr operator int() const { return value_; }
    Counter16& operator++() { return *this = value_ + 1; }
    Counter16 operator++(int) {
        Counter16 before = *this;
        ++*this;
        return before;
    }
    Counter16& operator--() { return *this = value_ - 1; }
    Counter16& operator+=(int delta) { return *this = value_ + delta; }
    Counter16& operator-=(int delta) { return *this = value_ - delta; }

private:
    static constexpr Integer clamp(int v) {
        return static_cast<Integer>(v > INT16_MAX ? INT16_MAX : (v < INT16_MIN ? INT16_MIN : v));
    }
    Integer value_;
};
