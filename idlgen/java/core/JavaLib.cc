#include "idlgen/java/core/JavaLib.h"

#include <string>
#include <unordered_set>

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/core/JavaKind.h"

#include "lib/msg.h"

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
QUORVEX_JAVA_NAME(orbModulesPackage, "org.omg")
QUORVEX_JAVA_NAME(context, "org.omg.CORBA.Context")
QUORVEX_JAVA_NAME(corbaObject, "org.omg.CORBA.Object")
QUORVEX_JAVA_NAME(corbaBadParamException, "org.omg.CORBA.BAD_PARAM")
QUORVEX_JAVA_NAME(marshalingException, "org.omg.CORBA.MARSHAL")
QUORVEX_JAVA_NAME(valueOutputStream, "org.omg.CORBA_2_3.portable.OutputStream")
QUORVEX_JAVA_NAME(valueInputStream, "org.omg.CORBA_2_3.portable.InputStream")
QUORVEX_JAVA_NAME(boxedValueHelper, "org.omg.CORBA.portable.BoxedValueHelper")
QUORVEX_JAVA_NAME(valueBase, "org.omg.CORBA.portable.ValueBase")
QUORVEX_JAVA_NAME(streamableValue, "org.omg.CORBA.portable.StreamableValue")
QUORVEX_JAVA_NAME(customValue, "org.omg.CORBA.portable.CustomValue")
QUORVEX_JAVA_NAME(valueFactory, "org.omg.CORBA.portable.ValueFactory")
QUORVEX_JAVA_NAME(corbaValueMember, "org.omg.CORBA.ValueMember")
QUORVEX_JAVA_NAME(valueBaseHelper, "org.omg.CORBA.ValueBaseHelper")
QUORVEX_JAVA_NAME(valueBaseHolder, "org.omg.CORBA.ValueBaseHolder")
QUORVEX_JAVA_NAME(serializable, "java.io.Serializable")
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
QUORVEX_JAVA_NAME(bigDecimal, "java.math.BigDecimal")

#undef QUORVEX_JAVA_NAME

const JavaName& JavaLib::unknownName() {
    static const JavaName name("???");
    return name;
}

String JavaLib::typecodeFactory() { return corbaOrbRef().toString() + ".init()"; }

String JavaLib::primitiveTypeCode(const char* kind) {
    return typecodeFactory() + ".get_primitive_tc(" + corbaTCKind().toString() + "." + kind + ")";
}

String JavaLib::fixedTypeCode(int digits, int scale) {
    return typecodeFactory() + ".create_fixed_tc((short) " + String(std::to_string(digits)) + ", (short) " +
           String(std::to_string(scale)) + ")";
}

String JavaLib::helperTypeCode(const JavaName& type) {
    return helper(type).full_text() + "." + getTypeCodeName() + "()";
}

String JavaLib::getTypeCodeForType(const JavaAST& type) { return JavaKind::of(type).typeCode(); }

String JavaLib::getTypeCodeFor(const JavaDecl& decl) { return getTypeCodeForType(decl.getType()); }

int JavaLib::tk(const JavaAST& type) { return JavaKind::of(type).tcKind(); }

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
    // ValueBase, any value (-fcorba3), is a java.io.Serializable.
    if (name == serializable()) return valueBaseHolder();
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
    // A keyword among the components is escaped; the driver has checked the
    // rest.
    JavaName::packageName(String(prefix), *packagePrefix);
}

String JavaLib::nameMap(const String& id) {
    if (JavaName::isReservedWord(id) || JavaName::hasReservedSuffix(id)) return String("_") + id;
    return id;
}

bool JavaLib::isJavaLangType(const String& id) {
    // The public types of java.lang in current JDKs.
    static const std::unordered_set<std::string> types = {
        "AbstractMethodError", "Appendable", "ArithmeticException", "ArrayIndexOutOfBoundsException",
        "ArrayStoreException", "AssertionError", "AutoCloseable", "Boolean", "BootstrapMethodError", "Byte",
        "CharSequence", "Character", "Class", "ClassCastException", "ClassCircularityError", "ClassFormatError",
        "ClassLoader", "ClassNotFoundException", "ClassValue", "CloneNotSupportedException", "Cloneable",
        "Comparable", "Compiler", "Deprecated", "Double", "Enum", "EnumConstantNotPresentException", "Error",
        "Exception", "ExceptionInInitializerError", "Float", "FunctionalInterface", "IllegalAccessError",
        "IllegalAccessException", "IllegalArgumentException", "IllegalCallerException",
        "IllegalMonitorStateException", "IllegalStateException", "IllegalThreadStateException",
        "IncompatibleClassChangeError", "IndexOutOfBoundsException", "InheritableThreadLocal",
        "InstantiationError", "InstantiationException", "Integer", "InternalError", "InterruptedException",
        "Iterable", "LayerInstantiationException", "LinkageError", "Long", "Math", "Module", "ModuleLayer",
        "NegativeArraySizeException", "NoClassDefFoundError", "NoSuchFieldError", "NoSuchFieldException",
        "NoSuchMethodError", "NoSuchMethodException", "NullPointerException", "Number", "NumberFormatException",
        "Object", "OutOfMemoryError", "Override", "Package", "Process", "ProcessBuilder", "ProcessHandle",
        "Readable", "Record", "ReflectiveOperationException", "Runnable", "Runtime", "RuntimeException",
        "RuntimePermission", "SafeVarargs", "SecurityException", "SecurityManager", "Short",
        "StackOverflowError", "StackTraceElement", "StackWalker", "StrictMath", "String", "StringBuffer",
        "StringBuilder", "StringIndexOutOfBoundsException", "SuppressWarnings", "System", "Thread",
        "ThreadDeath", "ThreadGroup", "ThreadLocal", "Throwable", "TypeNotPresentException", "UnknownError",
        "UnsatisfiedLinkError", "UnsupportedClassVersionError", "UnsupportedOperationException", "VerifyError",
        "VirtualMachineError", "Void",
        // Added after Java 17.
        "MatchException", "WrongThreadException", "ScopedValue", "IO"};
    return types.count(id.str()) != 0;
}

bool JavaLib::isRuntimePackage(const std::string& dotted) {
    static const std::unordered_set<std::string> packages = {
        "org", "org.omg", "org.omg.CORBA", "org.omg.CORBA.portable", "org.omg.CORBA.ORBPackage",
        "org.omg.CORBA.TypeCodePackage", "org.omg.CORBA_2_3", "org.omg.CORBA_2_3.portable",
        "org.omg.PortableServer", "vemo", "vemo.harl", "vemo.harl.cdr", "vemo.harl.giop", "vemo.harl.ior",
        "vemo.harl.orb", "java", "java.lang", "java.io", "java.math"};
    return packages.count(dotted) != 0;
}

bool JavaLib::isNamedPackage(const std::string& dotted) {
    static const std::unordered_set<std::string> packages = {
        "org.omg", "org.omg.CORBA", "org.omg.CORBA.portable", "org.omg.CORBA_2_3", "org.omg.CORBA_2_3.portable",
        "java.lang", "java.io"};
    return packages.count(dotted) != 0;
}

// Repository identifiers.

#include <algorithm>
#include <sstream>

#include "ast/env/envattr.h"
#include "ast/expr/charescape.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaDeclarator.h"

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
    id = javaStringText(id);
    jd.setRepositoryIdentifier(id);
    return id;
}

// The identifier goes into Java string literals: a backslash, a quote or a
// control character (from a pragma's escapes, an environment file or a
// #pragma ID) is written as Java's escape of it.
String JavaLib::javaStringText(const String& text) {
    const std::string& s = text.str();
    if (s.find_first_of("\\\"") == std::string::npos &&
        std::none_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        return text;
    std::ostringstream out;
    for (char c : s) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"' || u < 0x20 || u == 0x7f)
            CharEscape::print_java(out, u);
        else
            out << c;
    }
    return String(out.str());
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
