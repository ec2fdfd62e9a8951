// An IDL enum: one public final Java class with an int constant and an
// object per enumerator, and the marshal methods of its helper.
#ifndef QUORVEX_IDLGEN_JAVAENUMTYPE_H
#define QUORVEX_IDLGEN_JAVAENUMTYPE_H

#include <vector>

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class EnumTypeSpec;

class JavaEnumType : public JavaNamedAST, public JavaKind {
public:
    static JavaEnumType& project(const EnumTypeSpec& ts) {
        return projectionOf<JavaEnumType>(ts, [&] { return new JavaEnumType(ts); });
    }

    void print(std::ostream& out) const override { out << getJavaName(); }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;
    String initializer() const override { return "0"; }

    const EnumTypeSpec& getEnumTypeSpec() const;
    // The enumerator identifiers, unescaped, in order.
    std::vector<String> getValues() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 17; }
    bool travelsInHolder() const override { return true; }
    bool unionNeedsHolder() const override { return true; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    void addClientGenerators(JavaTypeList& out) const override;
    bool ownsClass() const override { return true; }
    bool takesPrefix() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaEnumType*>(&t) != nullptr; }
    static const JavaEnumType& narrow(const JavaType& t);

private:
    explicit JavaEnumType(const EnumTypeSpec& ts);
};

#endif
