#include "idlgen/java/types/JavaInterfaceType.h"

#include <ostream>

#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaInterfaceTypeOps.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "lib/msg.h"

JavaInterfaceType::JavaInterfaceType(const NamedTypeSpec& ts) : JavaNamedAST(ts) {}

JavaInterfaceType& JavaInterfaceType::project(const InterfaceTypeSpec& ts) {
    return projectionOf<JavaInterfaceType>(ts, [&] { return new JavaInterfaceType(ts); });
}

JavaInterfaceType& JavaInterfaceType::reference(const ForwardTypeSpec& ts) {
    return projectionOf<JavaInterfaceType>(ts, [&] { return new JavaInterfaceType(ts); });
}

const JavaInterfaceType& JavaInterfaceType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("InterfaceTypeSpec");
    return static_cast<const JavaInterfaceType&>(t);
}

void JavaInterfaceType::print(std::ostream& out) const { out << getJavaName(); }

const InterfaceTypeSpec& JavaInterfaceType::getInterfaceTypeSpec() const {
    return InterfaceTypeSpec::narrow(getTypeSpec());
}

JavaDeclList& JavaInterfaceType::getExports() const {
    return *new JavaDeclList(getInterfaceTypeSpec().get_exports());
}

std::vector<const InterfaceTypeSpec*> JavaInterfaceType::getInherits() const {
    std::vector<const InterfaceTypeSpec*> bases;
    for (DLListIter<IntfInherit> it(getInterfaceTypeSpec().get_inherit_list()); it; it.next())
        bases.push_back(&it.entry().get_interface());
    return bases;
}

bool JavaInterfaceType::isServerless() const {
    return getTypeSpec().get_declarator().get_env_attr(JavaLib::serverlessAttribute(), 0) != nullptr;
}

bool JavaInterfaceType::isLocal() const {
    const TypeSpec& ts = getTypeSpec();
    return ForwardTypeSpec::is(ts) ? ForwardTypeSpec::narrow(ts).is_local() : getInterfaceTypeSpec().is_local();
}

// An interface declared forward and never defined is an ordinary reference.
bool JavaInterfaceType::isAbstract() const {
    const TypeSpec& ts = getTypeSpec();
    return !ForwardTypeSpec::is(ts) && getInterfaceTypeSpec().is_abstract();
}

// A reference travels as an object and is narrowed back to the interface;
// a local interface's reference does not travel at all.
void JavaInterfaceType::printMarshalMethods(std::ostream& out) const {
    static const char* const local =
        "    public static void ${write}(${OutputStream} out, ${Name} that) {\n"
        "        throw ${newMarshal};\n"
        "    }\n"
        "    public static ${Name} ${read}(${InputStream} in) {\n"
        "        throw ${newMarshal};\n"
        "    }\n";
    static const char* const remote =
        "    public static void ${write}(${OutputStream} out, ${Name} that) {\n"
        "        out.write_Object(that);\n"
        "    }\n"
        "    public static ${Name} ${read}(${InputStream} in) {\n"
        "        return ${narrow}(in.read_Object());\n"
        "    }\n";
    // An abstract interface: TRUE and a reference, or FALSE and a value
    // (which must implement the interface).
    static const char* const abstract =
        "    public static void ${write}(${OutputStream} out, ${Name} that) {\n"
        "        ((${ValueOut}) out).write_abstract_interface(that);\n"
        "    }\n"
        "    public static ${Name} ${read}(${InputStream} in) {\n"
        "        java.lang.Object that = ((${ValueIn}) in).read_abstract_interface();\n"
        "        if (that instanceof ${CorbaObject})\n"
        "            return ${narrow}((${CorbaObject}) that);\n"
        "        if (that == null || that instanceof ${Name})\n"
        "            return (${Name}) that;\n"
        "        throw ${newMarshal};\n"
        "    }\n";
    // The value streams are named only where the text uses them: a name set
    // is imported, and an unused import of another OutputStream would keep
    // the file from naming the usual one by its simple name.
    JavaTemplate helper(isLocal() ? local : isAbstract() ? abstract : remote);
    if (isAbstract() && !isLocal())
        helper.set("ValueOut", JavaLib::valueOutputStream()).set("ValueIn", JavaLib::valueInputStream());
    helper.set("CorbaObject", JavaLib::corbaObject())
        .set("write", JavaLib::marshal())
        .set("read", JavaLib::unmarshal())
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("Name", getJavaName())
        .set("narrow", JavaLib::narrow())
        .set("newMarshal", JavaLib::newMarshalingException())
        .print(out);
}

// JavaKind

String JavaInterfaceType::typeCode() const { return JavaLib::helperTypeCode(getJavaName()); }

JavaHolder* JavaInterfaceType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaInterfaceType::makeHelper() const { return new JavaInterfaceTypeOps(*this); }

void JavaInterfaceType::addClientGenerators(JavaTypeList& out) const {
    registerClasses(getJavaName());
    out.append(JavaHolder::project(*this));
    out.append(JavaBaseTypeOps::project(getTypeSpec()));
}
