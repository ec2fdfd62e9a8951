#include "idlgen/java/core/JavaLib.h"

#include "ast/input/msg.h"

JavaName* JavaLib::packagePrefix = nullptr;

// Names built once, on first use.
#define QUORVEX_JAVA_NAME(function, text)     \
    const JavaName& JavaLib::function() {     \
        static const JavaName name{String(text)}; \
        return name;                          \
    }

QUORVEX_JAVA_NAME(corbaPackage, "org.omg.CORBA")
QUORVEX_JAVA_NAME(portablePackage, "org.omg.CORBA.portable")
QUORVEX_JAVA_NAME(orbPackage, "org.omg.CORBA.ORBPackage")
QUORVEX_JAVA_NAME(harlPackage, "vemo.harl")
QUORVEX_JAVA_NAME(context, "org.omg.CORBA.Context")
QUORVEX_JAVA_NAME(corbaObject, "org.omg.CORBA.Object")
QUORVEX_JAVA_NAME(corbaBadParamException, "org.omg.CORBA.BAD_PARAM")
QUORVEX_JAVA_NAME(marshalingException, "org.omg.CORBA.MARSHAL")
QUORVEX_JAVA_NAME(badOperationException, "org.omg.CORBA.BAD_OPERATION")
QUORVEX_JAVA_NAME(unknownException, "org.omg.CORBA.UNKNOWN")
QUORVEX_JAVA_NAME(invalidObjRefException, "org.omg.CORBA.INV_OBJREF")
QUORVEX_JAVA_NAME(corbaUserException, "org.omg.CORBA.UserException")
QUORVEX_JAVA_NAME(corbaSystemException, "org.omg.CORBA.SystemException")
QUORVEX_JAVA_NAME(corbaCORBAException, "org.omg.CORBA.CORBAException")
QUORVEX_JAVA_NAME(corbaObjImplBase, "org.omg.CORBA.ObjectImplBase")
QUORVEX_JAVA_NAME(corbaOrbRef, "org.omg.CORBA.ORB")
QUORVEX_JAVA_NAME(corbaStructMember, "org.omg.CORBA.StructMember")
QUORVEX_JAVA_NAME(corbaUnionMember, "org.omg.CORBA.UnionMember")
QUORVEX_JAVA_NAME(corbaTCKind, "org.omg.CORBA.TCKind")
QUORVEX_JAVA_NAME(completedMaybe, "org.omg.CORBA.CompletionStatus.COMPLETED_MAYBE")
QUORVEX_JAVA_NAME(baseHolder, "org.omg.CORBA.portable.Streamable")
QUORVEX_JAVA_NAME(corbaRetryException, "org.omg.CORBA.portable.RetryException")
QUORVEX_JAVA_NAME(orbException, "org.omg.CORBA.portable.ORBException")
QUORVEX_JAVA_NAME(corbaObjImpl, "org.omg.CORBA.portable.ObjectImpl")
QUORVEX_JAVA_NAME(delegate, "org.omg.CORBA.portable.Delegate")
QUORVEX_JAVA_NAME(operationDescriptor, "org.omg.CORBA.portable.OperationDescriptor")
QUORVEX_JAVA_NAME(orbSupport, "vemo.harl.Support")
QUORVEX_JAVA_NAME(javaObject, "java.lang.Object")
QUORVEX_JAVA_NAME(anyName, "org.omg.CORBA.Any")
QUORVEX_JAVA_NAME(typeCodeName, "org.omg.CORBA.TypeCode")
QUORVEX_JAVA_NAME(principalName, "org.omg.CORBA.Principal")

#undef QUORVEX_JAVA_NAME

const JavaName& JavaLib::unknownName() {
    static const JavaName name("???");
    return name;
}

String JavaLib::typecodeFactory() { return corbaOrbRef().toString() + ".init()"; }

String JavaLib::newAny() { return typecodeFactory() + ".create_any()"; }

static const JavaBaseTypeInfo baseTypes[] = {
    {"boolean", "boolean", "BooleanHolder", "boolean", "false", "tk_boolean", 8, "insert_boolean((boolean)"},
    {"char", "char", "CharHolder", "char", "'\\0'", "tk_char", 9, "insert_char((char)"},
    {"double", "double", "DoubleHolder", "double", "0.0D", "tk_double", 7, "insert_double((double)"},
    {"float", "float", "FloatHolder", "float", "0.0F", "tk_float", 6, "insert_float((float)"},
    {"octet", "byte", "ByteHolder", "octet", "(byte) 0", "tk_octet", 10, "insert_octet((byte)"},
    {"any", "org.omg.CORBA.Any", "AnyHolder", "any", nullptr, "tk_any", 11, "insert_any("},
    {"short", "short", "ShortHolder", "short", "(short) 0", "tk_short", 2, "insert_short((short)"},
    {"long", "int", "IntHolder", "long", "0", "tk_long", 3, "insert_long((int)"},
    {"long long", "long", "LongHolder", "longlong", "0L", "tk_longlong", 23, "insert_longlong((long)"},
    {"unsigned short", "short", "ShortHolder", "ushort", "(short) 0", "tk_ushort", 4, "insert_ushort((short)"},
    {"unsigned long", "int", "IntHolder", "ulong", "0", "tk_ulong", 5, "insert_ulong((int)"},
    {"unsigned long long", "long", "LongHolder", "ulonglong", "0L", "tk_ulonglong", 24,
     "insert_ulonglong((long)"},
    {"wchar", "char", "CharHolder", "wchar", "'\\0'", "tk_wchar", 26, "insert_wchar((char)"},
};

const char* JavaLib::stringStreamItem(bool wide) { return wide ? "wstring" : "string"; }

const JavaBaseTypeInfo* JavaLib::baseType(int tag) {
    if (tag < 0 || tag >= static_cast<int>(sizeof baseTypes / sizeof baseTypes[0])) return nullptr;
    return &baseTypes[tag];
}

JavaName JavaLib::stringHolder() { return JavaName(corbaPackage(), "StringHolder"); }

JavaName JavaLib::helper(const JavaName& name) { return name.itemSuffix(helper()); }

JavaName JavaLib::helper(const String& name) { return helper(JavaName(name)); }

JavaName JavaLib::holder(const JavaName& name) {
    // The four builtin types have the runtime's holders.
    static const struct {
        const char* idlName;
        const JavaName& (*javaClass)();
    } builtins[] = {{"Any", anyName}, {"TypeCode", typeCodeName}, {"Principal", principalName},
                    {"Object", corbaObject}};
    for (const auto& b : builtins)
        if (name.item() == b.idlName) return b.javaClass().itemSuffix(holder());
    return name.itemSuffix(holder());
}

JavaName JavaLib::holderValue(const JavaName& name) { return JavaName(name, constAccessor()); }

JavaName JavaLib::stub(const JavaName& name) { return name.itemReplace(String("_") + name.item() + stub()); }

JavaName JavaLib::servant(const JavaName& name) {
    return name.itemReplace(String("_") + name.item() + servant());
}

JavaName JavaLib::skeleton(const JavaName& name) { return name.itemSuffix(skeleton()); }

JavaName JavaLib::idlOperations(const JavaName& name) { return name.itemSuffix(idlOperations()); }

JavaName JavaLib::createReference(const JavaName& name) { return JavaName(name, createReference()); }

JavaName JavaLib::constAccessor(const JavaName& name) { return JavaName(name, constAccessor()); }

JavaName JavaLib::makePackage(const JavaName& name) { return name.itemSuffix("Package"); }

JavaName JavaLib::methodIdentifier(const JavaName& name) { return JavaName(hidden(name.item())); }

static String newFault(const JavaName& exception) {
    return String("new ") + exception.toString() + "(0, " + JavaLib::completedMaybe().toString() + ")";
}

String JavaLib::newMarshalingException() { return newFault(marshalingException()); }
String JavaLib::newBadOperationException() { return newFault(badOperationException()); }
String JavaLib::newUnknownException() { return newFault(unknownException()); }
String JavaLib::newInvalidObjRefException() { return newFault(invalidObjRefException()); }
String JavaLib::newNarrowFault() { return String("new ") + narrowFault().toString() + "()"; }
String JavaLib::newUnionFault() { return String("new ") + unionFault().toString() + "()"; }
String JavaLib::newEnumerationRangeFault() { return String("new ") + enumerationRangeFault().toString() + "()"; }
String JavaLib::newCharacterRangeFault() { return String("new ") + characterRangeFault().toString() + "()"; }

String JavaLib::fromORBException(const String& text) {
    return corbaSystemException().toString() + ".fromORBException(" + text + ")";
}

String JavaLib::getOutputStreamFromAny(const String& any) { return any + ".create_output_stream()"; }

String JavaLib::getInputStreamFromAny(const String& any) { return any + ".get_input_stream()"; }

String JavaLib::streamArrayCall(bool write, const String& item) {
    return String(write ? "write_" : "read_") + item + "_array";
}

const char* JavaLib::anyInsertMethodName(int baseTag) {
    const JavaBaseTypeInfo* info = baseType(baseTag);
    return info ? info->anyInsert : "";
}

void JavaLib::setPackagePrefix(const char* prefix) {
    delete packagePrefix;
    packagePrefix = new JavaName(String(prefix));
}

String JavaLib::nameMap(const String& id) {
    if (JavaName::isReservedWord(id) || JavaName::hasReservedSuffix(id)) return String("_") + id;
    return id;
}

// Type codes and repository identifiers.

#include <sstream>

#include "ast/env/envattr.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/types/JavaBaseType.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaBuiltinType.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaInterfaceType.h"
#include "idlgen/java/types/JavaSequenceType.h"
#include "idlgen/java/types/JavaStringType.h"

// The builtin types by Java class, with their kinds.
static const struct {
    const char* javaClass;
    const char* kind;
    int kindNumber;
} builtinTypes[] = {
    {"org.omg.CORBA.Any", "tk_any", 11},
    {"org.omg.CORBA.TypeCode", "tk_TypeCode", 12},
    {"org.omg.CORBA.Principal", "tk_Principal", 13},
    {"org.omg.CORBA.Object", "tk_objref", 14},
};

static String primitiveTypeCode(const char* kind) {
    return JavaLib::typecodeFactory() + ".get_primitive_tc(" + JavaLib::corbaTCKind().toString() + "." + kind + ")";
}

String JavaLib::getTypeCodeForType(const JavaAST& type) {
    switch (type.getTag()) {
    case JavaType::jBaseType:
        return primitiveTypeCode(JavaBaseType::narrow(type).getInfo().kind);
    case JavaType::jStringType:
        return primitiveTypeCode(JavaStringType::narrow(type).isWide() ? "tk_wstring" : "tk_string");
    case JavaType::jBuiltinType: {
        String javaClass = JavaBuiltinType::narrow(type).getJavaClass();
        for (const auto& b : builtinTypes)
            if (javaClass == b.javaClass) return primitiveTypeCode(b.kind);
        msg::warn("Typecode for this type unknown");
        return "bogus";
    }
    case JavaType::jSequenceType:
        return JavaSequenceTypeOps(type).printCreateCall();
    case JavaType::jArrayType:
        return JavaArrayTypeOps(type).printCreateCall();
    case JavaType::jForwardType:
    case JavaType::jImportType:
    case JavaType::jScopedNameType:
        return getTypeCodeForType(type.underType());
    default:
        return helper(type.getJavaName()).full_text() + "." + getTypeCodeName() + "()";
    }
}

String JavaLib::getTypeCodeFor(const JavaDecl& decl) { return getTypeCodeForType(decl.getType()); }

int JavaLib::tk(const JavaAST& type) {
    switch (type.getTag()) {
    case JavaType::jBaseType: return JavaBaseType::narrow(type).getInfo().kindNumber;
    case JavaType::jBuiltinType: {
        String javaClass = JavaBuiltinType::narrow(type).getJavaClass();
        for (const auto& b : builtinTypes)
            if (javaClass == b.javaClass) return b.kindNumber;
        return 0;
    }
    case JavaType::jEnumType: return 17;
    case JavaType::jExceptionType: return 22;
    case JavaType::jInterfaceType: return 14;
    case JavaType::jSequenceType: return 19;
    case JavaType::jArrayType: return 20;
    case JavaType::jStructType: return 15;
    case JavaType::jStringType: return JavaStringType::narrow(type).isWide() ? 27 : 18;
    case JavaType::jVoidType: return 1;
    case JavaType::jForwardType:
    case JavaType::jImportType:
    case JavaType::jScopedNameType: return tk(type.underType());
    default: return 0;
    }
}

String JavaLib::repositoryIdentifier(const JavaDeclarator& jd) {
    if (jd.hasRepositoryIdentifier()) return jd.getRepositoryIdentifier();
    const Declarator& d = jd.getDeclarator();
    String id;
    if (EnvAttr* given = d.get_env_attr(repositoryIdentifierAttribute(), 0)) {
        id = given->get_value();
    } else {
        std::ostringstream out;
        out << "IDL:";
        EnvAttr* prefix = d.get_env_attr(repositoryPrefixAttribute(), 1);
        if (prefix && !prefix->get_value().empty()) out << prefix->get_value() << "/";
        ScopedName* full = d.get_full_name();
        for (int i = 0; i < full->length(); ++i) out << (i ? "/" : "") << full->component(i).get_id();
        EnvAttr* version = d.get_env_attr(repositoryVersionAttribute(), 1);
        out << ":" << (version ? version->get_value() : String("1.0"));
        id = String(out.str());
    }
    jd.setRepositoryIdentifier(id);
    return id;
}

// Argument conversions.

static bool isPrimitiveBase(const JavaAST& t) {
    return JavaBaseType::isA(t) && JavaBaseType::narrow(t).getBaseTag() != 5;
}

bool JavaLib::whichArray(const JavaAST& type) { return isPrimitiveBase(type.underType()); }

// A value that travels wrapped in its holder even when passed in.
static bool travelsInHolder(const JavaAST& t) {
    switch (t.getTag()) {
    case JavaType::jArrayType:
    case JavaType::jSequenceType:
    case JavaType::jUnionType:
    case JavaType::jStructType:
    case JavaType::jEnumType:
        return true;
    default:
        return false;
    }
}

String JavaLib::getClassForName(const JavaAST& type) {
    const JavaAST& t = type.underType();
    String holderClass = JavaSequenceType::isA(t) || JavaArrayType::isA(t)
                             ? JavaHolder::project(type).full_text()
                             : holder(t.getJavaName()).full_text();
    return String("new ") + holderClass + "().getClass()";
}

String JavaLib::getConversionTo(const JavaAST& type, const String& name, const String& longSlot,
                                const String& objectSlot, int inOnly) {
    const JavaAST& t = type.underType();
    if (JavaBaseType::isA(t) && inOnly == 1) {
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
    if (inOnly == 1 && travelsInHolder(t)) return objectSlot + " = new " + JavaHolder::project(type).full_text() + "(" + name + ")";
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
    if (JavaInterfaceType::isA(t))
        return helper(t.getJavaName()).full_text() + "." + narrow() + "((" + corbaObject().toString() + ") " +
               objectSlot + ")";
    if (JavaBuiltinType::isA(t)) {
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
                                      int inOnly) {
    const JavaAST& t = type.underType();
    if (JavaBaseType::isA(t) && inOnly == 1) return fromLongSlot(t, longSlot, objectSlot);
    if (inOnly == 0) return String("(") + JavaHolder::project(type).full_text() + ")" + objectSlot;
    if (travelsInHolder(t)) return String("((") + JavaHolder::project(type).full_text() + ")" + objectSlot + ").value";
    return String("(") + type.full_text() + ")" + objectSlot;
}

String JavaLib::getSkelConversionTo(const JavaAST& type, const String& name, const String& longSlot,
                                    const String& objectSlot) {
    const JavaAST& t = type.underType();
    if (JavaBaseType::isA(t)) return getConversionTo(type, name, longSlot, objectSlot, 1);
    if (travelsInHolder(t)) return objectSlot + " = new " + JavaHolder::project(type).full_text() + "(" + name + ")";
    return objectSlot + " = " + name;
}

void JavaLib::printTypeStrings(std::ostream& out, const InterfaceTypeSpec& iface) {
    out << "    private static String _type_ids[] = {\n"
        << "        \"" << repositoryIdentifier(JavaDeclarator::project(iface.get_declarator())) << "\"";
    for (DLListIter<IntfInherit> it(iface.get_inherit_list()); it; it.next())
        out << ",\n        \""
            << repositoryIdentifier(JavaDeclarator::project(it.entry().get_interface().get_declarator())) << "\"";
    out << "\n    };\n\n"
        << "    public String[] " << getRepIdsName() << "() { return _type_ids; }\n\n";
}

// The default discriminator of a union.

#include <algorithm>
#include <set>
#include <string>

#include "ast/expr/expr.h"
#include "ast/expr/value.h"
#include "idlgen/java/types/JavaEnumType.h"
#include "idlgen/java/types/JavaUnionCases.h"

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
    std::vector<long long> values;
    for (const Expr* label : labels) {
        if (!label->has_const_value()) continue;
        const Value& v = label->get_const_value();
        if (IntValue::is(v)) values.push_back(IntValue::narrow(v).get_value());
        if (CharValue::is(v)) values.push_back(CharValue::narrow(v).get_value());
    }
    std::sort(values.begin(), values.end());
    // The smallest value at or above the smallest label that no label uses;
    // 0 when there is no label.
    long long candidate = values.empty() ? 0 : values.front();
    for (long long v : values)
        if (v == candidate) ++candidate;
    if (tag == char_BaseTypeSpec || tag == wchar_BaseTypeSpec) {
        if (candidate > 255) return false;
        CharValue(static_cast<unsigned char>(candidate)).print_java(os);
        return true;
    }
    if (candidate > 2147483647LL) return false;
    os << candidate;
    return true;
}
