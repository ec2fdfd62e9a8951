#include "idlgen/java/core/JavaDecl.h"

#include <ostream>

#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaAST.h"

unsigned JavaDecl::getFlags() const { return decl->get_flags(); }

bool JavaDecl::isTypedef() const { return decl->is_typedef(); }

JavaAST& JavaDecl::getType() const { return JavaAST::project(decl->get_typespec()); }

JavaDeclaratorList& JavaDecl::getDeclarators() const {
    auto* list = new JavaDeclaratorList;
    for (DLListIter<Declarator> it(decl->get_declarators()); it; it.next())
        list->append(JavaDeclarator::project(it.entry()));
    return *list;
}

// A declaration's location is that of the type it declares, or of its
// first declarator.
const SrcLoc& JavaDecl::getLoc() const {
    const TypeSpec& ts = decl->get_typespec();
    if (ts.defines_name()) return ts.get_loc();
    Declarator* first = decl->get_declarators().first();
    return first ? first->get_loc() : ts.get_loc();
}

bool JavaDecl::hasContainer() const { return decl->has_container(); }

const TypeSpec& JavaDecl::getContainer() const { return decl->get_container(); }

void JavaDecl::print(std::ostream& out) const { out << *decl; }

JavaDeclList::JavaDeclList(const DeclList& decls) {
    for (DLListIter<Decl> it(decls); it; it.next()) append(JavaDecl::project(it.entry()));
}
