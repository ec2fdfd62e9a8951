#include "idlgen/java/interfaces/JavaArgList.h"

#include <ostream>

#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDeclarator.h"

JavaArgList::JavaArgList(const DeclList& params) {
    for (DLListIter<Decl> it(params); it; it.next()) {
        const Decl& decl = it.entry();
        JavaAST& type = JavaAST::project(decl.get_typespec());
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next())
            args.emplace_back(decl.get_flags(), type, JavaDeclarator::project(d.entry()));
    }
}

bool JavaArgList::containsOut() const {
    for (const JavaArg& a : args)
        if (a.containsOut()) return true;
    return false;
}

void JavaArgList::print(std::ostream& out) const {
    const char* separator = "";
    for (const JavaArg& a : args) {
        out << separator << a;
        separator = ", ";
    }
}
