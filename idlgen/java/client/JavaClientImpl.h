// The client side of one IDL file: decides which Java files the file's
// declarations produce (a class, a holder and a helper per type, a helper
// per typedef, a class per constant) and writes them.
#ifndef QUORVEX_IDLGEN_JAVACLIENTIMPL_H
#define QUORVEX_IDLGEN_JAVACLIENTIMPL_H

#include <vector>

#include "idlgen/java/core/JavaImpl.h"
#include "idlgen/java/core/JavaType.h"

class Decl;
class DeclList;
class JavaAST;
class JavaFiles;

class JavaClientImpl : public JavaImpl {
public:
    // Collects the generators of the file's top-level declarations.
    explicit JavaClientImpl(const ConFile& file);

    // Writes the file of every generator, in the order collected, then the
    // classes of the file-level constants.
    void writeFiles(JavaFiles& files, int verbose) const;

    const JavaTypeList& getGenerators() const { return generators; }

private:
    void add(const JavaType& generator) { generators.append(generator); }
    void make(const DeclList& decls);
    // Adds the generators of one declaration's type; the walk then visits
    // the declarations nested in it.
    void makeDecl(const Decl& decl);
    void makeTypedef(const Decl& decl);
    // True when the declaration comes from the contract file itself.
    bool fromContractFile(const Decl& decl) const;
    // The classes of the constants declared at file level.
    void writeFile(JavaFiles& files, int verbose) const;

    JavaTypeList generators;
};

#endif
