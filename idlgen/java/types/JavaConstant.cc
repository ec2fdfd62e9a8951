#include "idlgen/java/types/JavaConstant.h"

#include <ostream>

#include "ast/expr/expr.h"
#include "ast/tree/declarator.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"

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
    JavaText out(name);
    out.printPackage(name);
    out << "public final class " << name.item() << " {\n";
    printDeclaration(out, d, JavaName(JavaLib::constAccessor()));
    out << "};\n";
    files.write(name, source, verbose, who, out);
}
