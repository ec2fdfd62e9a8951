// The server side of one IDL file: a skeleton class for every interface of
// the file that is not serverless, in modules too (interfaces nest no
// interfaces).
#ifndef QUORVEX_IDLGEN_JAVASERVERIMPL_H
#define QUORVEX_IDLGEN_JAVASERVERIMPL_H

#include "idlgen/java/core/JavaImpl.h"
#include "idlgen/java/core/JavaType.h"

class Decl;
class DeclList;
class JavaFiles;

class JavaServerImpl : public JavaImpl {
public:
    explicit JavaServerImpl(const ConFile& file);

    // Writes the file of every generator, in the order collected.
    void writeFiles(JavaFiles& files, int verbose) const;

    const JavaTypeList& getGenerators() const { return generators; }

private:
    void make(const DeclList& decls);
    bool fromContractFile(const Decl& decl) const;
    // Nothing is written for the file itself on the server side.
    void writeFile(JavaFiles&, int) const {}

    JavaTypeList generators;
};

#endif
