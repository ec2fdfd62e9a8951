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
    // Digits beyond 64 bits wrap, and mark the value overflowed; the 32-bit
    // value keeps the low 32 bits.
    uint64_t u = 0;
    for (; digit_value(*p) < base; ++p) {
        uint64_t next;
        if (__builtin_mul_overflow(u, static_cast<uint64_t>(base), &next) ||
            __builtin_add_overflow(next, static_cast<uint64_t>(digit_value(*p)), &next))
            overflow = true;
        u = u * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit_value(*p));
    }
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
    return is(other) && narrow(other).exact() == exact();
}

bool IntValue::fits(int base_tag) const {
    if (overflow) return false;
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

// Arithmetic is exact (in 128 bits) within the range the 64-bit types
// hold together, -2^63 to 2^64-1; a result beyond it is marked overflowed.
// The bitwise operators work on the 64 bits.
static uint64_t bits(long long v) { return static_cast<uint64_t>(v); }

__int128 IntValue::exact() const {
    return unsigned_top ? static_cast<__int128>(static_cast<uint64_t>(wide)) : static_cast<__int128>(wide);
}

IntValue* IntValue::exact_result(__int128 x, bool overflow, int radix) {
    const __int128 least = -static_cast<__int128>(static_cast<uint64_t>(1) << 63);
    const __int128 most = static_cast<__int128>(~static_cast<uint64_t>(0));
    if (x < least || x > most) overflow = true;
    uint64_t low = static_cast<uint64_t>(x);
    IntValue* v = new IntValue(static_cast<long long>(low), !overflow && x > LLONG_MAX, radix);
    v->overflow = overflow;
    return v;
}

Value* IntValue::plus() const { return exact_result(exact(), overflow, radix); }
Value* IntValue::minus() const { return exact_result(-exact(), overflow, radix); }
Value* IntValue::lognot() const { return new IntValue(exact() == 0, radix); }
Value* IntValue::bitcompl() const { return exact_result(static_cast<long long>(~bits(wide)), overflow, radix); }

// Each binary operation takes an integer right operand; any other kind
// gives no value.
#define INT_RIGHT_OPERAND(r)                        \
    if (!is(r)) return nullptr;                     \
    const IntValue& rv = narrow(r);                 \
    __int128 b = rv.exact();                        \
    __int128 a = exact();                           \
    bool over = overflow || rv.overflow;            \
    bool top = unsigned_top || rv.unsigned_top

Value* IntValue::multiply(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    __int128 product;
    if (__builtin_mul_overflow(a, b, &product)) return exact_result(0, true, result_radix(rv));
    return exact_result(product, over, result_radix(rv));
}

Value* IntValue::divide(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    if (b == 0) return nullptr;
    return exact_result(a / b, over, result_radix(rv));
}

Value* IntValue::modulus(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    if (b == 0) return nullptr;
    return exact_result(a % b, over, result_radix(rv));
}

Value* IntValue::plus(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    return exact_result(a + b, over, result_radix(rv));
}

Value* IntValue::minus(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    return exact_result(a - b, over, result_radix(rv));
}

// A shift by `count` (0 to 63) of the exact value: a left shift multiplies,
// a right shift divides rounding down (an arithmetic shift).
static __int128 shifted(__int128 a, int count, bool left) {
    __int128 scale = static_cast<__int128>(1) << count;
    if (left) return a * scale;
    __int128 q = a / scale;
    if (a < 0 && q * scale != a) --q;
    return q;
}

Value* IntValue::leftshift(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    if (b < 0 || b > 31) return nullptr;
    return exact_result(shifted(a, static_cast<int>(b), true), over, result_radix(rv));
}

Value* IntValue::rightshift(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    if (b < 0 || b > 31) return nullptr;
    return exact_result(shifted(a, static_cast<int>(b), false), over, result_radix(rv));
}

Value* IntValue::wide_shift(const Value& r, bool left) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    if (b < 32 || b > 63) return nullptr;
    return exact_result(shifted(a, static_cast<int>(b), left), over, result_radix(rv));
}

Value* IntValue::lessequalthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    (void)over;
    return new BoolValue(a <= b);
}

Value* IntValue::lessthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    (void)over;
    return new BoolValue(a < b);
}

Value* IntValue::greaterthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    (void)over;
    return new BoolValue(a > b);
}

Value* IntValue::greaterequalthan(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    (void)over;
    return new BoolValue(a >= b);
}

Value* IntValue::equal(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    (void)over;
    return new BoolValue(a == b);
}

Value* IntValue::notequal(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    (void)top;
    (void)over;
    return new BoolValue(a != b);
}

Value* IntValue::bit_and(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    uint64_t x = bits(wide) & bits(rv.wide);
    return exact_result(top ? static_cast<__int128>(x) : static_cast<__int128>(static_cast<long long>(x)), over, result_radix(rv));
}

Value* IntValue::bitxor(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    uint64_t x = bits(wide) ^ bits(rv.wide);
    return exact_result(top ? static_cast<__int128>(x) : static_cast<__int128>(static_cast<long long>(x)), over, result_radix(rv));
}

Value* IntValue::bit_or(const Value& r) const {
    INT_RIGHT_OPERAND(r);
    uint64_t x = bits(wide) | bits(rv.wide);
    return exact_result(top ? static_cast<__int128>(x) : static_cast<__int128>(static_cast<long long>(x)), over, result_radix(rv));
}

#undef INT_RIGHT_OPERAND

void IntValue::print(std::ostream& out) const {
    // A value beyond 32 bits prints in 64 (unsigned above 2^63-1); so does
    // a decimal one that only fits 32 bits unsigned.
    bool fits = !unsigned_top && (wide == value || (radix != 10 && static_cast<uint64_t>(wide) == to_unsigned(value)));
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
