// The Java files of a value type (-fcorba3) besides its Helper and Holder:
//
// - the value class: for a concrete value type an abstract class the user
//   extends, with the state members as fields (public ones public, private
//   ones protected), the repository identifiers it travels with, the
//   marshal methods of its state (a custom value type marshals itself), and
//   an abstract method per operation and attribute accessor; for an
//   abstract value type a Java interface of those methods;
// - [Name]ValueFactory, the interface of its initializers, when it has any;
// - [Name]DefaultFactory, when its class has nothing abstract left (no
//   operations, attributes or supported interfaces, no initializers): the
//   factory the runtime finds by the repository identifier.
//
// Interfaces here have no Operations interface: a value type supporting an
// interface that is not abstract declares that interface's operations as
// abstract methods of its own; an abstract interface or abstract value type
// it supports or inherits is a Java interface its class implements.
#ifndef QUORVEX_IDLGEN_JAVAVALUECLASS_H
#define QUORVEX_IDLGEN_JAVAVALUECLASS_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaProjection.h"

class InterfaceTypeSpec;
class ValueTypeSpec;

class JavaValueClass : public JavaNamedAST {
public:
    static JavaValueClass& project(const ValueTypeSpec& ts);

    void print(std::ostream& out) const override { out << getJavaName(); }
    Tag getTag() const override { return jValueClass; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;

    // The abstract methods of an interface's own operations and attributes
    // (those of its bases too when `inherited`).
    static void printAbstractMethods(std::ostream& out, const InterfaceTypeSpec& iface, bool inherited,
                                     const char* modifiers);

private:
    explicit JavaValueClass(const ValueTypeSpec& ts);

    const ValueTypeSpec& value() const;
    void writeValueClass(JavaFiles& files, const ConFile& source, int verbose) const;
    void writeFactory(JavaFiles& files, const ConFile& source, int verbose) const;
    void writeDefaultFactory(JavaFiles& files, const ConFile& source, int verbose) const;
};

#endif
