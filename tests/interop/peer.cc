// The omniORB side of the interoperability tests and of the ORB benchmark:
// a server of interop.idl's Tester and a client that calls one, built with
// omniidl's C++ mapping.  Both sides check every value they receive against
// the values the Java side (InteropValues.java) uses, and answer known ones.
//
//   peer server IORFILE [omniORB options]
//   peer client IOR [--missing CORBALOC] [--shutdown] [omniORB options]
//   peer bench IOR SECONDS [omniORB options]
//   peer ping IOR [omniORB options]
//
// IOR is any reference omniORB reads: IOR:, corbaloc: or corbaname:.  ping
// calls name() and ping() only (the naming test finds a server with it).
//
// The server writes its reference to IORFILE once it listens and runs until
// a client calls shutdown(); at the end it prints "server: N checks, M
// failed".  Every failed check prints a line starting with "FAILED".
#include "interop.hh"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

using namespace Interop;

namespace {

int checks = 0;
int failures = 0;
// The call the client is making, for the message when one fails.
std::string step = "start";
std::mutex report_lock;

void check(bool ok, const std::string& what) {
    std::lock_guard<std::mutex> hold(report_lock);
    checks++;
    if (!ok) {
        failures++;
        std::cout << "FAILED: " << what << std::endl;
    }
}

template <class T>
void check_same(const T& got, const T& want, const std::string& what) {
    check(got == want, what + ": got " + got + ", want " + want);
}

// ---- Textual forms: two values are equal when their texts are. ----------

std::string hex(uint64_t v) {
    char buf[32];
    snprintf(buf, sizeof buf, "0x%llx", (unsigned long long)v);
    return buf;
}

std::string show(CORBA::Float f) {
    uint32_t bits;
    memcpy(&bits, &f, 4);
    return "f" + hex(bits);
}
std::string show(CORBA::Double d) {
    uint64_t bits;
    memcpy(&bits, &d, 8);
    return "d" + hex(bits);
}
std::string show_str(const char* s) {
    std::string out = "\"";
    for (const char* p = s; *p; p++) {
        unsigned char c = (unsigned char)*p;
        if (c >= 32 && c < 127 && c != '"' && c != '\\') out += (char)c;
        else out += "\\" + hex(c);
    }
    return out + "\"";
}
std::string show(Color c) {
    return c == RED ? "RED" : c == GREEN ? "GREEN" : c == BLUE ? "BLUE" : "Color(" + hex(c) + ")";
}
std::string show(const Prims& p) {
    std::ostringstream o;
    o << "Prims{" << p.s << "," << p.us << "," << p.l << "," << p.ul << "," << p.ll << "," << p.ull << ","
      << show(p.f) << "," << show(p.d) << "," << (p.b ? "true" : "false") << "," << hex((unsigned char)p.c)
      << "," << hex(p.o) << "}";
    return o.str();
}
std::string show(const Texts& t) {
    return "Texts{" + show_str(t.free) + "," + show_str(t.bounded) + "}";
}
std::string show(const Nested& n) {
    return "Nested{" + show(n.hue) + "," + show(n.base) + "," + show(n.text) + "}";
}

template <class S, class F>
std::string show_seq(const S& s, F f) {
    std::string out = "[";
    for (CORBA::ULong i = 0; i < s.length(); i++) out += (i ? "," : "") + f(s[i]);
    return out + "]";
}

std::string show(const UBool& u) {
    return u._d() ? "yes:" + std::to_string(u.yes()) : "no:" + show_str(u.no());
}
std::string show(const UChar& u) {
    std::string d = hex((unsigned char)u._d()) + ":";
    switch (u._d()) {
        case 'a': return d + std::to_string(u.a());
        case 'b': return d + show_str(u.bc());
        default: return d + show(u.other());
    }
}
std::string show(const UShort& u) {
    std::string d = std::to_string(u._d()) + ":";
    switch (u._d()) {
        case -32768: return d + std::to_string(u.low());
        case 1: return d + show(u.one());
        default: return d + "none";
    }
}
std::string show(const UUShort& u) {
    std::string d = std::to_string(u._d()) + ":";
    return u._d() == 65535 ? d + show(u.top()) : u._d() == 1 ? d + std::to_string(u.one()) : d + show(u.other());
}
std::string show(const UMulti& u) {
    std::string d = std::to_string(u._d()) + ":";
    return u._d() == 2 || u._d() == 3 ? d + show_str(u.two_or_three())
                                      : u._d() == 5 ? d + std::to_string(u.five()) : d + hex(u.rest());
}
std::string show(const ULong& u) {
    std::string d = std::to_string(u._d()) + ":";
    switch (u._d()) {
        case -7: return d + show(u.neg());
        case 7: return d + show_str(u.pos());
        default: return d + "none";
    }
}
std::string show(const UULong& u) {
    std::string d = std::to_string(u._d()) + ":";
    return u._d() == 4294967295u ? d + show_str(u.top()) : d + std::to_string(u.other());
}
std::string show(const ULongLong& u) {
    std::string d = std::to_string(u._d()) + ":";
    if (u._d() == -9000000000LL) return d + show(u.big());
    if (u._d() == 1) return d + (u.one() ? "true" : "false");
    return d + "none";
}
std::string show(const UULongLong& u) {
    std::string d = std::to_string(u._d()) + ":";
    return u._d() == 9223372036854775807ULL ? d + hex(u.top()) : d + show_str(u.other());
}
std::string show(const UColor& u) {
    std::string d = show(u._d()) + ":";
    switch (u._d()) {
        case RED: return d + std::to_string(u.r());
        case GREEN: return d + show(u.g());
        default: return d + "none";
    }
}
std::string show(const UColorDefault& u) {
    std::string d = show(u._d()) + ":";
    return u._d() == BLUE ? d + show_str(u.b()) : d + std::to_string(u.rest());
}

template <class T>
std::string show_any_seq(const T& s) {
    return show_seq(s, [](const auto& v) { return show(v); });
}

std::string show(const AllUnions& a) {
    return "AllUnions{" + show_any_seq(a.ubool) + show_any_seq(a.uchar) + show_any_seq(a.ushort) +
           show_any_seq(a.uushort) + show_any_seq(a.ulong) + show_any_seq(a.uulong) +
           show_any_seq(a.ulonglong) + show_any_seq(a.uulonglong) + show_any_seq(a.ucolor) +
           show_any_seq(a.ucolordefault) + "}";
}

std::string show(const Longs& s) {
    return show_seq(s, [](CORBA::Long v) { return std::to_string(v); });
}
std::string show(const Names3& s) {
    return show_seq(s, [](const char* v) { return show_str(v); });
}
std::string show_grid(const Grid g) {
    std::string out = "Grid[";
    for (int i = 0; i < 2; i++)
        for (int j = 0; j < 3; j++) out += std::to_string(g[i][j]) + ";";
    return out + "]";
}
std::string show(const Collections& c) {
    std::string out = "Collections{" + show(c.ls) + show(c.names);
    out += show_seq(c.shorts, [](const auto& row) {
        return show_seq(row, [](CORBA::Short v) { return std::to_string(v); });
    });
    out += show_seq(c.ngrid, [](const auto& row) { return show_seq(row, [](const char* v) { return show_str(v); }); });
    out += show_any_seq(c.plist);
    out += show_seq(c.bytes, [](CORBA::Octet v) { return std::to_string(v); });
    out += show_any_seq(c.colors);
    out += show_seq(c.doubles, [](CORBA::Double v) { return show(v); });
    out += show_grid(c.g);
    for (int i = 0; i < 2; i++)
        for (int j = 0; j < 2; j++)
            for (int k = 0; k < 2; k++) out += show_str(c.w[i][j][k]) + ";";
    for (int j = 0; j < 2; j++)
        for (int k = 0; k < 2; k++) out += show(c.c[0][j][k]) + ";";
    for (int i = 0; i < 3; i++) out += c.flags[i] ? "T" : "F";
    return out + "}";
}
std::string show(const Tree& t);
std::string show_tree_seq(const Tree::_kids_seq& s) {
    std::string out = "[";
    for (CORBA::ULong i = 0; i < s.length(); i++) out += (i ? "," : "") + show(s[i]);
    return out + "]";
}
std::string show(const Tree& t) {
    return "Tree{" + show_str(t.label) + show_tree_seq(t.kids) + "}";
}
std::string show(const Failure& f) {
    return "Failure{" + std::to_string(f.code) + "," + show_str(f.why) + "," + show(f.base) + "," + show(f.ls) +
           "}";
}

// A type code in full, for the messages of failed checks.
std::string show_tc(CORBA::TypeCode_ptr tc, int depth = 0) {
    if (depth > 8) return "...";
    std::ostringstream o;
    o << "tc(" << (int)tc->kind();
    switch (tc->kind()) {
        case CORBA::tk_struct: case CORBA::tk_except: case CORBA::tk_union: case CORBA::tk_enum:
        case CORBA::tk_alias: case CORBA::tk_objref:
            o << " " << tc->id() << " " << show_str(tc->name());
            break;
        default: break;
    }
    switch (tc->kind()) {
        case CORBA::tk_struct: case CORBA::tk_except: case CORBA::tk_union: case CORBA::tk_enum:
            if (tc->kind() == CORBA::tk_union) {
                CORBA::TypeCode_var d = tc->discriminator_type();
                o << " switch " << show_tc(d, depth + 1) << " default " << tc->default_index();
            }
            for (CORBA::ULong i = 0; i < tc->member_count(); i++) {
                o << " " << tc->member_name(i);
                if (tc->kind() != CORBA::tk_enum) {
                    CORBA::TypeCode_var m = tc->member_type(i);
                    o << ":" << show_tc(m, depth + 1);
                }
            }
            break;
        case CORBA::tk_alias: case CORBA::tk_sequence: case CORBA::tk_array: {
            CORBA::TypeCode_var c = tc->content_type();
            if (tc->kind() != CORBA::tk_alias) o << " " << tc->length();
            o << " " << show_tc(c, depth + 1);
            break;
        }
        case CORBA::tk_string: o << " " << tc->length(); break;
        default: break;
    }
    return o.str() + ")";
}

// A fixed-point value as its digits, with the point where its scale says.
std::string show(const CORBA::Fixed& f) {
    CORBA::String_var text = f.to_string();
    return "fixed(" + std::string(text.in()) + ")";
}
std::string show(const Fixeds& f) {
    return "Fixeds{" + show(f.big) + "," + show(f.whole) + "," + show(f.small) + "}";
}

// The type codes quorvex's helpers build leave out typedefs of members
// and the bounds of strings; two type codes have the same shape when they
// agree but for those.
CORBA::TypeCode_ptr unaliased(CORBA::TypeCode_ptr tc) {
    CORBA::TypeCode_var t = CORBA::TypeCode::_duplicate(tc);
    while (t->kind() == CORBA::tk_alias) t = t->content_type();
    return t._retn();
}

bool same_shape(CORBA::TypeCode_ptr a0, CORBA::TypeCode_ptr b0, int depth = 0) {
    if (depth > 32) return true;
    CORBA::TypeCode_var a = unaliased(a0), b = unaliased(b0);
    if (a->kind() != b->kind()) return false;
    switch (a->kind()) {
        case CORBA::tk_struct: case CORBA::tk_except: case CORBA::tk_union: case CORBA::tk_enum:
            if (std::string(a->id()) != b->id() || a->member_count() != b->member_count()) return false;
            if (a->kind() == CORBA::tk_union) {
                CORBA::TypeCode_var da = a->discriminator_type(), db = b->discriminator_type();
                if (!same_shape(da, db, depth + 1)) return false;
                if (a->default_index() != b->default_index() && (a->default_index() >= 0 || b->default_index() >= 0))
                    return false;
            }
            for (CORBA::ULong i = 0; i < a->member_count(); i++) {
                if (std::string(a->member_name(i)) != b->member_name(i)) return false;
                if (a->kind() == CORBA::tk_enum) continue;
                CORBA::TypeCode_var ma = a->member_type(i), mb = b->member_type(i);
                if (!same_shape(ma, mb, depth + 1)) return false;
            }
            return true;
        case CORBA::tk_objref:
            return std::string(a->id()) == b->id();
        case CORBA::tk_fixed:
            return a->fixed_digits() == b->fixed_digits() && a->fixed_scale() == b->fixed_scale();
        case CORBA::tk_sequence: case CORBA::tk_array: {
            CORBA::TypeCode_var ca = a->content_type(), cb = b->content_type();
            return a->length() == b->length() && same_shape(ca, cb, depth + 1);
        }
        default:
            return true;
    }
}

// The type codes of Java's helpers differ from the IDL's where noted above;
// such a difference is reported once as a note, not as a failure.
void note_shape(const std::string& what) {
    static std::vector<std::string> seen;
    std::lock_guard<std::mutex> hold(report_lock);
    for (auto& s : seen)
        if (s == what) return;
    seen.push_back(what);
    std::cout << "NOTE: " << what << ": the type code has the IDL's shape but not its typedefs and bounds" << std::endl;
}

bool same_tc(CORBA::TypeCode_ptr got, CORBA::TypeCode_ptr want, const std::string& what) {
    if (got->equal(want)) return true;
    if (!same_shape(got, want)) return false;
    note_shape(what);
    return true;
}

// ---- The known values: number 1, 2 and 3 of each type. -------------------
// Operation r_X receives value 1 in a and value 2 in b, and answers value 3
// in b, value 1 in c and value 2 as its result.

std::string latin1() {
    std::string s;
    for (int c = 1; c < 256; c++) s += (char)c;
    return s;
}
std::string long_text() {
    std::string s;
    for (int i = 0; i < 7000; i++) s += "0123456789";
    return s;
}

CORBA::Short v_short(int k) { return k == 1 ? -32768 : k == 2 ? 32767 : 0x1234; }
CORBA::UShort v_ushort(int k) { return k == 1 ? 0 : k == 2 ? 65535 : 0x8000; }
CORBA::Long v_long(int k) { return k == 1 ? std::numeric_limits<CORBA::Long>::min() : k == 2 ? 2147483647 : 0x12345678; }
CORBA::ULong v_ulong(int k) { return k == 1 ? 0 : k == 2 ? 4294967295u : 0x80000000u; }
CORBA::LongLong v_longlong(int k) {
    return k == 1 ? std::numeric_limits<CORBA::LongLong>::min() : k == 2 ? 9223372036854775807LL : 0x0123456789abcdefLL;
}
CORBA::ULongLong v_ulonglong(int k) { return k == 1 ? 0 : k == 2 ? 18446744073709551615ULL : 0x8000000000000000ULL; }
CORBA::Float v_float(int k) {
    return k == 1 ? -std::numeric_limits<float>::max()
                  : k == 2 ? std::numeric_limits<float>::min() : std::numeric_limits<float>::denorm_min();
}
CORBA::Double v_double(int k) {
    return k == 1 ? -std::numeric_limits<double>::max()
                  : k == 2 ? std::numeric_limits<double>::min() : std::numeric_limits<double>::denorm_min();
}
CORBA::Boolean v_boolean(int k) { return k != 2; }
CORBA::Char v_char(int k) { return k == 1 ? (CORBA::Char)0 : k == 2 ? (CORBA::Char)0xff : 'Q'; }
CORBA::Octet v_octet(int k) { return k == 1 ? 0 : k == 2 ? 255 : 0x80; }
std::string v_string(int k) { return k == 1 ? latin1() : k == 2 ? long_text() : ""; }
// Fixed-point values: 31 digits of both signs, at a scale and at zero
// scale, and the smallest non-zero value and zero.
Big31 v_big31(int k) {
    return Big31(k == 1 ? "-999999999999999999999.9999999999"
                        : k == 2 ? "123456789012345678901.2345678901" : "0.0000000001");
}
Whole31 v_whole31(int k) {
    return Whole31(k == 1 ? "9999999999999999999999999999999" : k == 2 ? "-1234567890123456789012345678901" : "0");
}
Small5 v_small5(int k) { return Small5(k == 1 ? "-99999" : k == 2 ? "99999" : "-1"); }
// Each member takes another of the three values.  (This omniORB's copy of a
// fixed-point value loses the digits and scale of its type, and marshalling
// one without them fails an assertion; values are built in place.)
Fixeds v_fixeds(int k) {
    Fixeds f;
    f.big = v_big31(k);
    f.whole = v_whole31(k % 3 + 1);
    f.small = v_small5((k + 1) % 3 + 1);
    return f;
}
std::string v_name(int k) { return k == 1 ? "12345678" : k == 2 ? "" : "Z\xfcrich"; }
Color v_color(int k) { return k == 1 ? RED : k == 2 ? BLUE : GREEN; }

Prims v_prims(int k) {
    Prims p;
    p.s = v_short(k);
    p.us = v_ushort(k);
    p.l = v_long(k);
    p.ul = v_ulong(k);
    p.ll = v_longlong(k);
    p.ull = v_ulonglong(k);
    p.f = v_float(k);
    p.d = v_double(k);
    p.b = v_boolean(k);
    p.c = v_char(k);
    p.o = v_octet(k);
    return p;
}
Texts v_texts(int k) {
    Texts t;
    t.free = v_string(k).c_str();
    t.bounded = v_name(k).c_str();
    return t;
}
Nested v_nested(int k) {
    Nested n;
    n.hue = v_color(k);
    n.base = v_prims(k);
    n.text = v_texts(k);
    return n;
}

template <class S, class V>
void push(S& s, const V& v) {
    CORBA::ULong n = s.length();
    s.length(n + 1);
    s[n] = v;
}

// Every branch of every union, in order; value 2 has each list reversed
// and value 3 has them all empty.  A union without a default case also has
// values whose discriminator no case names; the Java mapping of quorvex
// cannot hold them (it writes and reads only the named branches), so they
// are left out.
AllUnions v_unions(int k) {
    AllUnions a;
    if (k == 3) return a;
    UBool ub;
    ub.yes(-5); push(a.ubool, ub);
    ub.no("nein"); push(a.ubool, ub);
    UChar uc;
    uc.a(42); push(a.uchar, uc);
    uc.bc("bee"); push(a.uchar, uc);
    uc.other(-0.5); uc._d('c'); push(a.uchar, uc);
    uc.other(2.5); uc._d('z'); push(a.uchar, uc);
    UShort us;
    us.low(std::numeric_limits<CORBA::Long>::min()); push(a.ushort, us);
    us.one(v_texts(1)); push(a.ushort, us);
    UUShort uus;
    uus.top(v_prims(2)); push(a.uushort, uus);
    uus.one(-1); push(a.uushort, uus);
    uus.other(BLUE); uus._d(3); push(a.uushort, uus);
    ULong ul;
    ul.neg(RED); push(a.ulong, ul);
    ul.pos("pos"); push(a.ulong, ul);
    UULong uul;
    uul.top("top"); push(a.uulong, uul);
    uul.other(-9); uul._d(9); push(a.uulong, uul);
    ULongLong ull;
    ull.big(1e300); push(a.ulonglong, ull);
    ull.one(true); push(a.ulonglong, ull);
    UULongLong uull;
    uull.top(0xab); push(a.uulonglong, uull);
    uull.other("zero"); uull._d(0); push(a.uulonglong, uull);
    uull.other("high"); uull._d(18446744073709551615ULL); push(a.uulonglong, uull);
    UColor uco;
    uco.r(77); push(a.ucolor, uco);
    uco.g(v_nested(1)); push(a.ucolor, uco);
    UColorDefault ucd;
    ucd.b("blue"); push(a.ucolordefault, ucd);
    ucd.rest(11); ucd._d(RED); push(a.ucolordefault, ucd);
    ucd.rest(22); ucd._d(GREEN); push(a.ucolordefault, ucd);
    if (k == 2) {
        auto reverse = [](auto& s) {
            for (CORBA::ULong i = 0, j = s.length(); i + 1 < j; i++, j--) {
                auto t = s[i];
                s[i] = s[j - 1];
                s[j - 1] = t;
            }
        };
        reverse(a.ubool); reverse(a.uchar); reverse(a.ushort); reverse(a.uushort); reverse(a.ulong);
        reverse(a.uulong); reverse(a.ulonglong); reverse(a.uulonglong); reverse(a.ucolor);
        reverse(a.ucolordefault);
    }
    return a;
}

UChar v_uchar(int k) {
    UChar u;
    if (k == 1) u.a(42);
    else if (k == 2) { u.other(2.5); u._d('z'); }
    else u.bc("sea");
    return u;
}

UMulti v_multi(int k) {
    UMulti u;
    if (k == 1) u.two_or_three("two");
    else if (k == 2) { u.two_or_three("three"); u._d(3); }
    else { u.rest(0x7f); u._d(9); }
    return u;
}

Longs v_longs(int k) {
    Longs s;
    if (k == 1) { push(s, v_long(1)); push(s, 0); push(s, v_long(2)); }
    else if (k == 3) push(s, 7);
    return s;
}
Names3 v_names(int k) {
    Names3 s;
    if (k == 1) { push(s, "one"); push(s, ""); push(s, "three"); }
    else if (k == 3) push(s, "x");
    return s;
}
void v_grid(int k, Grid g) {
    for (int i = 0; i < 2; i++)
        for (int j = 0; j < 3; j++)
            g[i][j] = k == 1 ? i * 3 + j + 1 : k == 2 ? -(i * 3 + j + 1) : (j == 0 ? v_long(1) : j == 1 ? v_long(2) : 0);
}

Collections v_collections(int k) {
    Collections c;
    c.ls = v_longs(k);
    c.names = v_names(k);
    if (k == 1) {
        std::remove_reference_t<decltype(c.shorts[0])> row;
        push(row, 1); push(row, 2); push(row, 3);
        push(c.shorts, row);
        row.length(0);
        push(c.shorts, row);
        push(row, -1);
        push(c.shorts, row);
        std::remove_reference_t<decltype(c.ngrid[0])> names;
        push(names, "a"); push(names, "b");
        push(c.ngrid, names);
        names.length(0);
        push(c.ngrid, names);
        push(names, "12345678");
        push(c.ngrid, names);
        push(c.plist, v_prims(1));
        push(c.plist, v_prims(2));
        for (int i = 0; i < 256; i++) push(c.bytes, (CORBA::Octet)i);
        push(c.colors, BLUE); push(c.colors, RED); push(c.colors, GREEN);
        push(c.doubles, std::numeric_limits<double>::infinity());
        push(c.doubles, -0.0);
    } else {
        std::remove_reference_t<decltype(c.ngrid[0])> names;
        for (int i = 0; i < 3; i++) push(c.ngrid, names);
        push(names, "x"); push(names, "y");
        push(c.ngrid, names);
        push(c.doubles, std::numeric_limits<double>::quiet_NaN());
        push(c.doubles, -std::numeric_limits<double>::infinity());
        if (k == 3) push(c.colors, GREEN);
    }
    v_grid(k, c.g);
    for (int i = 0; i < 2; i++)
        for (int j = 0; j < 2; j++)
            for (int l = 0; l < 2; l++)
                c.w[i][j][l] = k == 1 ? ("w" + std::to_string(i) + std::to_string(j) + std::to_string(l)).c_str()
                                      : k == 2 ? "" : "\xe9t\xe9";
    for (int j = 0; j < 2; j++)
        for (int l = 0; l < 2; l++) c.c[0][j][l] = v_nested(k == 1 ? ((j + l) % 2 ? 2 : 1) : k);
    for (int i = 0; i < 3; i++) c.flags[i] = k == 1 ? i != 1 : k == 2 ? i == 1 : false;
    return c;
}

Tree leaf(const char* label) {
    Tree t;
    t.label = label;
    return t;
}
Tree v_tree(int k) {
    Tree t = leaf(k == 1 ? "root" : k == 2 ? "" : "single");
    if (k == 1) {
        Tree mid = leaf("mid");
        push(mid.kids, leaf("deep1"));
        push(mid.kids, leaf("deep2"));
        push(t.kids, leaf("first"));
        push(t.kids, mid);
    } else if (k == 2) {
        Tree chain = leaf("c4");
        for (int i = 3; i >= 0; i--) {
            Tree up = leaf(("c" + std::to_string(i)).c_str());
            push(up.kids, chain);
            chain = up;
        }
        push(t.kids, chain);
    }
    return t;
}

CORBA::TypeCode_ptr v_typecode(int k) {
    return CORBA::TypeCode::_duplicate(k == 1 ? _tc_Nested : k == 2 ? _tc_Collections : k == 3 ? _tc_AllUnions : _tc_Failure);
}

Failure v_failure() {
    Failure f;
    f.code = -1;
    f.why = latin1().c_str();
    f.base = v_prims(2);
    f.ls = v_longs(1);
    return f;
}

// The table of anys: kind k holds the value below.  References are to the
// peer given (kind 23) or nil (kind 24).  Kinds 30 and 31 hold fixed-point
// values.
const CORBA::ULong ANY_KINDS = 32;

// The any is filled in place (this omniORB cannot copy an any that holds an
// exception: an assertion in its any.cc).  No exception is in the table:
// omniORB writes an exception's members in an any, quorvex's helpers the
// repository identifier first.
void v_any(CORBA::Any& a, CORBA::ULong k, Peer_ptr peer) {
    switch (k) {
        case 0: a = CORBA::Any(); break;
        case 1: a <<= v_short(1); break;
        case 2: a <<= v_ushort(2); break;
        case 3: a <<= v_long(1); break;
        case 4: a <<= v_ulong(2); break;
        case 5: a <<= v_longlong(1); break;
        case 6: a <<= v_ulonglong(2); break;
        case 7: a <<= v_float(1); break;
        case 8: a <<= v_double(2); break;
        case 9: a <<= CORBA::Any::from_boolean(true); break;
        case 10: a <<= CORBA::Any::from_char(v_char(2)); break;
        case 11: a <<= CORBA::Any::from_octet(v_octet(3)); break;
        case 12: a <<= latin1().c_str(); break;
        case 13: a <<= CORBA::Any::from_string("12345678", 8); a.type(_tc_Name8); break;
        case 14: a <<= BLUE; break;
        case 15: a <<= v_nested(1); break;
        case 16: a <<= v_uchar(3); break;
        case 17: a <<= v_unions(1); break;
        case 18: a <<= v_longs(1); break;
        case 19: {
            Grid g;
            v_grid(1, g);
            a <<= Grid_forany(g);
            break;
        }
        case 20: a <<= v_collections(1); break;
        case 21: a <<= v_texts(3); break;
        case 22: a <<= _tc_Collections; break;
        case 23: a <<= Peer::_duplicate(peer); break;
        case 24: a <<= Peer::_nil(); break;
        case 25: {
            CORBA::Any inner;
            inner <<= (CORBA::Long)42;
            a <<= inner;
            break;
        }
        case 26: a <<= v_prims(3); break;
        case 27: a <<= v_names(1); break;
        case 28: a <<= v_tree(1); break;
        case 29: a <<= v_multi(1); break;
        case 30: a <<= CORBA::Any::from_fixed(v_big31(1), 31, 10); a.type(_tc_Big31); break;
        case 31: {
            // Inserting the struct would copy it (see v_fixeds): it goes in
            // as its type code and octets.
            cdrMemoryStream s;
            CORBA::TypeCode::marshalTypeCode(_tc_Fixeds, s);
            v_fixeds(2) >>= s;
            a <<= s;
            break;
        }
    }
}

// Checks that the any holds kind k of the table; a reference is called.
void check_any(const CORBA::Any& a, CORBA::ULong k, const std::string& where) {
    std::string what = where + " kind " + std::to_string(k);
    CORBA::Any model;
    v_any(model, k, Peer::_nil());
    CORBA::TypeCode_var want = model.type();
    CORBA::TypeCode_var got = a.type();
    if (!same_tc(got, want, where.substr(0, where.find('(')) + " kind " + std::to_string(k))) {
        check(false, what + ": type code " + show_tc(got) + " is not the one expected, " + show_tc(want));
        return;
    }
    if (!got->equal(want)) {
        // The value, under the IDL's own type code: this omniORB extracts
        // only by an equivalent type code.
        cdrMemoryStream s;
        CORBA::TypeCode::marshalTypeCode(want, s);
        a.NP_marshalDataOnly(s);
        CORBA::Any retyped;
        retyped <<= s;
        check_any(retyped, k, where);
        return;
    }
    bool ok = false;
    std::string g, w;
    switch (k) {
        case 0: ok = true; break;
        case 1: { CORBA::Short v; ok = (a >>= v) && v == v_short(1); break; }
        case 2: { CORBA::UShort v; ok = (a >>= v) && v == v_ushort(2); break; }
        case 3: { CORBA::Long v; ok = (a >>= v) && v == v_long(1); break; }
        case 4: { CORBA::ULong v; ok = (a >>= v) && v == v_ulong(2); break; }
        case 5: { CORBA::LongLong v; ok = (a >>= v) && v == v_longlong(1); break; }
        case 6: { CORBA::ULongLong v; ok = (a >>= v) && v == v_ulonglong(2); break; }
        case 7: { CORBA::Float v; ok = (a >>= v) && show(v) == show(v_float(1)); break; }
        case 8: { CORBA::Double v; ok = (a >>= v) && show(v) == show(v_double(2)); break; }
        case 9: { CORBA::Boolean v; ok = (a >>= CORBA::Any::to_boolean(v)) && v; break; }
        case 10: { CORBA::Char v; ok = (a >>= CORBA::Any::to_char(v)) && v == v_char(2); break; }
        case 11: { CORBA::Octet v; ok = (a >>= CORBA::Any::to_octet(v)) && v == v_octet(3); break; }
        case 12: { const char* v; ok = (a >>= v) && latin1() == v; break; }
        case 13: { const char* v; ok = (a >>= CORBA::Any::to_string(v, 8)) && std::string(v) == "12345678"; break; }
        case 14: { Color v; ok = (a >>= v) && v == BLUE; break; }
        case 15: { const Nested* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_nested(1))); break; }
        case 16: { const UChar* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_uchar(3))); break; }
        case 17: { const AllUnions* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_unions(1))); break; }
        case 18: { const Longs* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_longs(1))); break; }
        case 19: {
            Grid_forany v;
            Grid want_grid;
            v_grid(1, want_grid);
            ok = (a >>= v) && (g = show_grid(v.in())) == (w = show_grid(want_grid));
            break;
        }
        case 20: { const Collections* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_collections(1))); break; }
        case 21: { const Texts* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_texts(3))); break; }
        case 22: { CORBA::TypeCode_ptr v; ok = (a >>= v) && same_tc(v, _tc_Collections, where.substr(0, where.find('(')) + " kind 22 value"); break; }
        case 23: {
            Peer_ptr v;
            ok = (a >>= v) && !CORBA::is_nil(v) && v->ping(5) == 6;
            break;
        }
        case 24: { Peer_ptr v; ok = (a >>= v) && CORBA::is_nil(v); break; }
        case 25: {
            const CORBA::Any* inner;
            CORBA::Long v = 0;
            ok = (a >>= inner) && (*inner >>= v) && v == 42;
            break;
        }
        case 26: { const Prims* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_prims(3))); break; }
        case 27: { const Names3* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_names(1))); break; }
        case 28: { const Tree* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_tree(1))); break; }
        case 29: { const UMulti* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_multi(1))); break; }
        case 30: {
            Big31 v;
            ok = (a >>= CORBA::Any::to_fixed(v, 31, 10)) && (g = show(v)) == (w = show(v_big31(1)));
            break;
        }
        case 31: { const Fixeds* v; ok = (a >>= v) && (g = show(*v)) == (w = show(v_fixeds(2))); break; }
    }
    check(ok, what + (g.empty() && w.empty() ? std::string(": wrong value") : ": got " + g + ", want " + w));
}

CORBA::ULong any_kind(CORBA::ULong which, CORBA::ULong step) { return (which + step) % ANY_KINDS; }

std::string octets_pattern_ok(const Octets& s, CORBA::ULong n) {
    if (s.length() != n) return "length " + std::to_string(s.length()) + " for " + std::to_string(n);
    for (CORBA::ULong i = 0; i < n; i++)
        if (s[i] != (CORBA::Octet)(i * 7 + 3)) return "octet " + std::to_string(i) + " is " + std::to_string(s[i]);
    return "";
}

// ---- The server. --------------------------------------------------------

CORBA::ORB_var orb;
PortableServer::POA_var root_poa;

class PeerImpl : public virtual POA_Interop::Peer {
public:
    explicit PeerImpl(const std::string& name) : name_(name) { }
    char* name() override { return CORBA::string_dup(name_.c_str()); }
    CORBA::Long counter() override { return counter_; }
    void counter(CORBA::Long v) override { counter_ = v; }
    CORBA::Long ping(CORBA::Long x) override { return x + 1; }
    void note(const char* text) override {
        std::lock_guard<std::mutex> hold(lock_);
        notes_.push_back(text);
    }
    Strings* notes() override {
        std::lock_guard<std::mutex> hold(lock_);
        Strings* s = new Strings;
        for (auto& n : notes_) push(*s, n.c_str());
        return s;
    }

protected:
    std::string name_;
    CORBA::Long counter_ = 0;
    std::mutex lock_;
    std::vector<std::string> notes_;
};

Peer_ptr activate_peer(const std::string& name) {
    PeerImpl* servant = new PeerImpl(name);
    PortableServer::ObjectId_var id = root_poa->activate_object(servant);
    servant->_remove_ref();
    CORBA::Object_var obj = root_poa->id_to_reference(id);
    return Peer::_narrow(obj);
}

// ---- Value types: the implementations, factories and checks. ------------

class NodeImpl : public virtual OBV_Interop::VNode, public virtual CORBA::DefaultValueRefCountBase {
public:
    NodeImpl() { }
    NodeImpl(CORBA::Long id, const char* label) {
        this->id(id);
        this->label(label);
    }
    std::string text() const { return label(); }
};

class DerivedImpl : public virtual OBV_Interop::VDerived, public virtual CORBA::DefaultValueRefCountBase {
public:
    DerivedImpl(const char* name, CORBA::Long extra) {
        this->name(name);
        this->extra(extra);
    }
    CORBA::Long twice() override { return 2 * extra(); }
};

class NamedValueImpl : public virtual OBV_Interop::VNamedValue, public virtual CORBA::DefaultValueRefCountBase {
public:
    NamedValueImpl() { }
    explicit NamedValueImpl(const char* text) { this->text(text); }
    char* nm() override { return CORBA::string_dup(text()); }
};

class NamedRefImpl : public virtual POA_Interop::NamedObject {
public:
    explicit NamedRefImpl(const std::string& name) : name_(name) { }
    char* nm() override { return CORBA::string_dup(name_.c_str()); }

private:
    std::string name_;
};

// No factory of VDerived: it arrives truncated to VBase.
template <class T>
class Factory : public CORBA::ValueFactoryBase {
public:
    CORBA::ValueBase* create_for_unmarshal() override { return new T; }
};

void register_factories() {
    CORBA::ValueFactoryBase_var f = new Factory<NodeImpl>;
    orb->register_value_factory(VNode::_PD_repoId, f.in());
    f = new Interop::VBase_init;
    orb->register_value_factory(VBase::_PD_repoId, f.in());
    f = new Factory<NamedValueImpl>;
    orb->register_value_factory(VNamedValue::_PD_repoId, f.in());
}

std::string label_of(VNode* n) {
    NodeImpl* impl = dynamic_cast<NodeImpl*>(n);
    return impl ? impl->text() : "?";
}

// One node in both fields, a cycle of two nodes.
VPair shared_cycle() {
    VNode_var one = new NodeImpl(1, "one");
    VNode_var two = new NodeImpl(2, "two");
    one->next(two.in());
    two->next(one.in());
    VPair p;
    one->_add_ref();
    p.first = one.in();
    one->_add_ref();
    p.second = one.in();
    // The cycle keeps both nodes alive: the test process is short.
    return p;
}

void check_shared_cycle(const VPair& p, const std::string& where) {
    VNode* one = p.first.in();
    check(one && one == p.second.in(), where + ": one node in both fields");
    if (!one) return;
    VNode* two = one->next();
    check(one->id() == 1 && label_of(one) == "one" && two && two->id() == 2 && label_of(two) == "two" &&
              two->next() == one,
          where + ": the cycle 1 -> 2 -> 1");
}

VNode* self_node() {
    VNode* three = new NodeImpl(3, "three");
    three->next(three);
    return three;
}

void check_self_node(VNode* n, const std::string& where) {
    check(n && n->id() == 3 && label_of(n) == "three" && n->next() == n, where + ": node 3, its own next");
}

void check_truncated(VBase* v, const char* name, const std::string& where) {
    check(v && !VDerived::_downcast(v) && std::string(v->name()) == name,
          where + ": truncated to VBase " + name);
}

void check_node_any(const CORBA::Any& a, const std::string& where) {
    VNode* n = nullptr;
    check((a >>= n) && n && n->id() == 5 && label_of(n) == "any" && !n->next(), where + ": VNode 5 in the any");
}

void check_base_any(const CORBA::Any& a, const std::string& where) {
    VBase* b = nullptr;
    check((a >>= b) && b && std::string(b->name()) == "from-any", where + ": VBase in the any");
}

void check_named_ref(VNamed_ptr n, const char* name, const std::string& where) {
    CORBA::Object_var obj = n ? n->_to_object() : CORBA::Object::_nil();
    bool ok = !CORBA::is_nil(obj);
    if (ok) {
        CORBA::String_var got = n->nm();
        ok = std::string(got.in()) == name;
    }
    check(ok, where + ": a reference, nm() " + name);
}

void check_named_value(VNamed_ptr n, const char* text, const std::string& where) {
    CORBA::ValueBase* v = n ? n->_to_value() : nullptr;
    VNamedValue* value = VNamedValue::_downcast(v);
    check(value && std::string(value->text()) == text, where + ": a value, text " + text);
    if (v) CORBA::remove_ref(v);
}

NamedObject_ptr activate_named(const std::string& name) {
    NamedRefImpl* servant = new NamedRefImpl(name);
    PortableServer::ObjectId_var id = root_poa->activate_object(servant);
    servant->_remove_ref();
    CORBA::Object_var obj = root_poa->id_to_reference(id);
    return NamedObject::_narrow(obj);
}

// The tester is a peer named "tester" (its Peer operations are PeerImpl's).
class TesterImpl : public virtual POA_Interop::Tester, public PeerImpl {
public:
    TesterImpl() : PeerImpl("tester") { }

#define PRIMITIVE(NAME, TYPE, SHOW)                                                              \
    TYPE r_##NAME(TYPE a, TYPE& b, TYPE& c) override {                                           \
        check(SHOW(a) == SHOW(v_##NAME(1)), "server r_" #NAME " a: got " + SHOW(a));             \
        check(SHOW(b) == SHOW(v_##NAME(2)), "server r_" #NAME " b: got " + SHOW(b));             \
        b = v_##NAME(3);                                                                         \
        c = v_##NAME(1);                                                                         \
        return v_##NAME(2);                                                                      \
    }
#define NUM(v) std::to_string(v)
#define CHR(v) hex((unsigned char)(v))
    PRIMITIVE(short, CORBA::Short, NUM)
    PRIMITIVE(ushort, CORBA::UShort, NUM)
    PRIMITIVE(long, CORBA::Long, NUM)
    PRIMITIVE(ulong, CORBA::ULong, NUM)
    PRIMITIVE(longlong, CORBA::LongLong, NUM)
    PRIMITIVE(ulonglong, CORBA::ULongLong, NUM)
    PRIMITIVE(float, CORBA::Float, show)
    PRIMITIVE(double, CORBA::Double, show)
    PRIMITIVE(boolean, CORBA::Boolean, NUM)
    PRIMITIVE(char, CORBA::Char, CHR)
    PRIMITIVE(octet, CORBA::Octet, NUM)
    PRIMITIVE(color, Color, show)

    char* r_string(const char* a, char*& b, CORBA::String_out c) override {
        check(show_str(a) == show_str(v_string(1).c_str()), "server r_string a: got " + show_str(a));
        check(show_str(b) == show_str(v_string(2).c_str()), "server r_string b: got " + show_str(b).substr(0, 200));
        CORBA::string_free(b);
        b = CORBA::string_dup(v_string(3).c_str());
        c = CORBA::string_dup(v_string(1).c_str());
        return CORBA::string_dup(v_string(2).c_str());
    }
    char* r_name(const char* a, char*& b, Name8_out c) override {
        check(show_str(a) == show_str(v_name(1).c_str()), "server r_name a: got " + show_str(a));
        check(show_str(b) == show_str(v_name(2).c_str()), "server r_name b: got " + show_str(b));
        CORBA::string_free(b);
        b = CORBA::string_dup(v_name(3).c_str());
        c = CORBA::string_dup(v_name(1).c_str());
        return CORBA::string_dup(v_name(2).c_str());
    }

#define COMPOUND(NAME, TYPE, OUT)                                                                \
    TYPE* r_##NAME(const TYPE& a, TYPE& b, OUT c) override {                                     \
        check_same(show(a), show(v_##NAME(1)), "server r_" #NAME " a");                          \
        check_same(show(b), show(v_##NAME(2)), "server r_" #NAME " b");                          \
        b = v_##NAME(3);                                                                         \
        c = new TYPE(v_##NAME(1));                                                               \
        return new TYPE(v_##NAME(2));                                                            \
    }
    COMPOUND(nested, Nested, Nested_out)
    COMPOUND(unions, AllUnions, AllUnions_out)
    COMPOUND(uchar, UChar, UChar_out)
    COMPOUND(multi, UMulti, UMulti_out)
    COMPOUND(collections, Collections, Collections_out)
    COMPOUND(longs, Longs, Longs_out)
    COMPOUND(names, Names3, Names3_out)
    COMPOUND(tree, Tree, Tree_out)

    Grid_slice* r_grid(const Grid a, Grid b, Grid c) override {
        Grid want;
        v_grid(1, want);
        check_same(show_grid(a), show_grid(want), "server r_grid a");
        v_grid(2, want);
        check_same(show_grid(b), show_grid(want), "server r_grid b");
        v_grid(3, b);
        v_grid(1, c);
        Grid_slice* r = Grid_alloc();
        v_grid(2, r);
        return r;
    }

    CORBA::TypeCode_ptr r_typecode(CORBA::TypeCode_ptr a, CORBA::TypeCode_ptr& b,
                                   CORBA::TypeCode_OUT_arg c) override {
        check(same_tc(a, _tc_Nested, "server r_typecode a"), "server r_typecode a is not Nested's type code: got " + show_tc(a) +
                                        ", want " + show_tc(_tc_Nested));
        check(same_tc(b, _tc_Collections, "server r_typecode b"), "server r_typecode b is not Collections's type code: got " + show_tc(b) +
                                             ", want " + show_tc(_tc_Collections));
        CORBA::release(b);
        b = v_typecode(3);
        c = v_typecode(4);
        return CORBA::TypeCode::_duplicate(_tc_Grid);
    }

#define FIXED(NAME, TYPE)                                                                        \
    TYPE r_##NAME(const TYPE& a, TYPE& b, TYPE& c) override {                                    \
        check_same(show(a), show(v_##NAME(1)), "server r_" #NAME " a");                          \
        check_same(show(b), show(v_##NAME(2)), "server r_" #NAME " b");                          \
        b = v_##NAME(3);                                                                         \
        c = v_##NAME(1);                                                                         \
        return v_##NAME(2);                                                                      \
    }
    FIXED(big31, Big31)
    FIXED(whole31, Whole31)
    FIXED(small5, Small5)
    FIXED(fixeds, Fixeds)

    BoxedString* r_boxstring(BoxedString* a, BoxedString*& b, BoxedString_out c) override {
        check(a && std::string(a->_value()) == "box-a", "server r_boxstring a");
        check(!b, "server r_boxstring b is not null");
        if (b) b->_remove_ref();
        b = new BoxedString("box-b");
        c = 0;
        return new BoxedString((std::string(a ? a->_value() : "") + "!").c_str());
    }

    VPair* r_vpair(const VPair& a, VNode_out b) override {
        check_shared_cycle(a, "server r_vpair a");
        VNode* node = self_node();
        b = node;
        VPair* r = new VPair;
        node->_add_ref();
        r->second = node;
        return r;
    }

    VBase* r_trunc(VBase* a) override {
        check_truncated(a, "derived", "server r_trunc a");
        return new DerivedImpl("answer", 8);
    }

    CORBA::Any* r_vany(const CORBA::Any& a) override {
        check_node_any(a, "server r_vany a");
        CORBA::Any* r = new CORBA::Any;
        VBase_var b = new OBV_Interop::VBase("from-any");
        *r <<= b.in();
        return r;
    }

    NamedObject_ptr make_named(const char* name) override { return activate_named(name); }

    VNamed_ptr r_abstract(VNamed_ptr a, VNamed_ptr b, VNamed_out c) override {
        check_named_ref(a, "ref-client", "server r_abstract a");
        check_named_value(b, "val-client", "server r_abstract b");
        c = new NamedValueImpl("val-server");
        return activate_named("ref-server");
    }

    BoxedLong* r_boxlong(BoxedLong* a, BoxedLong*& b, BoxedLong_out c) override {
        check(a && a->_value() == 7, "server r_boxlong a");
        check(!b, "server r_boxlong b is not null");
        if (b) b->_remove_ref();
        b = new BoxedLong(8);
        c = 0;
        return new BoxedLong(a ? a->_value() + 1 : 0);
    }

    CORBA::Any* r_any(CORBA::ULong which, const CORBA::Any& a, CORBA::Any& b, CORBA::Any_OUT_arg c) override {
        Peer_var self = _this();
        check_any(a, any_kind(which, 0), "server r_any(" + std::to_string(which) + ") a");
        check_any(b, any_kind(which, 1), "server r_any(" + std::to_string(which) + ") b");
        v_any(b, any_kind(which, 2), self);
        CORBA::Any* cv = new CORBA::Any;
        v_any(*cv, any_kind(which, 3), self);
        c = cv;
        CORBA::Any* r = new CORBA::Any;
        v_any(*r, any_kind(which, 4), self);
        return r;
    }

    Peer_ptr make_peer(const char* name) override { return activate_peer(name); }

    Peer_ptr r_peer(Peer_ptr a, Peer_ptr& b, Peer_out c) override {
        check(!CORBA::is_nil(a), "server r_peer a is nil");
        if (!CORBA::is_nil(a)) {
            CORBA::String_var n = a->name();
            check_same(std::string(n.in()), std::string("p1"), "server r_peer a's name");
        }
        check(CORBA::is_nil(b), "server r_peer b is not nil");
        CORBA::release(b);
        b = Interop::Peer::_duplicate(a);
        c = Interop::Peer::_nil();
        return Interop::Peer::_duplicate(a);
    }

    CORBA::Object_ptr r_object(CORBA::Object_ptr a) override {
        if (CORBA::is_nil(a)) return CORBA::Object::_nil();
        check(a->_is_a("IDL:Interop/Tester:1.0"), "server r_object: the object is not a Tester");
        check(a->_is_a("IDL:Interop/Named:1.0"), "server r_object: the object is not a Named");
        check(!a->_is_a("IDL:Interop/Other:1.0"), "server r_object: the object claims to be an Other");
        return activate_peer("obj");
    }

    CORBA::Long call_peer(Peer_ptr p, CORBA::Long x) override { return p->ping(x); }

    void fail(CORBA::Long how) override {
        switch (how) {
            case 1: throw v_failure();
            case 2: throw Empty();
            case 3: throw CORBA::BAD_PARAM(42, CORBA::COMPLETED_MAYBE);
            case 4: throw CORBA::NO_PERMISSION(7, CORBA::COMPLETED_NO);
        }
    }

    Octets* r_octets(const Octets& a) override { return new Octets(a); }
    CORBA::Long small(CORBA::Long x) override { return x + 1; }
    void shutdown() override { orb->shutdown(false); }
};

int run_server(const char* ior_file) {
    CORBA::Object_var obj = orb->resolve_initial_references("RootPOA");
    root_poa = PortableServer::POA::_narrow(obj);
    TesterImpl* servant = new TesterImpl;
    PortableServer::ObjectId_var id = root_poa->activate_object(servant);
    servant->_remove_ref();
    CORBA::Object_var ref = root_poa->id_to_reference(id);
    CORBA::String_var ior = orb->object_to_string(ref);
    PortableServer::POAManager_var manager = root_poa->the_POAManager();
    manager->activate();
    {
        std::string tmp = std::string(ior_file) + ".tmp";
        std::ofstream out(tmp);
        out << ior.in() << "\n";
        out.close();
        std::rename(tmp.c_str(), ior_file);
    }
    orb->run();
    std::cout << "server: " << checks << " checks, " << failures << " failed" << std::endl;
    return failures ? 1 : 0;
}

// ---- The client. --------------------------------------------------------

template <class F>
void expect_system(F call, const char* name, CORBA::ULong minor, CORBA::CompletionStatus completed,
                   const std::string& what) {
    try {
        call();
        check(false, what + ": no exception");
    } catch (const CORBA::SystemException& e) {
        check(std::string(e._name()) == name && e.minor() == minor && e.completed() == completed,
              what + ": got " + e._name() + " minor " + std::to_string(e.minor()) + " completed " +
                  std::to_string((int)e.completed()));
    }
}

void run_client(Tester_ptr t, const char* missing) {
    // Primitives at their limits, in every direction.
#define CALL_PRIMITIVE(NAME, TYPE, SHOW)                                                         \
    {                                                                                            \
        step = "r_" #NAME;                                                                       \
        TYPE b = v_##NAME(2), c;                                                                 \
        TYPE r = t->r_##NAME(v_##NAME(1), b, c);                                                 \
        check_same(SHOW(b), SHOW(v_##NAME(3)), "client r_" #NAME " b");                          \
        check_same(SHOW(c), SHOW(v_##NAME(1)), "client r_" #NAME " c");                          \
        check_same(SHOW(r), SHOW(v_##NAME(2)), "client r_" #NAME " result");                     \
    }
    CALL_PRIMITIVE(short, CORBA::Short, NUM)
    CALL_PRIMITIVE(ushort, CORBA::UShort, NUM)
    CALL_PRIMITIVE(long, CORBA::Long, NUM)
    CALL_PRIMITIVE(ulong, CORBA::ULong, NUM)
    CALL_PRIMITIVE(longlong, CORBA::LongLong, NUM)
    CALL_PRIMITIVE(ulonglong, CORBA::ULongLong, NUM)
    CALL_PRIMITIVE(float, CORBA::Float, show)
    CALL_PRIMITIVE(double, CORBA::Double, show)
    CALL_PRIMITIVE(boolean, CORBA::Boolean, NUM)
    CALL_PRIMITIVE(char, CORBA::Char, CHR)
    CALL_PRIMITIVE(octet, CORBA::Octet, NUM)
    CALL_PRIMITIVE(color, Color, show)
    step = "r_string";
    {
        CORBA::String_var b = CORBA::string_dup(v_string(2).c_str()), c;
        CORBA::String_var r = t->r_string(v_string(1).c_str(), b.inout(), c.out());
        check_same(show_str(b), show_str(v_string(3).c_str()), "client r_string b");
        check_same(show_str(c), show_str(v_string(1).c_str()), "client r_string c");
        check(std::string(r.in()) == v_string(2), "client r_string result: " + show_str(r).substr(0, 200));
    }
    step = "r_name";
    {
        CORBA::String_var b = CORBA::string_dup(v_name(2).c_str()), c;
        CORBA::String_var r = t->r_name(v_name(1).c_str(), b.inout(), c.out());
        check_same(show_str(b), show_str(v_name(3).c_str()), "client r_name b");
        check_same(show_str(c), show_str(v_name(1).c_str()), "client r_name c");
        check_same(show_str(r), show_str(v_name(2).c_str()), "client r_name result");
    }
#define CALL_COMPOUND(NAME, TYPE)                                                                \
    {                                                                                            \
        step = "r_" #NAME;                                                                       \
        TYPE b = v_##NAME(2);                                                                    \
        TYPE##_var c;                                                                            \
        TYPE##_var r = t->r_##NAME(v_##NAME(1), b, c.out());                                     \
        check_same(show(b), show(v_##NAME(3)), "client r_" #NAME " b");                          \
        check_same(show(c.in()), show(v_##NAME(1)), "client r_" #NAME " c");                     \
        check_same(show(r.in()), show(v_##NAME(2)), "client r_" #NAME " result");                \
    }
    CALL_COMPOUND(nested, Nested)
    CALL_COMPOUND(unions, AllUnions)
    CALL_COMPOUND(uchar, UChar)
    CALL_COMPOUND(multi, UMulti)
    CALL_COMPOUND(collections, Collections)
    CALL_COMPOUND(longs, Longs)
    CALL_COMPOUND(names, Names3)
    CALL_COMPOUND(tree, Tree)
    step = "r_grid";
    {
        Grid a, b, c, want;
        v_grid(1, a);
        v_grid(2, b);
        Grid_var r = t->r_grid(a, b, c);
        v_grid(3, want);
        check_same(show_grid(b), show_grid(want), "client r_grid b");
        v_grid(1, want);
        check_same(show_grid(c), show_grid(want), "client r_grid c");
        v_grid(2, want);
        check_same(show_grid(r.in()), show_grid(want), "client r_grid result");
    }
    step = "r_typecode";
    {
        CORBA::TypeCode_var a = v_typecode(1), b = v_typecode(2), c;
        CORBA::TypeCode_var r = t->r_typecode(a, b.inout(), c.out());
        check(same_tc(b, _tc_AllUnions, "client r_typecode b"), "client r_typecode b is not AllUnions's type code");
        check(same_tc(c, _tc_Failure, "client r_typecode c"), "client r_typecode c is not Failure's type code");
        check(same_tc(r, _tc_Grid, "client r_typecode result"), "client r_typecode result is not Grid's type code");
        check(r->kind() == CORBA::tk_alias && r->content_type()->kind() == CORBA::tk_array &&
                  r->content_type()->length() == 2,
              "client r_typecode result: Grid is not an alias of long[2][3]");
    }
#define CALL_FIXED(NAME, TYPE)                                                                   \
    {                                                                                            \
        step = "r_" #NAME;                                                                       \
        TYPE b = v_##NAME(2), c;                                                                 \
        TYPE r = t->r_##NAME(v_##NAME(1), b, c);                                                 \
        check_same(show(b), show(v_##NAME(3)), "client r_" #NAME " b");                          \
        check_same(show(c), show(v_##NAME(1)), "client r_" #NAME " c");                          \
        check_same(show(r), show(v_##NAME(2)), "client r_" #NAME " result");                     \
    }
    CALL_FIXED(big31, Big31)
    CALL_FIXED(whole31, Whole31)
    CALL_FIXED(small5, Small5)
    CALL_FIXED(fixeds, Fixeds)
    step = "r_boxstring";
    {
        BoxedString_var a = new BoxedString("box-a"), b, c;
        BoxedString_var r = t->r_boxstring(a.in(), b.inout(), c.out());
        check(b.in() && std::string(b->_value()) == "box-b", "client r_boxstring b");
        check(!c.in(), "client r_boxstring c is not null");
        check(r.in() && std::string(r->_value()) == "box-a!", "client r_boxstring result");
    }
    step = "r_vpair";
    {
        VNode_var b;
        VPair_var r = t->r_vpair(shared_cycle(), b.out());
        check_self_node(b.in(), "client r_vpair b");
        check(!r->first.in() && r->second.in() == b.in(), "client r_vpair result: null and b");
    }
    step = "r_trunc";
    {
        VBase_var a = new DerivedImpl("derived", 7);
        VBase_var r = t->r_trunc(a.in());
        check_truncated(r.in(), "answer", "client r_trunc");
    }
    step = "r_vany";
    {
        CORBA::Any a;
        VNode_var n = new NodeImpl(5, "any");
        a <<= n.in();
        CORBA::Any_var r = t->r_vany(a);
        check_base_any(r.in(), "client r_vany");
    }
    step = "r_abstract";
    {
        NamedObject_var ref = t->make_named("ref-client");
        VNamedValue_var value = new NamedValueImpl("val-client");
        VNamed_var c;
        VNamed_var r = t->r_abstract(ref.in(), value.in(), c.out());
        check_named_ref(r.in(), "ref-server", "client r_abstract result");
        check_named_value(c.in(), "val-server", "client r_abstract c");
    }
    step = "r_boxlong";
    {
        BoxedLong_var a = new BoxedLong(7), b, c;
        BoxedLong_var r = t->r_boxlong(a.in(), b.inout(), c.out());
        check(b.in() && b->_value() == 8, "client r_boxlong b");
        check(!c.in(), "client r_boxlong c is not null");
        check(r.in() && r->_value() == 8, "client r_boxlong result");
    }
    for (CORBA::ULong which = 0; which < ANY_KINDS; which++) {
        step = "r_any(" + std::to_string(which) + ")";
        CORBA::Any a, b;
        v_any(a, which, t);
        v_any(b, any_kind(which, 1), t);
        CORBA::Any_var c;
        CORBA::Any_var r = t->r_any(which, a, b, c.out());
        std::string w = "client r_any(" + std::to_string(which) + ")";
        check_any(b, any_kind(which, 2), w + " b");
        check_any(c.in(), any_kind(which, 3), w + " c");
        check_any(r.in(), any_kind(which, 4), w + " result");
    }

    // Attributes, inherited operations and oneway calls.
    step = "attributes and oneway calls";
    {
        CORBA::String_var n = t->name();
        check_same(std::string(n.in()), std::string("tester"), "client name attribute");
        t->counter(std::numeric_limits<CORBA::Long>::min());
        check(t->counter() == std::numeric_limits<CORBA::Long>::min(), "client counter attribute");
        t->counter(17);
        check(t->counter() == 17, "client counter attribute set again");
        check(t->ping(41) == 42, "client inherited ping");
        t->note("one");
        t->note(latin1().c_str());
        Strings_var notes;
        for (int i = 0; i < 100; i++) {
            notes = t->notes();
            if (notes->length() >= 2) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        bool seen_one = false, seen_latin1 = false;
        for (CORBA::ULong i = 0; i < notes->length(); i++) {
            seen_one |= std::string(notes[i].in()) == "one";
            seen_latin1 |= latin1() == notes[i].in();
        }
        check(notes->length() == 2 && seen_one && seen_latin1,
              "client oneway notes: " + std::to_string(notes->length()) + " received");
    }

    // Object references.
    step = "object references";
    {
        Peer_var p = t->make_peer("p1");
        check(!CORBA::is_nil(p), "client make_peer gave nil");
        CORBA::String_var n = p->name();
        check_same(std::string(n.in()), std::string("p1"), "client peer name");
        check(p->ping(-1) == 0, "client peer ping");
        CORBA::String_var ior = orb->object_to_string(p);
        std::cout << "peer reference: " << ior.in() << std::endl;
        Peer_var b = Peer::_nil(), c;
        Peer_var r = t->r_peer(p, b.inout(), c.out());
        check(!CORBA::is_nil(b) && !CORBA::is_nil(r) && CORBA::is_nil(c), "client r_peer nil-ness");
        if (!CORBA::is_nil(b)) {
            CORBA::String_var bn = b->name();
            check_same(std::string(bn.in()), std::string("p1"), "client r_peer b's name");
        }
        if (!CORBA::is_nil(r)) check(r->ping(1) == 2, "client r_peer result's ping");

        CORBA::Object_var o = t->r_object(t);
        Peer_var op = Peer::_narrow(o);
        check(!CORBA::is_nil(op), "client r_object: the answer does not narrow to Peer");
        if (!CORBA::is_nil(op)) {
            CORBA::String_var on = op->name();
            check_same(std::string(on.in()), std::string("obj"), "client r_object's name");
        }
        CORBA::Object_var none = t->r_object(CORBA::Object::_nil());
        check(CORBA::is_nil(none), "client r_object(nil) is not nil");

        // A servant of our own, called back by the server.
        Peer_var mine = activate_peer("mine");
        CORBA::String_var mine_ior = orb->object_to_string(mine);
        std::cout << "own reference: " << mine_ior.in() << std::endl;
        check(t->call_peer(mine, 99) == 100, "client call_peer on the client's own peer");
        check(t->call_peer(p, 7) == 8, "client call_peer on the server's peer");
    }

    // Exceptions.
    step = "fail";
    t->fail(0);
    try {
        t->fail(1);
        check(false, "client fail(1) raised nothing");
    } catch (const Failure& f) {
        check_same(show(f), show(v_failure()), "client fail(1)");
    }
    try {
        t->fail(2);
        check(false, "client fail(2) raised nothing");
    } catch (const Empty&) {
        check(true, "");
    }
    expect_system([&] { t->fail(3); }, "BAD_PARAM", 42, CORBA::COMPLETED_MAYBE, "client fail(3)");
    expect_system([&] { t->fail(4); }, "NO_PERMISSION", 7, CORBA::COMPLETED_NO, "client fail(4)");

    // An object key the server does not know.
    if (missing) {
        CORBA::Object_var gone = orb->string_to_object(missing);
        bool non_existent = false;
        try {
            non_existent = gone->_non_existent();
        } catch (const CORBA::SystemException& e) {
            check(false, std::string("client _non_existent on an unknown key raised ") + e._name());
        }
        check(non_existent, "client _non_existent on an unknown key is false");
        Peer_var gone_peer = Peer::_unchecked_narrow(gone);
        try {
            gone_peer->ping(1);
            check(false, "client ping on an unknown key: no exception");
        } catch (const CORBA::OBJECT_NOT_EXIST&) {
            check(true, "");
        } catch (const CORBA::SystemException& e) {
            check(false, std::string("client ping on an unknown key raised ") + e._name());
        }
    }

    // A megabyte of octets, whole.
    step = "r_octets";
    {
        Octets big;
        big.length(1 << 20);
        for (CORBA::ULong i = 0; i < big.length(); i++) big[i] = (CORBA::Octet)(i * 7 + 3);
        Octets_var back = t->r_octets(big);
        std::string bad = octets_pattern_ok(back.in(), 1 << 20);
        check(bad.empty(), "client r_octets: " + bad);
    }
}

// The benchmark: small calls, then 1 MB octet sequences, each for about
// SECONDS on THREADS threads at once (sharing the reference); prints the
// totals "calls/s N" and "MB/s N".
template <class Call>
double run_threads(int threads, double seconds, Call call) {
    using clock = std::chrono::steady_clock;
    std::vector<long> counts(threads, 0);
    std::vector<std::thread> pool;
    auto start = clock::now();
    for (int k = 0; k < threads; k++) {
        pool.emplace_back([&, k] {
            while (std::chrono::duration<double>(clock::now() - start).count() < seconds) counts[k] += call();
        });
    }
    for (auto& th : pool) th.join();
    double secs = std::chrono::duration<double>(clock::now() - start).count();
    long n = 0;
    for (long c : counts) n += c;
    return n / secs;
}

void run_bench(Tester_ptr t, double seconds, int threads) {
    for (int i = 0; i < 200; i++) t->small(i);
    double calls = run_threads(threads, seconds, [&] {
        for (int i = 0; i < 100; i++)
            if (t->small(i) != i + 1) throw CORBA::BAD_PARAM();
        return 100L;
    });
    std::cout << "calls/s " << calls << std::endl;
    Octets big;
    big.length(1 << 20);
    for (CORBA::ULong i = 0; i < big.length(); i++) big[i] = (CORBA::Octet)i;
    for (int i = 0; i < 3; i++) Octets_var warm = t->r_octets(big);
    double rate = run_threads(threads, seconds, [&] {
        Octets_var back = t->r_octets(big);
        if (back->length() != big.length()) throw CORBA::MARSHAL();
        return 1L;
    });
    // Each call carries the megabyte there and back.
    std::cout << "MB/s " << 2.0 * rate << std::endl;
}

int usage() {
    std::cerr << "usage: peer server IORFILE | client IOR [--missing CORBALOC] [--shutdown] | bench IOR SECONDS [THREADS]"
              << std::endl;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        orb = CORBA::ORB_init(argc, argv);
        register_factories();
        if (argc < 3) return usage();
        std::string mode = argv[1];
        if (mode == "server") return run_server(argv[2]);
        CORBA::Object_var obj = orb->resolve_initial_references("RootPOA");
        root_poa = PortableServer::POA::_narrow(obj);
        PortableServer::POAManager_var manager = root_poa->the_POAManager();
        manager->activate();
        CORBA::Object_var target = orb->string_to_object(argv[2]);
        Tester_var t = Tester::_narrow(target);
        if (CORBA::is_nil(t)) {
            std::cout << "FAILED: the reference does not narrow to Tester" << std::endl;
            return 1;
        }
        if (mode == "ping") {
            CORBA::String_var n = t->name();
            check_same(std::string(n.in()), std::string("tester"), "ping: name");
            check(t->ping(-2) == -1, "ping: ping(-2)");
            std::cout << "ping: " << checks << " checks, " << failures << " failed" << std::endl;
            orb->destroy();
            return failures ? 1 : 0;
        }
        if (mode == "bench") {
            if (argc < 4) return usage();
            int threads = argc > 4 ? atoi(argv[4]) : 1;
            run_bench(t, atof(argv[3]), threads < 1 ? 1 : threads);
            orb->destroy();
            return 0;
        }
        if (mode != "client") return usage();
        const char* missing = nullptr;
        bool shutdown = false;
        for (int i = 3; i < argc; i++) {
            if (!strcmp(argv[i], "--missing") && i + 1 < argc) missing = argv[++i];
            else if (!strcmp(argv[i], "--shutdown")) shutdown = true;
            else return usage();
        }
        run_client(t, missing);
        if (shutdown) {
            step = "shutdown";
            t->shutdown();
        }
        std::cout << "client: " << checks << " checks, " << failures << " failed" << std::endl;
        orb->destroy();
        return failures ? 1 : 0;
    } catch (const CORBA::SystemException& e) {
        std::cout << "FAILED: system exception " << e._name() << " minor " << e.minor() << " completed "
                  << (int)e.completed() << " during " << step << std::endl;
    } catch (const CORBA::Exception& e) {
        std::cout << "FAILED: exception " << e._name() << " during " << step << std::endl;
    }
    std::cout << "during " << step << ", after " << checks << " checks, " << failures << " failed" << std::endl;
    return 1;
}
