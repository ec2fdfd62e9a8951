// The stub class of an IDL interface, "_" [Name] "Stub": it extends the
// runtime's object-implementation base, implements the reference
// interface, owns the operation-descriptor table __ops filled in its static
// initialiser, and has one stub method per operation and accessor.
#ifndef QUORVEX_IDLGEN_JAVAINTERFACE_H
#define QUORVEX_IDLGEN_JAVAINTERFACE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaProjection.h"

class InterfaceTypeSpec;

class JavaInterface : public JavaNamedAST {
public:
    static JavaInterface& project(const InterfaceTypeSpec& ts) {
        return projectionOf<JavaInterface>(ts, [&] { return new JavaInterface(ts); });
    }

    // The stub class name.
    void print(std::ostream& out) const override;
    Tag getTag() const override { return jInterface; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;

    static int countOpDeclarators(const InterfaceTypeSpec& iface);
    static void printDescriptors(std::ostream& out, const String& indent, const InterfaceTypeSpec& iface);
    // The stub methods; reports the exports that cannot be operations.
    static void printOpDeclarators(std::ostream& out, const InterfaceTypeSpec& iface);

    static bool isA(const JavaType& t) { return t.getTag() == jInterface; }
    static const JavaInterface& narrow(const JavaType& t);

private:
    explicit JavaInterface(const InterfaceTypeSpec& ts);
};

#endif
