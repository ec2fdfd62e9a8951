// Projection of an IDL base type (boolean, char, the integers, the
// floating types, octet, any): Java primitive types written and read by the
// stream's own calls.
#ifndef QUORVEX_IDLGEN_JAVABASETYPE_H
#define QUORVEX_IDLGEN_JAVABASETYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class BaseTypeSpec;
struct JavaBaseTypeInfo;

class JavaBaseType : public JavaAST, public JavaKind {
public:
    static JavaBaseType& project(const BaseTypeSpec& ts) {
        return projectionOf<JavaBaseType>(ts, [&] { return new JavaBaseType(ts); });
    }

    void print(std::ostream& out) const override;
    JavaName getJavaName() const override;
    void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                      const String& indent) const override;
    void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                        const String& indent) const override;
    String initializer() const override;

    // The IDL base type tag (0 to 11).
    int getBaseTag() const;
    const JavaBaseTypeInfo& getInfo() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override;
    bool travelsInHolder() const override { return false; }
    bool unionNeedsHolder() const override { return true; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaBaseType*>(&t) != nullptr; }
    static const JavaBaseType& narrow(const JavaType& t);

private:
    explicit JavaBaseType(const BaseTypeSpec& ts);
};

#endif
