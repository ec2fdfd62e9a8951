// An IDL exception: one public final Java class extending the runtime's
// user exception, and the marshal methods of its helper, which put the
// repository identifier on the wire before the members.
#ifndef QUORVEX_IDLGEN_JAVAEXCEPTIONTYPE_H
#define QUORVEX_IDLGEN_JAVAEXCEPTIONTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaProjection.h"

class ExceptionTypeSpec;

class JavaExceptionType : public JavaNamedAST {
public:
    static JavaExceptionType& project(const ExceptionTypeSpec& ts) {
        return projectionOf<JavaExceptionType>(ts, [&] { return new JavaExceptionType(ts); });
    }

    void print(std::ostream& out) const override { out << getJavaName(); }
    Tag getTag() const override { return jExceptionType; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;

    const ExceptionTypeSpec& getExceptionTypeSpec() const;

    static bool isA(const JavaType& t) { return t.getTag() == jExceptionType; }
    static const JavaExceptionType& narrow(const JavaType& t);

private:
    explicit JavaExceptionType(const ExceptionTypeSpec& ts);
};

#endif
