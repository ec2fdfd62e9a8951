// Projection of an IDL union type.  Its Java classes and marshalling are
// not generated yet: asking for them reports an unimplemented feature.
#ifndef QUORVEX_IDLGEN_JAVAUNIONTYPE_H
#define QUORVEX_IDLGEN_JAVAUNIONTYPE_H

#include "idlgen/java/core/JavaAST.h"

class UnionTypeSpec;

class JavaUnionType : public JavaNamedAST {
public:
    static JavaUnionType& project(const UnionTypeSpec& ts) { return *new JavaUnionType(ts); }

    void print(std::ostream& out) const override;
    Tag getTag() const override { return jUnionType; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;
    // Values of a union travel through its helper, like those of every
    // named type: the inherited printMarshal and printUnmarshal serve.

    static bool isA(const JavaType& t) { return t.getTag() == jUnionType; }
    static const JavaUnionType& narrow(const JavaType& t);

private:
    explicit JavaUnionType(const UnionTypeSpec& ts);
};

#endif
