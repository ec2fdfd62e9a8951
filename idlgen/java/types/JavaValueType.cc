#include "idlgen/java/types/JavaValueType.h"

#include <ostream>
#include <sstream>

#include "ast/tree/decl.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaMembers.h"
#include "lib/msg.h"

JavaValueType::JavaValueType(const ValueTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaValueType& JavaValueType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ValueTypeSpec");
    return static_cast<const JavaValueType&>(t);
}

const ValueTypeSpec& JavaValueType::getValueTypeSpec() const { return ValueTypeSpec::narrow(getTypeSpec()); }

JavaName JavaValueType::factoryName() const { return JavaLib::valueFactory(getJavaName()); }

JavaName JavaValueType::defaultFactoryName() const { return JavaLib::defaultFactory(getJavaName()); }

bool JavaValueType::hasDefaultFactory() const {
    const ValueTypeSpec& v = getValueTypeSpec();
    return !v.is_abstract_value() && !v.is_custom() && !v.has_initializers() && !v.has_operations();
}

// The streams write the value tag and the identifiers of the value's own
// class; reading, the value's factory makes the instance.  What arrives
// must be of this type (a value of another type is MARSHAL, not a
// ClassCastException in the caller).
void JavaValueType::printMarshalMethods(std::ostream& out) const {
    JavaTemplate(
        "    public static void ${write}(${OutputStream} out, ${T} that) {\n"
        "        ((${ValueOut}) out).write_value((${Serializable}) that, ${id}());\n"
        "    }\n"
        "    public static ${T} ${read}(${InputStream} in) {\n"
        "        ${Serializable} value = ((${ValueIn}) in).read_value(${id}());\n"
        "        if (value == null || value instanceof ${T})\n"
        "            return (${T}) value;\n"
        "        throw ${newMarshal};\n"
        "    }\n")
        .set("write", JavaLib::marshal())
        .set("read", JavaLib::unmarshal())
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("ValueOut", JavaLib::valueOutputStream())
        .set("ValueIn", JavaLib::valueInputStream())
        .set("Serializable", JavaLib::serializable())
        .set("newMarshal", JavaLib::newMarshalingException())
        .set("id", JavaLib::getRepIdName())
        .set("T", getJavaName())
        .print(out);
}

// JavaValueTypeOps

void JavaValueTypeOps::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    JavaName helper = helperName();
    JavaText out(helper);
    out.printPackage(helper);
    out << "public final class " << helper.item() << " {\n";
    printTypeMethods(out);
    printStateMethods(out);
    out << "}\n";
    files.write(helper, source, verbose, "JavaValueTypeOps", out);
}

// The identifiers a value travels with (its own, then for a truncatable
// type those of the bases it may be truncated to), and, unless the value
// marshals itself (custom), its own state members in order.
void JavaValueTypeOps::printStateMethods(std::ostream& out) const {
    const JavaValueType& type = JavaValueType::narrow(getType());
    const ValueTypeSpec& v = type.getValueTypeSpec();
    if (v.is_abstract_value()) return;
    JavaTemplate t("");
    t.set("ids", JavaLib::hidden("ids"))
        .set("id", JavaLib::getRepIdName())
        .set("T", type.getJavaName())
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("writeState", JavaLib::hidden("writeState"))
        .set("readState", JavaLib::hidden("readState"));
    t.print(out, "   static final String[] ${ids} = {\n       ${id}()");
    for (const ValueTypeSpec* b = v.is_truncatable() ? v.get_concrete_base() : nullptr; b;
         b = b->is_truncatable() ? b->get_concrete_base() : nullptr)
        out << ",\n       " << JavaLib::helper(JavaAST::project(*b).getJavaName()) << "." << JavaLib::getRepIdName()
            << "()";
    out << "\n   };\n";
    if (v.is_custom()) return;
    JavaMembers members(v.get_state());
    t.print(out, "   static void ${writeState}(${OutputStream} out, ${T} that) {\n");
    for (const auto& m : members.get()) JavaMembers::printMarshal(out, m, "out", "       ");
    t.print(out,
            "   }\n"
            "   static void ${readState}(${InputStream} in, ${T} that) {\n");
    for (const auto& m : members.get()) JavaMembers::printUnmarshal(out, m, "in", "       ");
    out << "   }\n";
}

// A value type may hold itself (directly, or through other types): the
// construction answers a recursive placeholder when it is entered again.
void JavaValueTypeOps::printTypeCodeAccessor(std::ostream& out) const {
    const ValueTypeSpec& v = JavaValueType::narrow(getType()).getValueTypeSpec();
    JavaMembers members(v.get_state());
    std::ostringstream body;
    JavaTemplate t("");
    t.set("count", static_cast<int>(members.get().size()))
        .set("ValueMember", JavaLib::corbaValueMember())
        .set("J", String::replicate(' ', 15))
        .set("ORB", JavaLib::typecodeFactory())
        .set("id", JavaLib::getRepIdName())
        .set("IDLName", v.get_name().as_String())
        .set("modifier", v.is_custom() ? "1" : v.is_abstract_value() ? "2" : v.is_truncatable() ? "3" : "0");
    const ValueTypeSpec* base = v.get_concrete_base();
    t.set("base", base ? JavaLib::helperTypeCode(JavaAST::project(*base).getJavaName()) : String("null"));
    t.print(body,
            "          if (_tc == null) {\n"
            "             if (__active) {\n"
            "                return ${ORB}.create_recursive_tc(${id}());\n"
            "             }\n"
            "             __active = true;\n"
            "${J}${ValueMember}[] _members = new ${ValueMember}[${count}];\n");
    int i = 0;
    DLListIter<Decl> decl(v.get_state());
    int declIndex = 0;
    for (const auto& m : members.get()) {
        while (declIndex < m.declIndex) {
            decl.next();
            ++declIndex;
        }
        bool isPublic = decl.entry().get_flags() == Decl::STATE_PUBLIC;
        t.set("i", i++)
            .set("member", m.declarator->getIDLName())
            .set("TC", JavaLib::getTypeCodeForType(*m.type))
            .set("access", isPublic ? "1" : "0");
        t.print(body,
                "${J}_members[${i}] = new ${ValueMember}(\"${member}\", \"\", \"\", \"\",\n"
                "${J}  ${TC},\n"
                "${J}  null, (short) ${access});\n");
    }
    t.print(body,
            "             _tc = ${ORB}.create_value_tc(${id}(), \"${IDLName}\", (short) ${modifier}, ${base}, "
            "_members);\n"
            "             __active = false;\n"
            "          }\n");
    printCachedTypeCode(out, recursionFlag, String(body.str()));
}

// JavaKind

String JavaValueType::typeCode() const { return JavaLib::helperTypeCode(getJavaName()); }

JavaHolder* JavaValueType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaValueType::makeHelper() const { return new JavaValueTypeOps(*this); }

void JavaValueType::addClientGenerators(JavaTypeList& out) const {
    registerClasses(getJavaName());
    if (getValueTypeSpec().has_initializers()) JavaName::registerClass(factoryName());
    if (hasDefaultFactory()) JavaName::registerClass(defaultFactoryName());
    out.append(JavaHolder::project(*this));
    out.append(JavaBaseTypeOps::project(getTypeSpec()));
}
