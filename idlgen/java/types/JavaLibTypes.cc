// The parts of JavaLib that look at particular kinds of type: the
// conversions of values to and from the two argument arrays of a call, and
// a union's default discriminator.  They live with the kinds they name;
// JavaLib.h declares them, and core includes none of the kinds.
#include "idlgen/java/core/JavaLib.h"

#include <algorithm>
#include <climits>
#include <ostream>
#include <set>
#include <string>

#include "ast/expr/expr.h"
#include "ast/expr/value.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaBaseType.h"
#include "idlgen/java/types/JavaBuiltinType.h"
#include "idlgen/java/types/JavaEnumType.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaInterfaceType.h"
#include "idlgen/java/types/JavaSequenceType.h"
#include "idlgen/java/types/JavaStringType.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "idlgen/java/types/JavaUnionCases.h"
#include "lib/msg.h"

// Argument conversions.

static bool isPrimitiveBase(const JavaAST& t) {
    return JavaBaseType::isA(t) && JavaBaseType::narrow(t).getBaseTag() != 5;
}

bool JavaLib::whichArray(const JavaAST& type) { return isPrimitiveBase(type.underType()); }

// A value that travels wrapped in its holder even when passed in.
static bool travelsInHolder(const JavaAST& t) { return JavaKind::of(t).travelsInHolder(); }

String JavaLib::getClassForName(const JavaAST& type) {
    const JavaAST& t = type.underType();
    String holderClass = JavaSequenceType::isA(t) || JavaArrayType::isA(t)
                             ? JavaHolder::project(type).full_text()
                             : holder(t.getJavaName()).full_text();
    return String("new ") + holderClass + "().getClass()";
}

String JavaLib::getConversionTo(const JavaAST& type, const String& name, const String& longSlot,
                                const String& objectSlot, bool inOnly) {
    const JavaAST& t = type.underType();
    if (JavaBaseType::isA(t) && inOnly) {
        switch (JavaBaseType::narrow(t).getBaseTag()) {
        case 0: return longSlot + " = (" + name + ") ? 1 : 0";
        case 1:
        case 12: return longSlot + " = (char) (" + name + " & 0xFFFFL)";
        case 2: return longSlot + " = Double.doubleToLongBits(" + name + ")";
        case 3: return longSlot + " = Float.floatToIntBits(" + name + ") & 0xFFFFFFFFL";
        case 4: return longSlot + " = (" + name + " & 0xFFL)";
        case 5: return objectSlot + " = " + name;
        case 6:
        case 9: return longSlot + " = (" + name + " & 0xFFFFL)";
        case 7:
        case 10: return longSlot + " = (" + name + " & 0xFFFFFFFFL)";
        case 8:
        case 11: return longSlot + " = " + name;
        default:
            msg::warn("Unknown Conversion %s", t.full_text().chars());
            return "";
        }
    }
    if (inOnly && travelsInHolder(t)) return objectSlot + " = new " + JavaHolder::project(type).full_text() + "(" + name + ")";
    return objectSlot + " = " + name;
}

// The value of a primitive slot as the base type's Java value.
static String fromLongSlot(const JavaAST& t, const String& longSlot, const String& objectSlot) {
    switch (JavaBaseType::narrow(t).getBaseTag()) {
    case 0: return String("(") + longSlot + " == 0) ? false : true";
    case 1:
    case 12: return String("(char) (") + longSlot + " & 0xFFFFL)";
    case 2: return String("Double.longBitsToDouble(") + longSlot + ")";
    case 3: return String("Float.intBitsToFloat((int)(") + longSlot + " & 0xFFFFFFFFL))";
    case 4: return String("(byte) (") + longSlot + " & 0xFFL)";
    case 5: return String("(") + JavaLib::anyName().toString() + ") " + objectSlot;
    case 6:
    case 9: return String("(short) (") + longSlot + " & 0xFFFFL)";
    case 7:
    case 10: return String("(int) (") + longSlot + " & 0xFFFFFFFFL)";
    case 8:
    case 11: return longSlot;
    default:
        msg::warn("Unknown Conversion %s", t.full_text().chars());
        return "";
    }
}

String JavaLib::getConversionFrom(const JavaAST& type, const String& longSlot, const String& objectSlot) {
    const JavaAST& t = type.underType();
    if (JavaBaseType::isA(t)) return fromLongSlot(t, longSlot, objectSlot);
    if (JavaStringType::isA(t)) return String("(") + type.full_text() + ") " + objectSlot;
    if (JavaInterfaceType::isA(t) && !travelsInHolder(t))
        return helper(t.getJavaName()).full_text() + "." + narrow() + "((" + corbaObject().toString() + ") " +
               objectSlot + ")";
    if (JavaBuiltinType::isA(t) && !travelsInHolder(t)) {
        if (JavaBuiltinType::narrow(t).getJavaClass() == corbaObject().toString())
            return String("((") + corbaObject().toString() + ") " + objectSlot + ")";
        // The other builtins (TypeCode, Principal ...) come back bare, as
        // the skeleton stores them.
        return String("(") + type.full_text() + ") " + objectSlot;
    }
    return String("(") + type.full_text() + ")((" + JavaHolder::project(type).full_text() + ")" + objectSlot +
           ").value";
}

String JavaLib::getSkelConversionFrom(const JavaAST& type, const String& longSlot, const String& objectSlot,
                                      bool inOnly) {
    const JavaAST& t = type.underType();
    if (JavaBaseType::isA(t) && inOnly) return fromLongSlot(t, longSlot, objectSlot);
    if (!inOnly) return String("(") + JavaHolder::project(type).full_text() + ")" + objectSlot;
    if (travelsInHolder(t)) return String("((") + JavaHolder::project(type).full_text() + ")" + objectSlot + ").value";
    return String("(") + type.full_text() + ")" + objectSlot;
}

String JavaLib::getSkelConversionTo(const JavaAST& type, const String& name, const String& longSlot,
                                    const String& objectSlot) {
    const JavaAST& t = type.underType();
    if (JavaBaseType::isA(t)) return getConversionTo(type, name, longSlot, objectSlot, true);
    if (travelsInHolder(t)) return objectSlot + " = new " + JavaHolder::project(type).full_text() + "(" + name + ")";
    return objectSlot + " = " + name;
}

// The default discriminator of a union.

bool JavaLib::generateDefaultDiscriminator(std::ostream& os, const JavaAST& switchType,
                                           const std::vector<const Expr*>& labels) {
    const JavaAST& type = switchType.underType();
    if (JavaEnumType::isA(type)) {
        std::set<std::string> named;
        for (const Expr* label : labels)
            if (const Declarator* d = JavaUnionCases::enumeratorOf(*label))
                named.insert(d->get_name().as_String().chars());
        for (const String& v : JavaEnumType::narrow(type).getValues())
            if (!named.count(v.chars())) {
                os << type.getJavaName() << javaNameSeparator() << nameMap(v);
                return true;
            }
        return false;
    }
    if (!JavaBaseType::isA(type)) return false;
    int tag = JavaBaseType::narrow(type).getBaseTag();
    if (tag == boolean_BaseTypeSpec) {
        std::set<int> used;
        for (const Expr* label : labels)
            if (label->has_const_value() && BoolValue::is(label->get_const_value()))
                used.insert(BoolValue::narrow(label->get_const_value()).get_value() ? 1 : 0);
        if (used.size() > 1) return false;
        // Without labels the first value, FALSE.
        os << (used.count(0) ? trueLiteral() : falseLiteral());
        return true;
    }
    // A 64-bit discriminator's labels are searched in 64 bits.
    bool wide = tag == longlong_BaseTypeSpec || tag == ulonglong_BaseTypeSpec;
    std::vector<long long> values;
    for (const Expr* label : labels) {
        if (!label->has_const_value()) continue;
        const Value& v = label->get_const_value();
        if (IntValue::is(v)) values.push_back(wide ? IntValue::narrow(v).get_wide() : IntValue::narrow(v).get_value());
        if (CharValue::is(v)) values.push_back(CharValue::narrow(v).get_value());
    }
    std::sort(values.begin(), values.end());
    // The smallest value at or above the smallest label that no label uses;
    // 0 when there is no label.
    long long candidate = values.empty() ? 0 : values.front();
    bool past = false;  // every value from the smallest label up is used
    for (long long v : values)
        if (v == candidate) {
            if (candidate == LLONG_MAX) past = true;
            else ++candidate;
        }
    if (past) return false;
    if (tag == char_BaseTypeSpec || tag == wchar_BaseTypeSpec) {
        if (candidate > 255) return false;
        CharValue(static_cast<unsigned char>(candidate)).print_java(os);
        return true;
    }
    if (wide) {
        // A Java long literal beyond the int range needs its suffix.
        os << candidate << (candidate > 2147483647LL || candidate < -2147483647LL - 1 ? "L" : "");
        return true;
    }
    // Past the greatest value of its type there is no free value (unsigned
    // long values are searched in 32 bits, as Java's int holds them).
    long long greatest = 2147483647LL;
    if (tag == short_BaseTypeSpec) greatest = 32767;
    if (tag == ushort_BaseTypeSpec) greatest = 65535;
    if (candidate > greatest) return false;
    // An unsigned short above 32767 is held in a Java short as the same 16
    // bits, which a decimal literal cannot give.
    if (candidate > 32767 && tag == ushort_BaseTypeSpec) {
        os << "(short) " << candidate;
        return true;
    }
    os << candidate;
    return true;
}
