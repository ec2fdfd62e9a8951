#include "idlgen/java/types/JavaBuiltinType.h"

#include <ostream>

#include "ast/env/envattr.h"
#include "ast/pragma/predefined.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "lib/msg.h"

// The runtime classes of the predefined names, handed to the tree (through
// a static registration, as flags register themselves) before any file is read.
static String predefinedClass(const char* idlName) {
    static const struct {
        const char* idlName;
        const JavaName& (*javaClass)();
    } predefined[] = {{"Object", &JavaLib::corbaObject},
                      {"any", &JavaLib::anyName},
                      {"TypeCode", &JavaLib::typeCodeName},
                      {"Principal", &JavaLib::principalName}};
    for (const auto& p : predefined)
        if (String(idlName) == p.idlName) return p.javaClass().toString();
    return String();
}

[[maybe_unused]] static const bool predefinedRegistered = (PredefinedTypes::set_class_of(&predefinedClass), true);

JavaBuiltinType::JavaBuiltinType(const BuiltinTypeSpec& ts) : JavaAST(ts) {}

const JavaBuiltinType& JavaBuiltinType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("BuiltinTypeSpec");
    return static_cast<const JavaBuiltinType&>(t);
}

String JavaBuiltinType::getJavaClass() const {
    const ImportTypeSpec& import = BuiltinTypeSpec::narrow(getTypeSpec()).get_import();
    EnvAttr* attr = import.get_declarator().get_env_attr(JavaLib::javaClassAttribute(), 0);
    if (attr) return attr->get_value();
    return import.get_name().as_String();
}

JavaName JavaBuiltinType::getJavaName() const { return JavaName(getJavaClass()); }

void JavaBuiltinType::print(std::ostream& out) const { out << getJavaName(); }

void JavaBuiltinType::printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                   const String& indent) const {
    JavaTemplate("${indent}${stream}.write_${Item}(${variable});\n")
        .set("indent", indent)
        .set("stream", stream)
        .set("Item", getJavaName().item())
        .set("variable", variable.toString())
        .print(out);
}

void JavaBuiltinType::printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                     const String& indent) const {
    JavaTemplate("${indent}${variable} = ${stream}.read_${Item}();\n")
        .set("indent", indent)
        .set("stream", stream)
        .set("Item", getJavaName().item())
        .set("variable", variable.toString())
        .print(out);
}

// JavaKind

JavaHolder* JavaBuiltinType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaBuiltinType::makeHelper() const { return new JavaBaseTypeOps(*this); }

// The builtin types by Java class, with their kinds.
static const struct {
    const char* javaClass;
    const char* kind;
    int kindNumber;
} builtinKinds[] = {
    {"org.omg.CORBA.Any", "tk_any", 11},
    {"org.omg.CORBA.TypeCode", "tk_TypeCode", 12},
    {"org.omg.CORBA.Principal", "tk_Principal", 13},
    {"org.omg.CORBA.Object", "tk_objref", 14},
};

String JavaBuiltinType::typeCode() const {
    String javaClass = getJavaClass();
    for (const auto& b : builtinKinds)
        if (javaClass == b.javaClass) return JavaLib::primitiveTypeCode(b.kind);
    msg::warn("Typecode for this type unknown");
    return "bogus";
}

int JavaBuiltinType::tcKind() const {
    String javaClass = getJavaClass();
    for (const auto& b : builtinKinds)
        if (javaClass == b.javaClass) return b.kindNumber;
    return 0;
}
