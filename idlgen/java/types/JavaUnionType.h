// Projection of an IDL union type: one public final class keeping the
// discriminator, the current branch value and an "initialized" flag, with a
// getter and a setter per branch, and the helper's marshal methods that
// write the discriminator followed by the selected branch.
#ifndef QUORVEX_IDLGEN_JAVAUNIONTYPE_H
#define QUORVEX_IDLGEN_JAVAUNIONTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class JavaUnionCases;
class UnionTypeSpec;

class JavaUnionType : public JavaNamedAST, public JavaKind {
public:
    static JavaUnionType& project(const UnionTypeSpec& ts) {
        return projectionOf<JavaUnionType>(ts, [&] { return new JavaUnionType(ts); });
    }

    void print(std::ostream& out) const override;
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;
    // Values of a union travel through its helper, like those of every
    // named type: the inherited printMarshal and printUnmarshal serve.

    const UnionTypeSpec& getUnionTypeSpec() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 0; }
    bool travelsInHolder() const override { return true; }
    bool unionNeedsHolder() const override { return false; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    void addClientGenerators(JavaTypeList& out) const override;
    bool ownsClass() const override { return true; }
    bool holdsPackage() const override { return true; }
    bool takesPrefix() const override { return true; }
    bool isDirectiveScope() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaUnionType*>(&t) != nullptr; }
    static const JavaUnionType& narrow(const JavaType& t);

private:
    explicit JavaUnionType(const UnionTypeSpec& ts);
};

#endif
