// 32-bit two's-complement integers.  Arithmetic is done on the unsigned
// representation so that overflow wraps instead of being undefined.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <ostream>

#include "ast/expr/value.h"

namespace {

int digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

int to_int(uint32_t u) { return static_cast<int>(u); }
uint32_t to_unsigned(int v) { return static_cast<uint32_t>(v); }

}  // namespace

IntValue::IntValue(const char* text, const SrcLoc& loc)
    : Value(loc), value(0), radix(10), has_text_(true), text(text) {
    const char* p = text ? text : "";
    int base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        radix = 16;
        base = 16;
        p += 2;
    } else if (p[0] == '0') {
        radix = 8;
        base = 8;
    }
    // Digits beyond 32 bits wrap: the value keeps the low 32 bits.
    uint32_t u = 0;
    for (; digit_value(*p) < base; ++p) u = u * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit_value(*p));
    value = to_int(u);
}

IntValue::IntValue(int value, int radix, const SrcLoc& loc)
    : Value(loc), value(value), radix(radix), has_text_(false) {}

int IntValue::result_radix(const IntValue& r) const {
    if (radix) return radix;
    if (r.radix) return r.radix;
    return 10;
}

bool IntValue::operator==(const Value& other) const {
    return is(other) && narrow(other).value == value;
}

Value* IntValue::plus() const { return new IntValue(value, radix); }
Value* IntValue::minus() const { return new IntValue(to_int(0u - to_unsigned(value)), radix); }
Value* IntValue::lognot() const { return new IntValue(!value, radix); }
Value* IntValue::bitcompl() const { return new IntValue(to_int(~to_unsigned(value)), radix); }

// Each binary operation takes an integer right operand; any other kind
// gives no value.
#define INT_RIGHT_OPERAND(r)          \
    if (!is(r)) return nullptr;       \
    const IntValue& rv = narrow(r);   \
    int b = rv.value;                 \
    int a = value

Value* IntValue::multiply(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(to_int(to_unsigned(a) * to_unsigned(b)), result_radix(rv));
}

Value* IntValue::divide(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (b == 0) return nullptr;
    // The one quotient that does not fit wraps around to itself.
    if (a == INT_MIN && b == -1) return new IntValue(INT_MIN, result_radix(rv));
    return new IntValue(a / b, result_radix(rv));
}

Value* IntValue::modulus(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (b == 0) return nullptr;
    if (b == -1) return new IntValue(0, result_radix(rv));
    return new IntValue(a % b, result_radix(rv));
}

Value* IntValue::plus(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(to_int(to_unsigned(a) + to_unsigned(b)), result_radix(rv));
}

Value* IntValue::minus(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(to_int(to_unsigned(a) - to_unsigned(b)), result_radix(rv));
}

Value* IntValue::leftshift(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (b < 0 || b > 31) return nullptr;
    return new IntValue(to_int(to_unsigned(a) << b), result_radix(rv));
}

Value* IntValue::rightshift(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (b < 0 || b > 31) return nullptr;
    // Arithmetic shift: a negative value is filled with ones from the left.
    int result = a >= 0 ? to_int(to_unsigned(a) >> b) : to_int(~(~to_unsigned(a) >> b));
    return new IntValue(result, result_radix(rv));
}

Value* IntValue::lessequalthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new BoolValue(a <= b);
}

Value* IntValue::lessthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new BoolValue(a < b);
}

Value* IntValue::greaterthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new BoolValue(a > b);
}

Value* IntValue::greaterequalthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new BoolValue(a >= b);
}

Value* IntValue::equal(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new BoolValue(a == b);
}

Value* IntValue::notequal(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new BoolValue(a != b);
}

Value* IntValue::bit_and(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(a & b, result_radix(rv));
}

Value* IntValue::bitxor(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(a ^ b, result_radix(rv));
}

Value* IntValue::bit_or(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(a | b, result_radix(rv));
}

#undef INT_RIGHT_OPERAND

void IntValue::print(std::ostream& out) const {
    char buf[16];
    if (value == 0)
        std::snprintf(buf, sizeof buf, "0");
    else if (radix == 8)
        std::snprintf(buf, sizeof buf, "0%o", to_unsigned(value));
    else if (radix == 16)
        std::snprintf(buf, sizeof buf, "0x%x", to_unsigned(value));
    else
        std::snprintf(buf, sizeof buf, "%d", value);
    out << buf;
}

IntValue& IntValue::narrow(Value& v) {
    if (!is(v)) narrow_fault("IntValue", v);
    return static_cast<IntValue&>(v);
}

const IntValue& IntValue::narrow(const Value& v) {
    if (!is(v)) narrow_fault("IntValue", v);
    return static_cast<const IntValue&>(v);
}
