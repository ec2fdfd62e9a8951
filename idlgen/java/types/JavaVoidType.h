// Projection of void: the Java type void, which is never marshalled.
#ifndef QUORVEX_IDLGEN_JAVAVOIDTYPE_H
#define QUORVEX_IDLGEN_JAVAVOIDTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class VoidTypeSpec;

class JavaVoidType : public JavaAST, public JavaKind {
public:
    static JavaVoidType& project(const VoidTypeSpec& ts) {
        return projectionOf<JavaVoidType>(ts, [&] { return new JavaVoidType(ts); });
    }

    void print(std::ostream& out) const override;
    JavaName getJavaName() const override;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 1; }
    bool travelsInHolder() const override { return false; }
    bool unionNeedsHolder() const override;
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaVoidType*>(&t) != nullptr; }
    static const JavaVoidType& narrow(const JavaType& t);

private:
    explicit JavaVoidType(const VoidTypeSpec& ts);
};

#endif
