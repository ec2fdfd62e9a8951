#include "idlgen/java/types/JavaExceptionType.h"

#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaMembers.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "lib/msg.h"

JavaExceptionType::JavaExceptionType(const ExceptionTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaExceptionType& JavaExceptionType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ExceptionTypeSpec");
    return static_cast<const JavaExceptionType&>(t);
}

const ExceptionTypeSpec& JavaExceptionType::getExceptionTypeSpec() const {
    return ExceptionTypeSpec::narrow(getTypeSpec());
}

void JavaExceptionType::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    JavaName name = getJavaName();
    JavaText out(name);
    out.printPackage(name);
    JavaMembers members(getExceptionTypeSpec().get_members());

    JavaTemplate t("");
    t.set("Item", name.item()).set("UserException", JavaLib::corbaUserException());
    t.print(out,
            "public final class ${Item}\n"
            "\textends ${UserException} {\n");
    if (members.empty()) {
        t.print(out,
                "    //\tconstructor\n"
                "    public ${Item}() {\n"
                "\tsuper();\n"
                "    }\n"
                "}\n");
        files.write(name, source, verbose, "JavaExceptionType", out);
        return;
    }
    // One line per declaration; its further declarators follow on the line,
    // each public like the first.
    out << "    //\tinstance variables\n";
    int line = -1;
    for (const auto& m : members.get()) {
        if (m.declIndex != line) {
            if (line >= 0) out << ";\n";
            out << "    public ";
            line = m.declIndex;
        } else {
            out << "; public ";
        }
        out << m.javaType << " " << m.item;
    }
    out << ";\n";
    t.print(out,
            "    //\tconstructors\n"
            "    public ${Item}() {\n"
            "\tsuper();\n"
            "    }\n"
            "    public ${Item}(");
    const char* separator = "";
    for (const auto& m : members.get()) {
        out << separator << m.javaType << " " << JavaLib::hidden(m.item);
        separator = ", ";
    }
    out << ") {\n"
            "\tsuper();\n";
    for (const auto& m : members.get())
        t.set("MItem", m.item).set("MHidden", JavaLib::hidden(m.item)).print(out, "\t${MItem} = ${MHidden};\n");
    out << "    }\n"
            "}\n";
    files.write(name, source, verbose, "JavaExceptionType", out);
}

void JavaExceptionType::printMarshalMethods(std::ostream& out) const {
    JavaMembers members(getExceptionTypeSpec().get_members());
    JavaTemplate t("");
    t.set("write", JavaLib::marshal())
        .set("read", JavaLib::unmarshal())
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("Name", getJavaName())
        .set("id", JavaLib::getRepIdName());
    t.print(out,
            "    public static void ${write}(${OutputStream} out, ${Name} that) {\n"
            "    out.write_string(${id}());\n");
    if (members.empty()) {
        out << " }\n";
    } else {
        out << "\n";
        for (const auto& m : members.get()) JavaMembers::printMarshal(out, m, "out", "\t");
        out << "    }\n";
    }
    t.print(out,
            "    public static ${Name} ${read}(${InputStream} in) {\n"
            "        ${Name} that = new ${Name}();\n"
            "         // read and discard the repository id\n"
            "        in.read_string();\n");
    if (!members.empty()) {
        out << "\n";
        for (const auto& m : members.get()) JavaMembers::printUnmarshal(out, m, "in", "\t");
    }
    out << "    return that;\n"
           "    }\n";
}

// JavaKind

String JavaExceptionType::typeCode() const { return JavaLib::helperTypeCode(getJavaName()); }

bool JavaExceptionType::unionNeedsHolder() const { msg::panic("%s cannot be a union branch", describe()); }

JavaHolder* JavaExceptionType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaExceptionType::makeHelper() const { return new JavaExceptionTypeOps(*this); }

void JavaExceptionType::addClientGenerators(JavaTypeList& out) const {
    registerClasses(getJavaName());
    out.append(*this);
    out.append(JavaBaseTypeOps::project(getTypeSpec()));
    out.append(JavaHolder::project(*this));
}
