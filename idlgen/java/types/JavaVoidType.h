// Projection of void: the Java type void, which is never marshalled.
#ifndef QUORVEX_IDLGEN_JAVAVOIDTYPE_H
#define QUORVEX_IDLGEN_JAVAVOIDTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaProjection.h"

class VoidTypeSpec;

class JavaVoidType : public JavaAST {
public:
    static JavaVoidType& project(const VoidTypeSpec& ts) {
        return projectionOf<JavaVoidType>(ts, [&] { return new JavaVoidType(ts); });
    }

    void print(std::ostream& out) const override;
    Tag getTag() const override { return jVoidType; }
    JavaName getJavaName() const override;

    static bool isA(const JavaType& t) { return t.getTag() == jVoidType; }
    static const JavaVoidType& narrow(const JavaType& t);

private:
    explicit JavaVoidType(const VoidTypeSpec& ts);
};

#endif
