// Parsing and resolving IDL text in the tree's unit tests.
#ifndef QUORVEX_TESTS_TREE_SUPPORT_H
#define QUORVEX_TESTS_TREE_SUPPORT_H

#include <string>

#include "lib/msg.h"
#include "ast/names/scope.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "parser_support.h"

namespace tree_support {

// The declarations of the parsed text, resolved in a fresh file scope.
inline DeclList& resolve(const std::string& text) {
    DefinitionList* defs = parser_support::parse(text);
    if (!defs) std::abort();
    DeclList* decls = defs->getDeclList();
    Scope scope("FILE");
    decls->resolve_names(scope);
    return *decls;
}

inline Declarator& find(DeclList& decls, const char* name) {
    Declarator* d = decls.resolve(Id(name, SrcLoc()));
    if (!d) std::abort();
    return *d;
}

inline InterfaceTypeSpec& interface(DeclList& decls, const char* name) {
    return InterfaceTypeSpec::narrow(find(decls, name).get_typespec());
}

inline std::string full_name(const Declarator& d) { return d.get_full_name()->full_text().str(); }

}  // namespace tree_support

#endif
