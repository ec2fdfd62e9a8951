#include <ostream>

#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

// EnumEntryDeclarator

EnumEntryDeclarator::EnumEntryDeclarator(Id& name, EnumTypeSpec& type)
    : Declarator(name, Description::null), type(&type) {
    set_typespec(type);
}

void EnumEntryDeclarator::print(std::ostream& out) const { out << get_name(); }

EnumEntryDeclarator& EnumEntryDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("EnumEntryDeclarator");
    return static_cast<EnumEntryDeclarator&>(d);
}
const EnumEntryDeclarator& EnumEntryDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("EnumEntryDeclarator");
    return static_cast<const EnumEntryDeclarator&>(d);
}
