#include "ast/tree/definition.h"

#include <ostream>

#include "lib/msg.h"
#include "ast/pragma/pragma.h"
#include "ast/tree/decl.h"

void Definition::narrowFault(const char* expected) const {
    msg::panic("Definition::narrowFault: expecting %s, found %s", expected, abbrev_text().chars());
}

void DeclDefinition::print(std::ostream& out) const { out << "DeclDefinition(" << *decl << ")"; }

void PragmaJavaPackageDefinition::print(std::ostream& out) const {
    out << "PragmaJavaPackageDefinition(" << *pragma << ")";
}

void PragmaPrefixDefinition::print(std::ostream& out) const { out << "PragmaPrefixDefinition(" << *pragma << ")"; }

void PragmaServerlessDefinition::print(std::ostream& out) const {
    out << "PragmaServerlessDefinition(" << *pragma << ")";
}

#define DEFINITION_NARROW(Class)                             \
    const Class& Class::narrow(const Definition& d) {        \
        if (!is(d)) d.narrowFault(#Class);                   \
        return static_cast<const Class&>(d);                 \
    }

DEFINITION_NARROW(DeclDefinition)
DEFINITION_NARROW(PragmaJavaPackageDefinition)
DEFINITION_NARROW(PragmaPrefixDefinition)
DEFINITION_NARROW(PragmaServerlessDefinition)

DeclList* DefinitionList::getDeclList() const {
    DeclList* decls = new DeclList;
    for (DLListIter<Definition> it(*this); it; it.next())
        if (DeclDefinition::is(it.entry())) decls->append(DeclDefinition::narrow(it.entry()).getDecl());
    return decls;
}

void DefinitionList::print(std::ostream& out) const {
    for (DLListIter<Definition> it(*this); it; it.next()) out << it.entry() << "; ";
}
