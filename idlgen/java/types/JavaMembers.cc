#include "idlgen/java/types/JavaMembers.h"

#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/types/JavaDeclaration.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/types/JavaArrayType.h"

JavaMembers::JavaMembers(const DeclList& decls) {
    for (DLListIter<Decl> it(decls); it; it.next()) {
        const Decl& decl = it.entry();
        if (decl.is_error()) continue;
        JavaAST& type = JavaAST::project(decl.get_typespec());
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
            JavaDeclarator& jd = JavaDeclarator::project(d.entry());
            const JavaAST* memberType = &type;
            if (jd.isArray())
                memberType = &JavaArrayType::project(decl.get_typespec(),
                                                     JavaExprList(ArrayDeclarator::narrow(d.entry()).get_sizes()));
            members.push_back(Member{memberType, &jd, JavaDeclaration(type, jd).typeText(), jd.getJavaName().item(),
                                     declarations});
        }
        ++declarations;
    }
}

void JavaMembers::printMarshal(std::ostream& out, const Member& m, const char* stream, const String& indent) {
    m.type->printMarshal(out, stream, JavaName(JavaName("that"), m.item), indent);
}

void JavaMembers::printUnmarshal(std::ostream& out, const Member& m, const char* stream, const String& indent) {
    m.type->printUnmarshal(out, stream, JavaName(JavaName("that"), m.item), indent);
}
