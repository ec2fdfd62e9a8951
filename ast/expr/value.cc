// The base behaviour of values: no operation is supported.
#include "ast/expr/value.h"

#include "lib/msg.h"

bool Value::operator==(const Value& other) const { return false; }

Value* Value::plus() const { return nullptr; }
Value* Value::minus() const { return nullptr; }
Value* Value::lognot() const { return nullptr; }
Value* Value::bitcompl() const { return nullptr; }
Value* Value::multiply(const Value&) const { return nullptr; }
Value* Value::divide(const Value&) const { return nullptr; }
Value* Value::modulus(const Value&) const { return nullptr; }
Value* Value::plus(const Value&) const { return nullptr; }
Value* Value::minus(const Value&) const { return nullptr; }
Value* Value::leftshift(const Value&) const { return nullptr; }
Value* Value::rightshift(const Value&) const { return nullptr; }
Value* Value::lessequalthan(const Value&) const { return nullptr; }
Value* Value::lessthan(const Value&) const { return nullptr; }
Value* Value::greaterthan(const Value&) const { return nullptr; }
Value* Value::greaterequalthan(const Value&) const { return nullptr; }
Value* Value::equal(const Value&) const { return nullptr; }
Value* Value::notequal(const Value&) const { return nullptr; }
Value* Value::bit_and(const Value&) const { return nullptr; }
Value* Value::bitxor(const Value&) const { return nullptr; }
Value* Value::bit_or(const Value&) const { return nullptr; }
Value* Value::logand(const Value&) const { return nullptr; }
Value* Value::logor(const Value&) const { return nullptr; }

const char* Value::tag_name(ValueTag tag) {
    switch (tag) {
    case BoolValue_tag: return "BoolValue";
    case CharValue_tag: return "CharValue";
    case IntValue_tag: return "IntValue";
    case RealValue_tag: return "RealValue";
    case StringValue_tag: return "StringValue";
    case FixedValue_tag: return "FixedValue";
    }
    return "???";
}

void Value::narrow_fault(const char* expected, const Value& found) {
    msg::panic("Value::narrow_fault: expecting %s, found %s", expected, found.abbrev_text().chars());
}
