// Projection of an IDL interface type.  Values of an interface type are
// object references, marshalled through the interface's Helper like every
// other named type; the Helper's own marshal methods write and read them
// as objects.  The interface's Java files are written by the generators of
// idlgen/java/interfaces (reference interface, stub) and
// idlgen/java/server (skeleton).
#ifndef QUORVEX_IDLGEN_JAVAINTERFACETYPE_H
#define QUORVEX_IDLGEN_JAVAINTERFACETYPE_H

#include <vector>

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/core/JavaProjection.h"

class ForwardTypeSpec;
class InterfaceTypeSpec;
class NamedTypeSpec;

class JavaInterfaceType : public JavaNamedAST, public JavaKind {
public:
    static JavaInterfaceType& project(const InterfaceTypeSpec& ts);
    // An interface known only by its forward declaration (-fcorba3): an
    // object reference of the class that the ORB or another compilation
    // supplies.  Only its names and marshalling are asked for; nothing is
    // written for it.
    static JavaInterfaceType& reference(const ForwardTypeSpec& ts);

    void print(std::ostream& out) const override;
    void printMarshalMethods(std::ostream& out) const override;

    const InterfaceTypeSpec& getInterfaceTypeSpec() const;
    // The interface's own declarations, in source order.
    JavaDeclList& getExports() const;
    // Every base, direct or not, in the order of the inheritance list.
    std::vector<const InterfaceTypeSpec*> getInherits() const;
    // Marked by #pragma serverless or the environment: no stub, no skeleton.
    bool isServerless() const;
    // A local interface (-fcorba3): no stub, no skeleton, and references
    // that are never marshalled.
    bool isLocal() const;
    // An abstract interface (-fcorba3): what travels is a reference or a
    // value, through the Helper and in its Holder.
    bool isAbstract() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return isAbstract() ? 32 : 14; }
    bool travelsInHolder() const override { return isAbstract(); }
    bool unionNeedsHolder() const override { return false; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    void addClientGenerators(JavaTypeList& out) const override;
    bool holdsPackage() const override { return true; }
    bool takesPrefix() const override { return true; }
    bool prefixReachesContents() const override { return true; }
    bool isDirectiveScope() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaInterfaceType*>(&t) != nullptr; }
    static const JavaInterfaceType& narrow(const JavaType& t);

private:
    explicit JavaInterfaceType(const NamedTypeSpec& ts);
};

#endif
