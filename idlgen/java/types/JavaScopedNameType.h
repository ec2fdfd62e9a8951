// Projection of a type used by name: everything is passed on to the type
// the name stands for, through chains of typedef names.
#ifndef QUORVEX_IDLGEN_JAVASCOPEDNAMETYPE_H
#define QUORVEX_IDLGEN_JAVASCOPEDNAMETYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class Declarator;
class ScopedNameTypeSpec;

class JavaScopedNameType : public JavaAST, public JavaKind {
public:
    static JavaScopedNameType& project(const ScopedNameTypeSpec& ts) {
        return projectionOf<JavaScopedNameType>(ts, [&] { return new JavaScopedNameType(ts); });
    }

    void print(std::ostream& out) const override { underType().print(out); }
    JavaName getJavaName() const override { return underType().getJavaName(); }
    void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                      const String& indent) const override {
        underType().printMarshal(out, stream, variable, indent);
    }
    void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                        const String& indent) const override {
        underType().printUnmarshal(out, stream, variable, indent);
    }
    String initializer() const override { return underType().initializer(); }
    const JavaAST& underType() const override;

    // The projection of the type of `d`, followed through further names and
    // imports to the first type that is neither.
    static const JavaAST& typeOf(const Declarator& d);

    // JavaKind
    String typeCode() const override;
    int tcKind() const override;
    bool travelsInHolder() const override { return false; }
    bool unionNeedsHolder() const override;
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaScopedNameType*>(&t) != nullptr; }
    static const JavaScopedNameType& narrow(const JavaType& t);

private:
    explicit JavaScopedNameType(const ScopedNameTypeSpec& ts) ;
};

#endif
