// Literal and computed values of constant expressions: booleans, characters,
// integers (32 bits, and 64 beside them, with the radix they are printed in), reals and strings.
//
// Every operation returns a new Value, or null when the kind of value does
// not support it; the base class supports nothing.
#ifndef QUORVEX_AST_VALUE_H
#define QUORVEX_AST_VALUE_H

#include <iosfwd>
#include <string>

#include "lib/srcloc.h"
#include "ast/tree/astitem.h"
#include "ast/tree/printable.h"
#include "lib/String.h"
#include "lib/dllist.h"

enum ValueTag {
    BoolValue_tag = 0,
    CharValue_tag = 1,
    IntValue_tag = 2,
    RealValue_tag = 3,
    StringValue_tag = 4,
    FixedValue_tag = 5  // only with -fcorba3
};

class Value : public ASTItem {
public:
    explicit Value(const SrcLoc& loc = SrcLoc()) : loc(loc) {}

    const SrcLoc& get_loc() const { return loc; }

    // Equality of two values of the same kind; values of different kinds
    // are never equal.
    virtual bool operator==(const Value& other) const;
    bool operator!=(const Value& other) const { return !(*this == other); }

    // Unary operations.
    virtual Value* plus() const;
    virtual Value* minus() const;
    virtual Value* lognot() const;
    virtual Value* bitcompl() const;

    // Binary operations, this value being the left operand.  (The bitwise
    // and/or are named bit_and/bit_or: "bitand" and "bitor" are reserved
    // words of the language.)
    virtual Value* multiply(const Value& r) const;
    virtual Value* divide(const Value& r) const;
    virtual Value* modulus(const Value& r) const;
    virtual Value* plus(const Value& r) const;
    virtual Value* minus(const Value& r) const;
    virtual Value* leftshift(const Value& r) const;
    virtual Value* rightshift(const Value& r) const;
    virtual Value* lessequalthan(const Value& r) const;
    virtual Value* lessthan(const Value& r) const;
    virtual Value* greaterthan(const Value& r) const;
    virtual Value* greaterequalthan(const Value& r) const;
    virtual Value* equal(const Value& r) const;
    virtual Value* notequal(const Value& r) const;
    virtual Value* bit_and(const Value& r) const;
    virtual Value* bitxor(const Value& r) const;
    virtual Value* bit_or(const Value& r) const;
    virtual Value* logand(const Value& r) const;
    virtual Value* logor(const Value& r) const;

    virtual ValueTag get_tag() const = 0;
    void print(std::ostream& out) const override = 0;

    // The class name of a tag, for messages.
    static const char* tag_name(ValueTag tag);
    // Ends the run: a value was narrowed to a class it is not.
    [[noreturn]] static void narrow_fault(const char* expected, const Value& found);

private:
    SrcLoc loc;
};

class BoolValue : public Value {
public:
    BoolValue(int v, const SrcLoc& loc = SrcLoc()) : Value(loc), value(v ? 1 : 0) {}

    int get_value() const { return value; }

    bool operator==(const Value& other) const override;
    Value* lognot() const override;
    Value* equal(const Value& r) const override;
    Value* notequal(const Value& r) const override;
    Value* logand(const Value& r) const override;
    Value* logor(const Value& r) const override;

    ValueTag get_tag() const override { return BoolValue_tag; }
    void print(std::ostream& out) const override;  // "TRUE" / "FALSE"

    static bool is(const Value& v) { return v.get_tag() == BoolValue_tag; }
    static BoolValue& narrow(Value& v);
    static const BoolValue& narrow(const Value& v);

private:
    int value;
};

class CharValue : public Value {
public:
    // `text` is the quoted literal as written; the character after the
    // opening quote is decoded with the escape rules of character literals.
    CharValue(const char* text, const SrcLoc& loc);
    explicit CharValue(unsigned char c, const SrcLoc& loc = SrcLoc()) : Value(loc), value(c) {}

    unsigned char get_value() const { return value; }

    bool operator==(const Value& other) const override;

    ValueTag get_tag() const override { return CharValue_tag; }
    // The character quoted and escaped: "'" escaped character "'".
    void print(std::ostream& out) const override;
    // The character as a Java character literal.
    void print_java(std::ostream& out) const;

    static bool is(const Value& v) { return v.get_tag() == CharValue_tag; }
    static CharValue& narrow(Value& v);
    static const CharValue& narrow(const Value& v);

private:
    unsigned char value;
};

class IntValue : public Value {
public:
    // A literal: the text converted as an unsigned number with automatic
    // base (0x/0X hexadecimal, a leading 0 octal, else decimal), wrapped to
    // 32 bits; the radix follows the prefix and the text is kept.
    IntValue(const char* text, const SrcLoc& loc);
    // A computed value, printed in `radix` (8, 10 or 16).
    IntValue(int value, int radix, const SrcLoc& loc = SrcLoc());
    // A computed 64-bit value.
    IntValue(long long wide, bool unsigned_top, int radix, const SrcLoc& loc = SrcLoc());

    // The low 32 bits, as the 32-bit types, bounds and labels hold them.
    int get_value() const { return value; }
    // The value in 64 bits, as the 64-bit types hold it (two's complement;
    // a literal above 2^63-1 keeps its bits and is marked unsigned).
    long long get_wide() const { return wide; }
    // True when the 64 bits stand for an unsigned number above 2^63-1.
    bool is_unsigned_top() const { return unsigned_top; }
    // True for a literal of more than 64 bits, which the generator reports
    // where it writes it.
    bool is_overflowed_literal() const { return overflow && has_text_; }
    // Whether the value is one the integer type `base_tag` (a
    // BaseTypeSpec_tag; octet included) can hold.
    bool fits(int base_tag) const;
    // A shift by a count of 32 to 63, which only 64 bits hold; null for any
    // other count.
    Value* wide_shift(const Value& count, bool left) const;
    int get_radix() const { return radix; }
    // The literal's source text; computed values have none.
    bool has_text() const { return has_text_; }
    const String& get_text() const { return text; }

    bool operator==(const Value& other) const override;
    Value* plus() const override;
    Value* minus() const override;
    Value* lognot() const override;
    Value* bitcompl() const override;
    // divide and modulus give null for a zero divisor; the shifts give null
    // for a shift count outside 0 to 31.
    Value* multiply(const Value& r) const override;
    Value* divide(const Value& r) const override;
    Value* modulus(const Value& r) const override;
    Value* plus(const Value& r) const override;
    Value* minus(const Value& r) const override;
    Value* leftshift(const Value& r) const override;
    Value* rightshift(const Value& r) const override;
    Value* lessequalthan(const Value& r) const override;
    Value* lessthan(const Value& r) const override;
    Value* greaterthan(const Value& r) const override;
    Value* greaterequalthan(const Value& r) const override;
    Value* equal(const Value& r) const override;
    Value* notequal(const Value& r) const override;
    Value* bit_and(const Value& r) const override;
    Value* bitxor(const Value& r) const override;
    Value* bit_or(const Value& r) const override;

    ValueTag get_tag() const override { return IntValue_tag; }
    // "0" for zero; radix 8 "0%o", radix 10 decimal, radix 16 "0x%x".
    void print(std::ostream& out) const override;

    static bool is(const Value& v) { return v.get_tag() == IntValue_tag; }
    static IntValue& narrow(Value& v);
    static const IntValue& narrow(const Value& v);

private:
    // The radix of a result: the left operand's, else the right's, else 10.
    int result_radix(const IntValue& r) const;

    // A result of exact value `x` (an operand's overflow carried in
    // `overflow`): beyond the 64-bit range it keeps its low 64 bits and is
    // marked overflowed, which no type holds.
    static IntValue* exact_result(__int128 x, bool overflow, int radix);
    __int128 exact() const;

    int value;
    long long wide;
    bool unsigned_top = false;
    bool overflow = false;
    int radix;
    bool has_text_;
    String text;
};

class RealValue : public Value {
public:
    RealValue(const char* text, const SrcLoc& loc);
    explicit RealValue(double v, const SrcLoc& loc = SrcLoc()) : Value(loc), value(v), has_text_(false) {}

    double get_value() const { return value; }
    // The literal's source text; computed values have none.
    bool has_text() const { return has_text_; }
    const String& get_text() const { return text; }

    bool operator==(const Value& other) const override;

    ValueTag get_tag() const override { return RealValue_tag; }
    // The double in the stream's default form.
    void print(std::ostream& out) const override;

    static bool is(const Value& v) { return v.get_tag() == RealValue_tag; }
    static RealValue& narrow(Value& v);
    static const RealValue& narrow(const Value& v);

private:
    double value;
    bool has_text_;
    String text;
};

class StringValue : public Value {
public:
    // `text` is the literal as written, quotes included; it is kept and
    // printed as it is.
    StringValue(const char* text, const SrcLoc& loc);

    const String& get_text() const { return text; }
    // The characters between the quotes, escapes decoded.
    std::string get_contents() const;

    bool operator==(const Value& other) const override;

    ValueTag get_tag() const override { return StringValue_tag; }
    void print(std::ostream& out) const override;
    // The string as a Java string literal: IDL escapes that Java lacks
    // (\a, \v, \x) are written in octal.
    void print_java(std::ostream& out) const;

    static bool is(const Value& v) { return v.get_tag() == StringValue_tag; }
    static StringValue& narrow(Value& v);
    static const StringValue& narrow(const Value& v);

private:
    String text;
};

// A fixed-point value (-fcorba3): a sign, its digits without leading zeros
// and how many of them follow the decimal point, as the literal wrote them
// ("012.50d" is 1250 with scale 2: fixed<4,2>).
class FixedValue : public Value {
public:
    // `text` is a fixed-point literal: digits with at most one '.', then
    // 'd' or 'D'.
    FixedValue(const char* text, const SrcLoc& loc);
    FixedValue(bool negative, const std::string& digits, int scale, const SrcLoc& loc)
        : Value(loc), negative(negative), digits(digits), scale(scale) {}

    bool is_negative() const { return negative; }
    // The significant digits, at least "0"; the last `scale` of them are
    // the fraction.
    const std::string& get_digits() const { return digits; }
    int get_scale() const { return scale; }
    // The number of digits the value needs: its digits, or its scale when
    // the integer part is zero.
    int digit_count() const;
    // The digits of its integer part.
    int integer_digits() const;
    // The value as a decimal text ("-12.50", "0.5", "7").
    std::string decimal_text() const;

    bool operator==(const Value& other) const override;
    Value* plus() const override;
    Value* minus() const override;

    ValueTag get_tag() const override { return FixedValue_tag; }
    // The literal form: the decimal text and "d".
    void print(std::ostream& out) const override;

    static bool is(const Value& v) { return v.get_tag() == FixedValue_tag; }
    static FixedValue& narrow(Value& v);
    static const FixedValue& narrow(const Value& v);

private:
    bool negative = false;
    std::string digits;
    int scale = 0;
};

// A list of string literals (an operation's context clause), printed with
// ", " between them.
class StringValueList : public DLList<StringValue>, public Printable {
public:
    StringValueList() = default;
    explicit StringValueList(StringValue& first) : DLList<StringValue>(first) {}

    void print(std::ostream& out) const override;

    // The shared empty list (no context clause).
    static StringValueList null;
};

#endif
