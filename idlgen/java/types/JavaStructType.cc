#include "idlgen/java/types/JavaStructType.h"

#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaMembers.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "lib/msg.h"

JavaStructType::JavaStructType(const StructTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaStructType& JavaStructType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("StructTypeSpec");
    return static_cast<const JavaStructType&>(t);
}

const StructTypeSpec& JavaStructType::getStructTypeSpec() const { return StructTypeSpec::narrow(getTypeSpec()); }

void JavaStructType::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    JavaName name = getJavaName();
    JavaText out(name);
    out.printPackage(name);
    JavaMembers members(getStructTypeSpec().get_members());

    JavaTemplate t("");
    t.set("Item", name.item());
    t.print(out,
            "public final class ${Item} {\n"
            "    //\tinstance variables\n");
    for (const auto& m : members.get())
        t.set("MType", m.javaType).set("MItem", m.item).print(out, "    public ${MType} ${MItem};\n");
    t.print(out,
            "    //\tconstructors\n"
            "    public ${Item}() { }\n"
            "    public ${Item}(");
    const char* separator = "";
    for (const auto& m : members.get()) {
        t.set("MType", m.javaType).set("MHidden", JavaLib::hidden(m.item)).set("sep", separator);
        t.print(out, "${sep}${MType} ${MHidden}");
        separator = ", ";
    }
    out << ") {\n";
    for (const auto& m : members.get())
        t.set("MItem", m.item).set("MHidden", JavaLib::hidden(m.item)).print(out, "\t${MItem} = ${MHidden};\n");
    out << "    }\n"
            "}\n";
    files.write(name, source, verbose, "JavaStructType", out);
}

void JavaStructType::printMarshalMethods(std::ostream& out) const {
    JavaMembers members(getStructTypeSpec().get_members());
    JavaTemplate t("");
    t.set("write", JavaLib::marshal())
        .set("read", JavaLib::unmarshal())
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("Name", getJavaName());
    t.print(out, "    public static void ${write}(${OutputStream} out, ${Name} that) {\n");
    for (const auto& m : members.get()) JavaMembers::printMarshal(out, m, "out", "\t");
    t.print(out,
            "    }\n"
            "    public static ${Name} ${read}(${InputStream} in) {\n"
            "        ${Name} that = new ${Name}();\n");
    for (const auto& m : members.get()) JavaMembers::printUnmarshal(out, m, "in", "\t");
    out << "        return that;\n"
           "    }\n";
}

// JavaKind

String JavaStructType::typeCode() const { return JavaLib::helperTypeCode(getJavaName()); }

JavaHolder* JavaStructType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaStructType::makeHelper() const { return new JavaStructTypeOps(*this); }

void JavaStructType::addClientGenerators(JavaTypeList& out) const {
    registerClasses(getJavaName());
    out.append(*this);
    out.append(JavaHolder::project(*this));
    out.append(JavaBaseTypeOps::project(getTypeSpec()));
}
