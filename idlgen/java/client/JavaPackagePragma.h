// The pass that carries each `#pragma javaPackage` to the top-level
// declarations after it, as the environment attribute "javaPackage", and
// the check that every package so given is one Java can have.
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
    // Reports each "javaPackage" of a top-level declaration (from a pragma
    // or an environment file) that is not a Java package name, and each
    // such pragma.  Run after pushPragmas, before anything is written.
    static void checkPackages(const DefinitionList& definitions);
};

#endif
