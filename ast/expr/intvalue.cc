// Integers: 64-bit two's complement, and the low 32 bits of it.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <ostream>

#include "ast/expr/value.h"
#include "ast/tree/types.h"

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
    : Value(loc), value(0), wide(0), radix(10), has_text_(true), text(text) {
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
    // Digits beyond 64 bits wrap (the generator reports such a literal);
    // the 32-bit value keeps the low 32 bits.
    uint64_t u = 0;
    for (; digit_value(*p) < base; ++p) u = u * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit_value(*p));
    wide = static_cast<long long>(u);
    unsigned_top = u > static_cast<uint64_t>(LLONG_MAX);
    value = to_int(static_cast<uint32_t>(u));
}

IntValue::IntValue(int value, int radix, const SrcLoc& loc)
    : Value(loc), value(value), wide(value), radix(radix), has_text_(false) {}

IntValue::IntValue(long long wide, bool unsigned_top, int radix, const SrcLoc& loc)
    : Value(loc),
      value(to_int(static_cast<uint32_t>(static_cast<uint64_t>(wide)))),
      wide(wide),
      unsigned_top(unsigned_top && wide < 0),
      radix(radix),
      has_text_(false) {}

int IntValue::result_radix(const IntValue& r) const {
    if (radix) return radix;
    if (r.radix) return r.radix;
    return 10;
}

bool IntValue::operator==(const Value& other) const {
    return is(other) && narrow(other).wide == wide;
}

bool IntValue::fits(int base_tag) const {
    long long lo = 0, hi = 0;
    switch (base_tag) {
    case octet_BaseTypeSpec: hi = 255; break;
    case short_BaseTypeSpec: lo = -32768, hi = 32767; break;
    case ushort_BaseTypeSpec: hi = 65535; break;
    case long_BaseTypeSpec: lo = INT_MIN, hi = INT_MAX; break;
    case ulong_BaseTypeSpec: hi = 4294967295LL; break;
    case longlong_BaseTypeSpec: return !unsigned_top;
    case ulonglong_BaseTypeSpec: return unsigned_top || wide >= 0;
    default: return true;
    }
    return !unsigned_top && wide >= lo && wide <= hi;
}

// Arithmetic is done in 64 bits on the unsigned representation, so that
// overflow wraps instead of being undefined, as Java's long arithmetic
// does; the 32-bit value is the low half of the result.
static uint64_t bits(long long v) { return static_cast<uint64_t>(v); }

Value* IntValue::plus() const { return new IntValue(wide, unsigned_top, radix); }
Value* IntValue::minus() const { return new IntValue(static_cast<long long>(0 - bits(wide)), false, radix); }
Value* IntValue::lognot() const { return new IntValue(!wide, radix); }
Value* IntValue::bitcompl() const { return new IntValue(static_cast<long long>(~bits(wide)), false, radix); }

// Each binary operation takes an integer right operand; any other kind
// gives no value.  A result stays unsigned when an operand was.
#define INT_RIGHT_OPERAND(r)                                 \
    if (!is(r)) return nullptr;                              \
    const IntValue& rv = narrow(r);                          \
    long long b = rv.wide;                                   \
    long long a = wide;                                      \
    bool top = unsigned_top || rv.unsigned_top

Value* IntValue::multiply(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(static_cast<long long>(bits(a) * bits(b)), top, result_radix(rv));
}

Value* IntValue::divide(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (b == 0) return nullptr;
    // The one quotient that does not fit wraps around to itself.
    if (a == LLONG_MIN && b == -1) return new IntValue(LLONG_MIN, top, result_radix(rv));
    if (top) return new IntValue(static_cast<long long>(bits(a) / bits(b)), true, result_radix(rv));
    return new IntValue(a / b, false, result_radix(rv));
}

Value* IntValue::modulus(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (b == 0) return nullptr;
    if (b == -1) return new IntValue(0, result_radix(rv));
    if (top) return new IntValue(static_cast<long long>(bits(a) % bits(b)), true, result_radix(rv));
    return new IntValue(a % b, false, result_radix(rv));
}

Value* IntValue::plus(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(static_cast<long long>(bits(a) + bits(b)), top, result_radix(rv));
}

Value* IntValue::minus(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(static_cast<long long>(bits(a) - bits(b)), top, result_radix(rv));
}

Value* IntValue::leftshift(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (b < 0 || b > 31) return nullptr;
    return new IntValue(static_cast<long long>(bits(a) << b), top, result_radix(rv));
}

Value* IntValue::rightshift(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (b < 0 || b > 31) return nullptr;
    // Arithmetic shift: a negative value is filled with ones from the left.
    long long result = a >= 0 ? static_cast<long long>(bits(a) >> b) : static_cast<long long>(~(~bits(a) >> b));
    return new IntValue(result, top, result_radix(rv));
}

Value* IntValue::wide_shift(const Value& r, bool left) const {
    INT_RIGHT_OPERAND(r);
    if (b < 32 || b > 63) return nullptr;
    long long result;
    if (left)
        result = static_cast<long long>(bits(a) << b);
    else
        result = a >= 0 ? static_cast<long long>(bits(a) >> b) : static_cast<long long>(~(~bits(a) >> b));
    return new IntValue(result, top, result_radix(rv));
}

Value* IntValue::lessequalthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (top) return new BoolValue(bits(a) <= bits(b));
    return new BoolValue(a <= b);
}

Value* IntValue::lessthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (top) return new BoolValue(bits(a) < bits(b));
    return new BoolValue(a < b);
}

Value* IntValue::greaterthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (top) return new BoolValue(bits(a) > bits(b));
    return new BoolValue(a > b);
}

Value* IntValue::greaterequalthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (top) return new BoolValue(bits(a) >= bits(b));
    return new BoolValue(a >= b);
}

Value* IntValue::equal(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (top) return new BoolValue(bits(a) == bits(b));
    return new BoolValue(a == b);
}

Value* IntValue::notequal(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    if (top) return new BoolValue(bits(a) != bits(b));
    return new BoolValue(a != b);
}

Value* IntValue::bit_and(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(a & b, top, result_radix(rv));
}

Value* IntValue::bitxor(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(a ^ b, top, result_radix(rv));
}

Value* IntValue::bit_or(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    return new IntValue(a | b, top, result_radix(rv));
}

#undef INT_RIGHT_OPERAND

void IntValue::print(std::ostream& out) const {
    // A value beyond 32 bits prints in 64 (unsigned above 2^63-1); so does
    // a decimal one that only fits 32 bits unsigned.
    bool fits = wide == value || (radix != 10 && static_cast<uint64_t>(wide) == to_unsigned(value));
    if (!fits) {
        char wbuf[32];
        uint64_t u = static_cast<uint64_t>(wide);
        if (radix == 8)
            std::snprintf(wbuf, sizeof wbuf, "0%llo", static_cast<unsigned long long>(u));
        else if (radix == 16)
            std::snprintf(wbuf, sizeof wbuf, "0x%llx", static_cast<unsigned long long>(u));
        else if (unsigned_top)
            std::snprintf(wbuf, sizeof wbuf, "%llu", static_cast<unsigned long long>(u));
        else
            std::snprintf(wbuf, sizeof wbuf, "%lld", wide);
        out << wbuf;
        return;
    }
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
