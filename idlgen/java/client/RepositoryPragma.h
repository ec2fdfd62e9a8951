// The pass that carries each file-level `#pragma prefix` to the
// declarations after it, as the environment attribute "RepositoryPrefix".
#ifndef QUORVEX_IDLGEN_REPOSITORYPRAGMA_H
#define QUORVEX_IDLGEN_REPOSITORYPRAGMA_H

class Decl;
class DeclList;
class DefinitionList;
class EnvAttr;

class RepositoryPragma {
public:
    // Walks the definitions in order; a prefix pragma applies to every
    // later declaration of the list.
    static void pushPragmas(const DefinitionList& definitions, const EnvAttr* current);
    // Marks the declaration's declarators, its type's own declarator, and
    // everything declared inside an interface or module it defines.
    static void pushPragmas(const Decl& decl, const EnvAttr* current);
    static void pushPragmas(const DeclList& decls, const EnvAttr* current);
    // Applies the file's "#pragma ID", "#pragma version", "typeid" and
    // "typeprefix" directives (-fcorba3): each name is looked up from the
    // scope the directive stands in outwards; an identifier or version
    // replaces what the declarator had, a typeprefix replaces the prefix of
    // the named scope and everything declared in it (an inner scope's
    // typeprefix wins over an outer one's).
    static void applyDirectives(DefinitionList& definitions);
};

#endif
