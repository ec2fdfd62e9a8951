#include "idlgen/java/interfaces/JavaValueClass.h"

#include <ostream>
#include <vector>

#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/interfaces/JavaGetDeclarator.h"
#include "idlgen/java/interfaces/JavaOpDeclarator.h"
#include "idlgen/java/interfaces/JavaSetDeclarator.h"
#include "idlgen/java/types/JavaConstant.h"
#include "idlgen/java/types/JavaMembers.h"
#include "idlgen/java/types/JavaValueType.h"

JavaValueClass& JavaValueClass::project(const ValueTypeSpec& ts) {
    return projectionOf<JavaValueClass>(ts, [&] { return new JavaValueClass(ts); });
}

JavaValueClass::JavaValueClass(const ValueTypeSpec& ts) : JavaNamedAST(ts) {}

const ValueTypeSpec& JavaValueClass::value() const { return ValueTypeSpec::narrow(getTypeSpec()); }

namespace {

bool isAttribute(const Decl& decl) {
    return decl.get_flags() == Decl::ATTRIBUTE || decl.get_flags() == Decl::READONLY_ATTRIBUTE;
}

void printOwnMethods(std::ostream& out, const InterfaceTypeSpec& iface, const char* modifiers) {
    for (DLListIter<Decl> it(iface.get_exports()); it; it.next()) {
        const Decl& decl = it.entry();
        if (decl.is_error() || decl.get_flags() == Decl::FACTORY) continue;
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
            const Declarator& declarator = d.entry();
            if (OpDeclarator::is(declarator)) {
                JavaOpDeclarator op(OpDeclarator::narrow(declarator));
                out << "    " << modifiers << op.getResultType() << " " << op << ";\n";
            } else if (isAttribute(decl) && SimpleDeclarator::is(declarator)) {
                const SimpleDeclarator& attribute = SimpleDeclarator::narrow(declarator);
                JavaGetDeclarator getter(attribute);
                out << "    " << modifiers << getter.getAttrType() << " " << getter.signature() << ";\n";
                if (!decl.is_readonly())
                    out << "    " << modifiers << "void " << JavaSetDeclarator(attribute).signature() << ";\n";
            }
        }
    }
}

// The constants declared in the value type, as static fields.
void printConstants(std::ostream& out, const ValueTypeSpec& v, bool modifiers) {
    for (DLListIter<Decl> it(v.get_exports()); it; it.next())
        for (DLListIter<Declarator> d(it.entry().get_declarators()); d; d.next())
            if (InitDeclarator::is(d.entry())) {
                out << "    ";
                JavaConstant::printDeclaration(out, InitDeclarator::narrow(d.entry()), JavaName(d.entry()), modifiers);
                out << "\n";
            }
}

}  // namespace

void JavaValueClass::printAbstractMethods(std::ostream& out, const InterfaceTypeSpec& iface, bool inherited,
                                          const char* modifiers) {
    if (inherited)
        for (DLListIter<IntfInherit> it(iface.get_inherit_list()); it; it.next())
            printOwnMethods(out, it.entry().get_interface(), modifiers);
    printOwnMethods(out, iface, modifiers);
}

void JavaValueClass::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    writeValueClass(files, source, verbose);
    if (value().has_initializers()) writeFactory(files, source, verbose);
    if (JavaValueType::project(value()).hasDefaultFactory()) writeDefaultFactory(files, source, verbose);
}

void JavaValueClass::writeValueClass(JavaFiles& files, const ConFile& source, int verbose) const {
    const ValueTypeSpec& v = value();
    JavaName name = getJavaName();
    JavaText out(name);
    out.printPackage(name);
    // The Java interfaces it implements: abstract value bases, abstract
    // interfaces supported.
    std::vector<String> interfaces;
    for (const ValueTypeSpec* base : v.get_value_bases())
        if (base->is_abstract_value()) interfaces.push_back(JavaAST::project(*base).getJavaName().full_text());
    for (const InterfaceTypeSpec* iface : v.get_supported())
        if (iface->is_abstract()) interfaces.push_back(JavaAST::project(*iface).getJavaName().full_text());
    if (v.is_abstract_value()) {
        out << "public interface " << name.item() << " extends " << JavaLib::valueBase();
        for (const String& i : interfaces) out << ", " << i;
        out << " {\n";
        printConstants(out, v, false);
        printOwnMethods(out, v, "");
        for (const InterfaceTypeSpec* iface : v.get_supported())
            if (!iface->is_abstract()) printAbstractMethods(out, *iface, true, "");
        out << "}\n";
        files.write(name, source, verbose, "JavaValueClass", out);
        return;
    }
    const ValueTypeSpec* base = v.get_concrete_base();
    out << "public abstract class " << name.item();
    if (base) out << " extends " << JavaAST::project(*base).getJavaName();
    out << " implements " << (v.is_custom() ? JavaLib::customValue() : JavaLib::streamableValue());
    for (const String& i : interfaces) out << ", " << i;
    out << " {\n";
    printConstants(out, v, true);
    JavaMembers members(v.get_state());
    {
        DLListIter<Decl> decl(v.get_state());
        int declIndex = 0;
        for (const auto& m : members.get()) {
            while (declIndex < m.declIndex) {
                decl.next();
                ++declIndex;
            }
            out << "    " << (decl.entry().get_flags() == Decl::STATE_PUBLIC ? "public " : "protected ") << m.javaType
                << " " << m.item << ";\n";
        }
    }
    // The Helper, named by its simple name (a field may be named like the
    // first component of a package), holds the identifiers and marshals
    // the state.
    JavaTemplate t("");
    t.set("ids", JavaLib::hidden("ids"))
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("TypeCode", JavaLib::typeCodeName())
        .set("write", JavaLib::marshal())
        .set("read", JavaLib::unmarshal())
        .set("type", JavaLib::getStreamableTypeCodeName())
        .set("writeState", JavaLib::hidden("writeState"))
        .set("readState", JavaLib::hidden("readState"))
        .set("Helper", JavaLib::helper(name).item());
    t.print(out,
            "    public String[] _truncatable_ids() {\n"
            "        return ${Helper}.${ids};\n"
            "    }\n");
    printOwnMethods(out, v, "public abstract ");
    for (const InterfaceTypeSpec* iface : v.get_supported())
        if (!iface->is_abstract()) printAbstractMethods(out, *iface, true, "public abstract ");
    if (!v.is_custom()) {
        t.print(out, "    public void ${write}(${OutputStream} out) {\n");
        if (base) t.print(out, "        super.${write}(out);\n");
        t.print(out,
                "        ${Helper}.${writeState}(out, this);\n"
                "    }\n"
                "    public void ${read}(${InputStream} in) {\n");
        if (base) t.print(out, "        super.${read}(in);\n");
        t.print(out,
                "        ${Helper}.${readState}(in, this);\n"
                "    }\n"
                "    public ${TypeCode} ${type}() {\n"
                "        return ${Helper}.type();\n"
                "    }\n");
    }
    out << "}\n";
    files.write(name, source, verbose, "JavaValueClass", out);
}

void JavaValueClass::writeFactory(JavaFiles& files, const ConFile& source, int verbose) const {
    JavaName name = JavaLib::valueFactory(getJavaName());
    JavaText out(name);
    out.printPackage(name);
    out << "public interface " << name.item() << " extends " << JavaLib::valueFactory() << " {\n";
    for (DLListIter<Decl> it(value().get_exports()); it; it.next()) {
        const Decl& decl = it.entry();
        if (decl.is_error() || decl.get_flags() != Decl::FACTORY) continue;
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next())
            if (OpDeclarator::is(d.entry()))
                out << "    " << getJavaName() << " " << JavaOpDeclarator(OpDeclarator::narrow(d.entry())) << ";\n";
    }
    out << "}\n";
    files.write(name, source, verbose, "JavaValueClass", out);
}

// The class has nothing abstract, so the factory makes a plain instance of
// it and lets the stream read the state into it.
void JavaValueClass::writeDefaultFactory(JavaFiles& files, const ConFile& source, int verbose) const {
    JavaName name = JavaLib::defaultFactory(getJavaName());
    JavaText out(name);
    out.printPackage(name);
    JavaTemplate(
        "public class ${Item} implements ${ValueFactory} {\n"
        "    public ${Serializable} read_value(${ValueIn} in) {\n"
        "        return in.read_value(new ${T}() { });\n"
        "    }\n"
        "}\n")
        .set("Item", name.item())
        .set("ValueFactory", JavaLib::valueFactory())
        .set("Serializable", JavaLib::serializable())
        .set("ValueIn", JavaLib::valueInputStream())
        .set("T", getJavaName())
        .print(out);
    files.write(name, source, verbose, "JavaValueClass", out);
}
