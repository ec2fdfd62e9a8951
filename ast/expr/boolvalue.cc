#include <ostream>

#include "ast/expr/value.h"

bool BoolValue::operator==(const Value& other) const {
    return is(other) && narrow(other).value == value;
}

Value* BoolValue::lognot() const { return new BoolValue(!value); }

Value* BoolValue::equal(const Value& r) const {
    return is(r) ? new BoolValue(value == narrow(r).value) : nullptr;
}

Value* BoolValue::notequal(const Value& r) const {
    return is(r) ? new BoolValue(value != narrow(r).value) : nullptr;
}

Value* BoolValue::logand(const Value& r) const {
    return is(r) ? new BoolValue(value && narrow(r).value) : nullptr;
}

Value* BoolValue::logor(const Value& r) const {
    return is(r) ? new BoolValue(value || narrow(r).value) : nullptr;
}

void BoolValue::print(std::ostream& out) const { out << (value ? "TRUE" : "FALSE"); }

BoolValue& BoolValue::narrow(Value& v) {
    if (!is(v)) narrow_fault("BoolValue", v);
    return static_cast<BoolValue&>(v);
}

const BoolValue& BoolValue::narrow(const Value& v) {
    if (!is(v)) narrow_fault("BoolValue", v);
    return static_cast<const BoolValue&>(v);
}
