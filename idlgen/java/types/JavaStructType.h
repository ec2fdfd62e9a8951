// An IDL struct: one public final Java class with a public field per member
// and two constructors, and the marshal methods of its helper.
#ifndef QUORVEX_IDLGEN_JAVASTRUCTTYPE_H
#define QUORVEX_IDLGEN_JAVASTRUCTTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaProjection.h"

class StructTypeSpec;

class JavaStructType : public JavaNamedAST {
public:
    static JavaStructType& project(const StructTypeSpec& ts) {
        return projectionOf<JavaStructType>(ts, [&] { return new JavaStructType(ts); });
    }

    void print(std::ostream& out) const override { out << getJavaName(); }
    Tag getTag() const override { return jStructType; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;

    const StructTypeSpec& getStructTypeSpec() const;

    static bool isA(const JavaType& t) { return t.getTag() == jStructType; }
    static const JavaStructType& narrow(const JavaType& t);

private:
    explicit JavaStructType(const StructTypeSpec& ts);
};

#endif
