#include <cstdlib>
#include <ostream>

#include "ast/expr/value.h"

RealValue::RealValue(const char* text, const SrcLoc& loc)
    : Value(loc), value(text ? std::strtod(text, nullptr) : 0.0), has_text_(text != nullptr), text(text) {}

bool RealValue::operator==(const Value& other) const {
    return is(other) && narrow(other).value == value;
}

void RealValue::print(std::ostream& out) const { out << value; }

RealValue& RealValue::narrow(Value& v) {
    if (!is(v)) narrow_fault("RealValue", v);
    return static_cast<RealValue&>(v);
}

const RealValue& RealValue::narrow(const Value& v) {
    if (!is(v)) narrow_fault("RealValue", v);
    return static_cast<const RealValue&>(v);
}
