// The pass that carries each `#pragma javaPackage` to the top-level
// declarations after it, as the environment attribute "javaPackage".
#ifndef QUORVEX_IDLGEN_JAVAPACKAGEPRAGMA_H
#define QUORVEX_IDLGEN_JAVAPACKAGEPRAGMA_H

class Decl;
class DefinitionList;
class EnvAttr;

class JavaPackagePragma {
public:
    static void pushPragmas(const DefinitionList& definitions, const EnvAttr* current);
    // Marks the declaration's declarators and its named type's declarator;
    // nested declarations inherit the package through their container.
    static void pushPragmas(const Decl& decl, const EnvAttr* current);
};

#endif
