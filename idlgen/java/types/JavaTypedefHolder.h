// The holder class of a typedef name, [Typedef]Holder, holding a value of
// the aliased type.
#ifndef QUORVEX_IDLGEN_JAVATYPEDEFHOLDER_H
#define QUORVEX_IDLGEN_JAVATYPEDEFHOLDER_H

#include "idlgen/java/types/JavaHolder.h"

class JavaDeclarator;

class JavaTypedefHolder : public JavaHolder {
public:
    JavaTypedefHolder(const JavaAST& type, const JavaDeclarator& typedefDeclarator);

    void print(std::ostream& out) const override;
    JavaName getHolderName() const override;
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;

private:
    const JavaDeclarator* declarator;
};

#endif
