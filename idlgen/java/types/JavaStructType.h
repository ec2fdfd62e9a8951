// An IDL struct: one public final Java class with a public field per member
// and two constructors, and the marshal methods of its helper.
#ifndef QUORVEX_IDLGEN_JAVASTRUCTTYPE_H
#define QUORVEX_IDLGEN_JAVASTRUCTTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class StructTypeSpec;

class JavaStructType : public JavaNamedAST, public JavaKind {
public:
    static JavaStructType& project(const StructTypeSpec& ts) {
        return projectionOf<JavaStructType>(ts, [&] { return new JavaStructType(ts); });
    }

    void print(std::ostream& out) const override { out << getJavaName(); }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;

    const StructTypeSpec& getStructTypeSpec() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 15; }
    bool travelsInHolder() const override { return true; }
    bool unionNeedsHolder() const override { return false; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    void addClientGenerators(JavaTypeList& out) const override;
    bool ownsClass() const override { return true; }
    bool holdsPackage() const override { return true; }
    bool takesPrefix() const override { return true; }
    bool prefixReachesContents() const override { return true; }
    bool isDirectiveScope() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaStructType*>(&t) != nullptr; }
    static const JavaStructType& narrow(const JavaType& t);

private:
    explicit JavaStructType(const StructTypeSpec& ts);
};

#endif
