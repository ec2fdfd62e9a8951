#include <ostream>

#include "ast/expr/charescape.h"
#include "ast/expr/value.h"

CharValue::CharValue(const char* text, const SrcLoc& loc)
    : Value(loc), value(0) {
    // The literal starts with its opening quote; the character follows it.
    if (text && *text) value = CharEscape::decode(text + 1);
}

bool CharValue::operator==(const Value& other) const {
    return is(other) && narrow(other).value == value;
}

void CharValue::print(std::ostream& out) const {
    out << '\'';
    CharEscape::print(out, value);
    out << '\'';
}

void CharValue::print_java(std::ostream& out) const {
    out << '\'';
    CharEscape::print_java(out, value);
    out << '\'';
}

CharValue& CharValue::narrow(Value& v) {
    if (!is(v)) narrow_fault("CharValue", v);
    return static_cast<CharValue&>(v);
}

const CharValue& CharValue::narrow(const Value& v) {
    if (!is(v)) narrow_fault("CharValue", v);
    return static_cast<const CharValue&>(v);
}
