#include <ostream>

#include "ast/expr/value.h"

FixedValue::FixedValue(const char* text, const SrcLoc& loc) : Value(loc) {
    bool fraction = false;
    for (const char* p = text; *p; ++p) {
        if (*p == '.') {
            fraction = true;
        } else if (*p >= '0' && *p <= '9') {
            digits += *p;
            if (fraction) ++scale;
        }
    }
    // Leading zeros of the integer part are not digits of the value.
    size_t integer = digits.size() - static_cast<size_t>(scale);
    size_t zeros = 0;
    while (zeros < integer && digits[zeros] == '0') ++zeros;
    digits.erase(0, zeros);
    if (digits.empty()) digits = "0";
}

int FixedValue::integer_digits() const {
    int n = static_cast<int>(digits.size()) - scale;
    // "0" alone (scale 0) has one integer digit; a zero integer part of a
    // value with a fraction has none.
    if (n == 1 && scale == 0) return 1;
    return n > 0 ? n : 0;
}

int FixedValue::digit_count() const { return integer_digits() + scale; }

std::string FixedValue::decimal_text() const {
    std::string text = negative ? "-" : "";
    std::string padded = digits;
    // Enough leading zeros that the fraction has its scale and the integer
    // part at least one digit.
    while (padded.size() < static_cast<size_t>(scale) + 1) padded.insert(0, "0");
    size_t integer = padded.size() - static_cast<size_t>(scale);
    text += padded.substr(0, integer);
    if (scale > 0) text += "." + padded.substr(integer);
    return text;
}

bool FixedValue::operator==(const Value& other) const {
    return is(other) && narrow(other).decimal_text() == decimal_text();
}

Value* FixedValue::plus() const { return new FixedValue(negative, digits, scale, get_loc()); }

Value* FixedValue::minus() const { return new FixedValue(!negative, digits, scale, get_loc()); }

void FixedValue::print(std::ostream& out) const { out << decimal_text() << "d"; }

FixedValue& FixedValue::narrow(Value& v) {
    if (!is(v)) narrow_fault("FixedValue", v);
    return static_cast<FixedValue&>(v);
}

const FixedValue& FixedValue::narrow(const Value& v) {
    if (!is(v)) narrow_fault("FixedValue", v);
    return static_cast<const FixedValue&>(v);
}
