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
};

#endif
