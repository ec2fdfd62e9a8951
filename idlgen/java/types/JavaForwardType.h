// Projection of a forward declaration of an interface: the interface
// defined later stands behind it, or, for an interface never defined
// (-fcorba3), an object reference of the class named after it.
#ifndef QUORVEX_IDLGEN_JAVAFORWARDTYPE_H
#define QUORVEX_IDLGEN_JAVAFORWARDTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class DeclList;
class ForwardTypeSpec;

class JavaForwardType : public JavaNamedAST, public JavaKind {
public:
    static JavaForwardType& project(const ForwardTypeSpec& ts) {
        return projectionOf<JavaForwardType>(ts, [&] { return new JavaForwardType(ts); });
    }

    void print(std::ostream& out) const override { out << getJavaName(); }
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

    // Reports every forward declaration whose interface (or, -fcorba3,
    // struct or union) was never defined and that a type among `decls` (in
    // modules, interfaces and members too) names; true when there was one.  The generators look through
    // forward declarations, so they must not be built over such a file.
    static bool reportUndefined(const DeclList& decls);

    // JavaKind
    String typeCode() const override;
    int tcKind() const override;
    bool travelsInHolder() const override { return false; }
    bool unionNeedsHolder() const override { return false; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    bool takesPrefix() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaForwardType*>(&t) != nullptr; }
    static const JavaForwardType& narrow(const JavaType& t);

private:
    explicit JavaForwardType(const ForwardTypeSpec& ts);
};

#endif
