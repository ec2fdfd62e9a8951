#include "JavaConstant.h"

#include <ostream>

#include "JavaAST.h"
#include "JavaExpr.h"
#include "JavaFiles.h"
#include "JavaLib.h"
#include "JavaTemplate.h"
#include "declarator.h"
#include "expr.h"

void JavaConstant::printDeclaration(std::ostream& out, const InitDeclarator& d, const JavaName& field,
                                    bool modifiers) {
    JavaTemplate(modifiers ? "public static final ${T} ${name} = (${T}) ${value};" : "${T} ${name} = (${T}) ${value};")
        .set("T", JavaAST::project(d.get_typespec()))
        .set("name", field.item())
        .set("value", JavaExpr::project(d.get_expr()))
        .print(out);
}

void JavaConstant::writeFile(JavaFiles& files, const ConFile& source, int verbose, const InitDeclarator& d,
                             const char* who) {
    JavaName name(d);
    JavaStream* out = JavaStream::open(files, name, source, verbose, who);
    if (!out) return;
    out->printPackage(name);
    *out << "public final class " << name.item() << " {\n";
    printDeclaration(*out, d, JavaName(JavaLib::constAccessor()));
    *out << "};\n";
    delete out;
}
