#include <ostream>

#include "ast/names/scope.h"
#include "ast/tree/types.h"

// EnumTypeSpec

EnumTypeSpec::EnumTypeSpec(Id& name, Description& desc, IdList& enumerators)
    : NamedTypeSpec(name, desc), enumerators(&enumerators), entries(new DeclaratorList) {
    for (DLListIter<Id> it(enumerators); it; it.next()) entries->append(*new EnumEntryDeclarator(it.entry(), *this));
}

bool EnumTypeSpec::overload_ok(Declarator& other) const { return full_name_differs(other); }

Declarator* EnumTypeSpec::resolve(const Id& id) const {
    if (!indexed) {
        for (DLListIter<Declarator> it(*entries); it; it.next())
            index.emplace(it.entry().get_name().key_ptr(), &it.entry());
        indexed = true;
    }
    Declarator* const* found = index.find(id.key_ptr());
    return found ? *found : nullptr;
}

void EnumTypeSpec::resolve_names(Scope& scope) {
    declare_self(scope);
    for (DLListIter<Declarator> it(*entries); it; it.next()) scope.declare(it.entry());
}

void EnumTypeSpec::print(std::ostream& out) const {
    out << "enum " << get_name() << " { " << *enumerators << " }";
}
