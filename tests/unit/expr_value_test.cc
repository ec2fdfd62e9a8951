// Literal values: conversion from source text, 32- and 64-bit arithmetic with radix
// propagation, printing, and character escapes in both directions.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ast/expr/charescape.h"
#include "ast/expr/value.h"
#include "ast/tree/types.h"

namespace {

std::string text(const Printable& p) { return p.full_text().str(); }

std::string text(const Value* v) { return v ? v->full_text().str() : "<null>"; }

int int_of(const Value* v) {
    EXPECT_TRUE(v && IntValue::is(*v));
    return v && IntValue::is(*v) ? IntValue::narrow(*v).get_value() : 0;
}

IntValue lit(const char* t) { return IntValue(t, SrcLoc()); }

}  // namespace

TEST(IntValue, RadixFollowsThePrefixAndTheTextIsKept) {
    IntValue hex = lit("0x10"), upper = lit("0X1f"), oct = lit("017"), dec = lit("42"), zero = lit("0");
    EXPECT_EQ(hex.get_value(), 16);
    EXPECT_EQ(hex.get_radix(), 16);
    EXPECT_EQ(text(hex), "0x10");
    EXPECT_EQ(upper.get_value(), 31);
    EXPECT_EQ(text(upper), "0x1f");
    EXPECT_EQ(oct.get_value(), 15);
    EXPECT_EQ(oct.get_radix(), 8);
    EXPECT_EQ(text(oct), "017");
    EXPECT_EQ(dec.get_radix(), 10);
    EXPECT_EQ(zero.get_radix(), 8);
    EXPECT_EQ(text(zero), "0");
    EXPECT_TRUE(oct.has_text());
    EXPECT_EQ(oct.get_text(), "017");
    EXPECT_FALSE(IntValue(3, 10).has_text());
}

TEST(IntValue, HugeLiteralsWrapToThirtyTwoBits) {
    EXPECT_EQ(lit("4294967295").get_value(), -1);
    EXPECT_EQ(lit("4294967296").get_value(), 0);
    EXPECT_EQ(lit("0x1ffffffff").get_value(), -1);
    EXPECT_EQ(lit("99999999999999999999999").get_value(), -159383553);
    // The source text survives for the Java output.
    EXPECT_EQ(lit("4294967296").get_text(), "4294967296");
}

TEST(IntValue, PrintsNegativeValuesInTheirRadix) {
    EXPECT_EQ(text(IntValue(-1, 16)), "0xffffffff");
    EXPECT_EQ(text(IntValue(-1, 8)), "037777777777");
    EXPECT_EQ(text(IntValue(-5, 10)), "-5");
    EXPECT_EQ(text(IntValue(0, 16)), "0");
}

TEST(IntValue, ResultTakesTheLeftRadixElseTheRight) {
    IntValue hex = lit("0x10"), one = lit("1");
    EXPECT_EQ(text(hex.plus(one)), "0x11");
    EXPECT_EQ(text(one.plus(hex)), "17");
    EXPECT_EQ(text(IntValue(2, 0).multiply(hex)), "0x20");
    EXPECT_EQ(text(IntValue(2, 0).multiply(IntValue(3, 0))), "6");
    EXPECT_EQ(text(hex.bitcompl()), "0xffffffef");
}

TEST(IntValue, ArithmeticWrapsWithoutUndefinedBehaviour) {
    IntValue max(INT_MAX, 10), min(INT_MIN, 10), m1(-1, 10), one(1, 10), zero(0, 10);
    EXPECT_EQ(int_of(max.plus(one)), INT_MIN);
    EXPECT_EQ(int_of(min.minus(one)), INT_MAX);
    EXPECT_EQ(int_of(max.multiply(IntValue(2, 10))), -2);
    EXPECT_EQ(int_of(min.minus()), INT_MIN);
    EXPECT_EQ(int_of(min.divide(m1)), INT_MIN);
    EXPECT_EQ(int_of(min.modulus(m1)), 0);
    EXPECT_EQ(int_of(IntValue(-7, 10).divide(IntValue(2, 10))), -3);
    EXPECT_EQ(int_of(IntValue(-7, 10).modulus(IntValue(2, 10))), -1);
    EXPECT_EQ(one.divide(zero), nullptr);
    EXPECT_EQ(one.modulus(zero), nullptr);
}

TEST(IntValue, ShiftsOnlyByZeroToThirtyOne) {
    IntValue one(1, 10), m8(-8, 10);
    EXPECT_EQ(int_of(one.leftshift(IntValue(31, 10))), INT_MIN);
    EXPECT_EQ(int_of(m8.rightshift(IntValue(1, 10))), -4);
    EXPECT_EQ(int_of(IntValue(INT_MIN, 10).rightshift(IntValue(31, 10))), -1);
    EXPECT_EQ(int_of(IntValue(-1, 10).leftshift(IntValue(4, 10))), -16);
    EXPECT_EQ(one.leftshift(IntValue(32, 10)), nullptr);
    EXPECT_EQ(one.rightshift(IntValue(-1, 10)), nullptr);
}

// The 64 bits beside the 32: exact within -2^63..2^64-1, each type's range
// checked on them, overflow beyond it held by no type.
TEST(IntValue, SixtyFourBitValuesAndTheRangeOfEachType) {
    struct Row {
        const char* what;
        const Value* v;
        long long wide;
        std::vector<int> holds;  // the types that hold it
    };
    IntValue one(1, 10), minusOne(-1, 10), max64 = lit("18446744073709551615"), min63 = lit("9223372036854775808");
    std::vector<Row> rows = {
        {"1 << 40", one.wide_shift(IntValue(40, 10), true), 1LL << 40, {longlong_BaseTypeSpec, ulonglong_BaseTypeSpec}},
        {"2^64-1", &max64, -1, {ulonglong_BaseTypeSpec}},
        {"-1", &minusOne, -1, {short_BaseTypeSpec, long_BaseTypeSpec, longlong_BaseTypeSpec}},
        {"2^64-1 + 1", max64.plus(one), 0, {}},
        {"-(2^63)", min63.minus(), LLONG_MIN, {longlong_BaseTypeSpec}},
        {"-(2^63) - 1", min63.minus()->minus(one), LLONG_MAX, {}},
        {"255", IntValue(255, 10).plus(), 255,
         {octet_BaseTypeSpec, short_BaseTypeSpec, ushort_BaseTypeSpec, long_BaseTypeSpec, ulong_BaseTypeSpec,
          longlong_BaseTypeSpec, ulonglong_BaseTypeSpec}},
        {"65536", IntValue(256, 10).multiply(IntValue(256, 10)), 65536,
         {long_BaseTypeSpec, ulong_BaseTypeSpec, longlong_BaseTypeSpec, ulonglong_BaseTypeSpec}},
        {"0xFFFFFFFF", new IntValue("0xFFFFFFFF", SrcLoc()), 4294967295LL,
         {ulong_BaseTypeSpec, longlong_BaseTypeSpec, ulonglong_BaseTypeSpec}},
        {"2^64-1 / 2", max64.divide(IntValue(2, 10)), LLONG_MAX, {longlong_BaseTypeSpec, ulonglong_BaseTypeSpec}},
        {"-(2^40) >> 3", IntValue(-1, 10).wide_shift(IntValue(40, 10), true)->rightshift(IntValue(3, 10)),
         -(1LL << 37), {longlong_BaseTypeSpec}},
    };
    const int kinds[] = {octet_BaseTypeSpec, short_BaseTypeSpec, ushort_BaseTypeSpec, long_BaseTypeSpec,
                         ulong_BaseTypeSpec, longlong_BaseTypeSpec, ulonglong_BaseTypeSpec};
    for (const Row& row : rows) {
        ASSERT_TRUE(row.v && IntValue::is(*row.v)) << row.what;
        const IntValue& v = IntValue::narrow(*row.v);
        EXPECT_EQ(v.get_wide(), row.wide) << row.what;
        EXPECT_EQ(v.get_value(), static_cast<int>(static_cast<unsigned>(row.wide))) << row.what;
        for (int kind : kinds) {
            bool held = std::find(row.holds.begin(), row.holds.end(), kind) != row.holds.end();
            EXPECT_EQ(v.fits(kind), held) << row.what << " in type " << kind;
        }
    }
    // Shifts by 32 to 63 only through wide_shift.
    EXPECT_EQ(one.wide_shift(IntValue(31, 10), true), nullptr);
    EXPECT_EQ(one.wide_shift(IntValue(64, 10), true), nullptr);
    EXPECT_EQ(text(max64), "18446744073709551615");
    EXPECT_EQ(text(IntValue::narrow(*one.wide_shift(IntValue(40, 10), true))), "1099511627776");
}

TEST(IntValue, ComparisonsGiveBooleans) {
    IntValue two(2, 10), three(3, 10);
    EXPECT_EQ(text(two.lessthan(three)), "TRUE");
    EXPECT_EQ(text(two.greaterequalthan(three)), "FALSE");
    EXPECT_EQ(text(two.equal(two)), "TRUE");
    EXPECT_EQ(text(two.notequal(two)), "FALSE");
    EXPECT_EQ(two.logand(three), nullptr);
}

TEST(Value, KindsWithoutArithmeticGiveNoValue) {
    RealValue r("1.5", SrcLoc());
    CharValue c("'a'", SrcLoc());
    StringValue s("\"x\"", SrcLoc());
    BoolValue b(1);
    IntValue i(1, 10);
    EXPECT_EQ(r.minus(), nullptr);
    EXPECT_EQ(r.multiply(r), nullptr);
    EXPECT_EQ(c.plus(c), nullptr);
    EXPECT_EQ(s.plus(s), nullptr);
    EXPECT_EQ(b.multiply(b), nullptr);
    // Mixed kinds do not compute either.
    EXPECT_EQ(i.plus(r), nullptr);
    EXPECT_EQ(i.equal(b), nullptr);
    EXPECT_EQ(b.logand(i), nullptr);
}

TEST(Value, EqualityNeedsTheSameKindAndContent) {
    EXPECT_TRUE(IntValue(10, 16) == IntValue(10, 10));
    EXPECT_FALSE(IntValue(1, 10) == BoolValue(1));
    EXPECT_TRUE(CharValue("'\\x41'", SrcLoc()) == CharValue("'A'", SrcLoc()));
    EXPECT_TRUE(RealValue("1.50", SrcLoc()) == RealValue("1.5", SrcLoc()));
    EXPECT_FALSE(StringValue("\"a\"", SrcLoc()) == StringValue("\"b\"", SrcLoc()));
}

TEST(BoolValue, LogicAndPrinting) {
    BoolValue t(1), f(0);
    EXPECT_EQ(text(t), "TRUE");
    EXPECT_EQ(text(f), "FALSE");
    EXPECT_EQ(BoolValue(7).get_value(), 1);
    EXPECT_EQ(text(t.lognot()), "FALSE");
    EXPECT_EQ(text(t.logand(f)), "FALSE");
    EXPECT_EQ(text(t.logor(f)), "TRUE");
    EXPECT_EQ(text(t.notequal(f)), "TRUE");
}

TEST(RealAndStringValue, PrintAndKeepTheirText) {
    RealValue r("1.5E-3", SrcLoc());
    EXPECT_DOUBLE_EQ(r.get_value(), 0.0015);
    EXPECT_EQ(r.get_text(), "1.5E-3");
    EXPECT_EQ(text(r), "0.0015");
    EXPECT_EQ(text(RealValue(".5", SrcLoc())), "0.5");
    EXPECT_EQ(text(StringValue("\"hi\"", SrcLoc())), "\"hi\"");
}

TEST(StringValueList, PrintsWithCommas) {
    StringValue a("\"a\"", SrcLoc()), b("\"b\"", SrcLoc());
    StringValueList l(a);
    l.append(b);
    EXPECT_EQ(text(l), "\"a\", \"b\"");
    EXPECT_TRUE(StringValueList::null.empty());
}

TEST(CharEscape, DecodesEveryEscapeForm) {
    EXPECT_EQ(CharEscape::decode("a"), 'a');
    EXPECT_EQ(CharEscape::decode("\\?"), '?');
    EXPECT_EQ(CharEscape::decode("\\\\"), '\\');
    EXPECT_EQ(CharEscape::decode("\\\""), '"');
    EXPECT_EQ(CharEscape::decode("\\'"), '\'');
    EXPECT_EQ(CharEscape::decode("\\a"), 7);
    EXPECT_EQ(CharEscape::decode("\\b"), 8);
    EXPECT_EQ(CharEscape::decode("\\n"), 10);
    EXPECT_EQ(CharEscape::decode("\\r"), 13);
    EXPECT_EQ(CharEscape::decode("\\t"), 9);
    EXPECT_EQ(CharEscape::decode("\\v"), 11);
    EXPECT_EQ(CharEscape::decode("\\x41"), 'A');
    EXPECT_EQ(CharEscape::decode("\\x4'"), 4);
    EXPECT_EQ(CharEscape::decode("\\xg"), 0);
    EXPECT_EQ(CharEscape::decode("\\101"), 'A');
    EXPECT_EQ(CharEscape::decode("\\0"), 0);
    EXPECT_EQ(CharEscape::decode("\\1234"), 0123);
    EXPECT_EQ(CharEscape::decode("\\777"), 0xff);
    EXPECT_EQ(CharEscape::decode("\\q"), 0);
    // A text cut short is read no further than its end.
    EXPECT_EQ(CharEscape::decode("\\"), 0);
    EXPECT_EQ(CharEscape::decode(""), 0);
    const char* end = nullptr;
    const char* s = "\\x41'";
    CharEscape::decode(s, &end);
    EXPECT_EQ(end, s + 4);
}

TEST(CharValue, DecodesTheCharacterAfterTheQuote) {
    EXPECT_EQ(CharValue("'a'", SrcLoc()).get_value(), 'a');
    EXPECT_EQ(CharValue("'\\n'", SrcLoc()).get_value(), 10);
    EXPECT_EQ(CharValue("'\\''", SrcLoc()).get_value(), '\'');
    EXPECT_EQ(CharValue("'", SrcLoc()).get_value(), 0);
}

TEST(CharValue, PrintsEscaped) {
    EXPECT_EQ(text(CharValue('A')), "'A'");
    EXPECT_EQ(text(CharValue(10)), "'\\n'");
    EXPECT_EQ(text(CharValue(7)), "'\\a'");
    EXPECT_EQ(text(CharValue(13)), "'\\r'");
    EXPECT_EQ(text(CharValue('\'')), "'\\''");
    EXPECT_EQ(text(CharValue('"')), "'\\\"'");
    EXPECT_EQ(text(CharValue('\\')), "'\\\\'");
    EXPECT_EQ(text(CharValue(1)), "'\\001'");
    EXPECT_EQ(text(CharValue(0)), "'\\000'");
    EXPECT_EQ(text(CharValue(0x7f)), "'\\177'");
    EXPECT_EQ(text(CharValue(0x80)), "'\\200'");
}

TEST(CharValue, EveryByteSurvivesPrintingAndReading) {
    for (int c = 0; c < 256; ++c) {
        std::string printed = text(CharValue(static_cast<unsigned char>(c)));
        EXPECT_EQ(CharValue(printed.c_str(), SrcLoc()).get_value(), c) << printed;
    }
}

TEST(JavaLiterals, UseOnlyEscapesJavaKnows) {
    std::ostringstream c;
    CharValue(7).print_java(c);
    CharValue(11).print_java(c);
    CharValue(12).print_java(c);
    CharValue('\n').print_java(c);
    CharValue('\'').print_java(c);
    CharValue(0x80).print_java(c);
    EXPECT_EQ(c.str(), "'\\007''\\013''\\f''\\n''\\'''\\200'");
    StringValue s("\"a\\x41\\v\\\"\\0015\"", SrcLoc());
    EXPECT_EQ(s.get_contents(), std::string("aA\v\"\0015", 6));
    std::ostringstream j;
    s.print_java(j);
    EXPECT_EQ(j.str(), "\"aA\\013\\\"\\0015\"");
    // The IDL text itself is kept for everything else.
    EXPECT_EQ(text(s), "\"a\\x41\\v\\\"\\0015\"");
}

TEST(FixedValue, DigitsAndScaleComeFromTheLiteral) {
    // literal, decimal text, digits the value needs, digits before the point
    const struct {
        const char* literal;
        const char* decimal;
        int digits;
        int integer;
    } rows[] = {
        {"12.50d", "12.50", 4, 2},  {"012.50D", "12.50", 4, 2}, {"0.5d", "0.5", 1, 0},
        {".05d", "0.05", 2, 0},     {"7d", "7", 1, 1},          {"0d", "0", 1, 1},
        {"000d", "0", 1, 1},        {"5.d", "5", 1, 1},         {"100.000d", "100.000", 6, 3},
        {"1234567890123456789012345678901d", "1234567890123456789012345678901", 31, 31},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.literal);
        FixedValue f(r.literal, SrcLoc());
        EXPECT_EQ(f.decimal_text(), r.decimal);
        EXPECT_EQ(f.digit_count(), r.digits);
        EXPECT_EQ(f.integer_digits(), r.integer);
        EXPECT_EQ(text(f), std::string(r.decimal) + "d");
    }
    FixedValue half("0.50d", SrcLoc());
    std::unique_ptr<Value> negated(half.minus());
    EXPECT_EQ(text(negated.get()), "-0.50d");
    EXPECT_TRUE(*negated != half);
    EXPECT_TRUE(*std::unique_ptr<Value>(negated->minus()) == half);
    EXPECT_EQ(half.multiply(half), nullptr);
}
