// Projection of an imported name (#pragma import, builtins): the imported
// declaration stands behind it.
#ifndef QUORVEX_IDLGEN_JAVAIMPORTTYPE_H
#define QUORVEX_IDLGEN_JAVAIMPORTTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class ImportTypeSpec;

class JavaImportType : public JavaNamedAST, public JavaKind {
public:
    static JavaImportType& project(const ImportTypeSpec& ts) {
        return projectionOf<JavaImportType>(ts, [&] { return new JavaImportType(ts); });
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

    // JavaKind
    String typeCode() const override;
    int tcKind() const override;
    bool travelsInHolder() const override { return false; }
    bool unionNeedsHolder() const override;
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    bool takesPrefix() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaImportType*>(&t) != nullptr; }
    static const JavaImportType& narrow(const JavaType& t);

private:
    explicit JavaImportType(const ImportTypeSpec& ts);
};

#endif
