#include "idlgen/java/core/JavaMembers.h"

#include "ast/input/msg.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/core/JavaDeclaration.h"
#include "idlgen/java/core/JavaDeclarator.h"

JavaMembers::JavaMembers(const DeclList& decls) {
    for (DLListIter<Decl> it(decls); it; it.next()) {
        const Decl& decl = it.entry();
        if (decl.is_error()) continue;
        JavaAST& type = JavaAST::project(decl.get_typespec());
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
            JavaDeclarator& jd = JavaDeclarator::project(d.entry());
            members.push_back(Member{&type, &jd, JavaDeclaration(type, jd).typeText(), jd.getJavaName().item(),
                                     declarations});
        }
        ++declarations;
    }
}

static bool marshalled(const JavaMembers::Member& m) {
    if (!m.declarator->isArray()) return true;
    msg::unimpl(m.declarator->getDeclarator().get_loc(), "marshalling of array member `%s'", m.item.chars());
    return false;
}

void JavaMembers::printMarshal(std::ostream& out, const Member& m, const char* stream, const String& indent) {
    if (marshalled(m)) m.type->printMarshal(out, stream, JavaName(JavaName("that"), m.item), indent);
}

void JavaMembers::printUnmarshal(std::ostream& out, const Member& m, const char* stream, const String& indent) {
    if (marshalled(m)) m.type->printUnmarshal(out, stream, JavaName(JavaName("that"), m.item), indent);
}
