// Projection of an IDL union type: one public final class keeping the
// discriminator, the current branch value and an "initialized" flag, with a
// getter and a setter per branch, and the helper's marshal methods that
// write the discriminator followed by the selected branch.
#ifndef QUORVEX_IDLGEN_JAVAUNIONTYPE_H
#define QUORVEX_IDLGEN_JAVAUNIONTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaProjection.h"

class JavaUnionCases;
class UnionTypeSpec;

class JavaUnionType : public JavaNamedAST {
public:
    static JavaUnionType& project(const UnionTypeSpec& ts) {
        return projectionOf<JavaUnionType>(ts, [&] { return new JavaUnionType(ts); });
    }

    void print(std::ostream& out) const override;
    Tag getTag() const override { return jUnionType; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;
    // Values of a union travel through its helper, like those of every
    // named type: the inherited printMarshal and printUnmarshal serve.

    const UnionTypeSpec& getUnionTypeSpec() const;

    // Whether a branch of this type is kept in its holder object: base
    // types, enums and strings are; everything else is kept as it is.
    static bool needsHolder(const JavaAST& type);

    static bool isA(const JavaType& t) { return t.getTag() == jUnionType; }
    static const JavaUnionType& narrow(const JavaType& t);

private:
    explicit JavaUnionType(const UnionTypeSpec& ts);
};

#endif
