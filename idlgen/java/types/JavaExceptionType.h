// An IDL exception: one public final Java class extending the runtime's
// user exception, and the marshal methods of its helper, which put the
// repository identifier on the wire before the members.
#ifndef QUORVEX_IDLGEN_JAVAEXCEPTIONTYPE_H
#define QUORVEX_IDLGEN_JAVAEXCEPTIONTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class ExceptionTypeSpec;

class JavaExceptionType : public JavaNamedAST, public JavaKind {
public:
    static JavaExceptionType& project(const ExceptionTypeSpec& ts) {
        return projectionOf<JavaExceptionType>(ts, [&] { return new JavaExceptionType(ts); });
    }

    void print(std::ostream& out) const override { out << getJavaName(); }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;

    const ExceptionTypeSpec& getExceptionTypeSpec() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 22; }
    bool travelsInHolder() const override { return false; }
    bool unionNeedsHolder() const override;
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    void addClientGenerators(JavaTypeList& out) const override;
    bool ownsClass() const override { return true; }
    bool holdsPackage() const override { return true; }
    bool takesPrefix() const override { return true; }
    bool prefixReachesContents() const override { return true; }
    bool isDirectiveScope() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaExceptionType*>(&t) != nullptr; }
    static const JavaExceptionType& narrow(const JavaType& t);

private:
    explicit JavaExceptionType(const ExceptionTypeSpec& ts);
};

#endif
