// The reference interface of an IDL interface: a Java interface named
// after it that extends org.omg.CORBA.Object and the reference interfaces
// of its bases, with the interface's constants and one method per
// operation and attribute accessor.
#ifndef QUORVEX_IDLGEN_JAVAOBJREF_H
#define QUORVEX_IDLGEN_JAVAOBJREF_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaProjection.h"

class InterfaceTypeSpec;

class JavaObjRef : public JavaNamedAST {
public:
    static JavaObjRef& project(const InterfaceTypeSpec& ts) {
        return projectionOf<JavaObjRef>(ts, [&] { return new JavaObjRef(ts); });
    }

    void print(std::ostream& out) const override { out << getJavaName(); }
    Tag getTag() const override { return jObjRef; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;

    // Every constant of the export table, as a field.
    static void printInitDeclarators(std::ostream& out, const InterfaceTypeSpec& iface);

    static bool isA(const JavaType& t) { return t.getTag() == jObjRef; }
    static const JavaObjRef& narrow(const JavaType& t);

private:
    explicit JavaObjRef(const InterfaceTypeSpec& ts);
};

#endif
