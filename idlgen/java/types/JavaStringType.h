// Projection of the IDL string type: java String, written and read by the
// stream's string calls.
#ifndef QUORVEX_IDLGEN_JAVASTRINGTYPE_H
#define QUORVEX_IDLGEN_JAVASTRINGTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class StringTypeSpec;

class JavaStringType : public JavaAST, public JavaKind {
public:
    static JavaStringType& project(const StringTypeSpec& ts) {
        return projectionOf<JavaStringType>(ts, [&] { return new JavaStringType(ts); });
    }

    void print(std::ostream& out) const override;
    JavaName getJavaName() const override;
    void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                      const String& indent) const override;
    void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                        const String& indent) const override;

    // A wide string (wstring, only with -fcorba3).
    bool isWide() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return isWide() ? 27 : 18; }
    bool travelsInHolder() const override { return false; }
    bool unionNeedsHolder() const override { return true; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaStringType*>(&t) != nullptr; }
    static const JavaStringType& narrow(const JavaType& t);

private:
    explicit JavaStringType(const StringTypeSpec& ts);
};

#endif
