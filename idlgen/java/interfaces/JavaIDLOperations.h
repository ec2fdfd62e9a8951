// The Java method declarations of an interface's own operations and
// attributes, as the reference interface declares them.  Writes no file of
// its own.
#ifndef QUORVEX_IDLGEN_JAVAIDLOPERATIONS_H
#define QUORVEX_IDLGEN_JAVAIDLOPERATIONS_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaProjection.h"

class InterfaceTypeSpec;

class JavaIDLOperations : public JavaNamedAST {
public:
    static JavaIDLOperations& project(const InterfaceTypeSpec& ts) {
        return projectionOf<JavaIDLOperations>(ts, [&] { return new JavaIDLOperations(ts); });
    }

    void print(std::ostream& out) const override { out << getJavaName(); }
    Tag getTag() const override { return jIDLOperations; }

    // One declaration per operation (class operations excepted) and per
    // attribute accessor, in source order, each line begun with `indent`.
    void printMappedOperations(std::ostream& out, const String& indent) const;

private:
    explicit JavaIDLOperations(const InterfaceTypeSpec& ts);
};

#endif
