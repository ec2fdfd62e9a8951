// What the two accessors of an attribute share: the attribute's Java type
// and name, and the accessor's IDL name, "_get_" or "_set_" joined to the
// attribute's name, which is also the accessor's name in its descriptor.
#ifndef QUORVEX_IDLGEN_JAVAACCESSORDECLARATOR_H
#define QUORVEX_IDLGEN_JAVAACCESSORDECLARATOR_H

#include "idlgen/java/interfaces/JavaOperation.h"
#include "lib/String.h"

class JavaAST;
class SimpleDeclarator;

class JavaAccessorDeclarator : public JavaOperation {
public:
    const SimpleDeclarator& getAttribute() const { return *attribute; }
    JavaAST& getAttrType() const;
    // The attribute's Java name (both accessors carry it).
    String getAttrName() const;
    // "_get_" / "_set_" and the attribute's IDL name.
    String getIDLName() const;
    String idlName() const override { return getIDLName(); }

protected:
    JavaAccessorDeclarator(const SimpleDeclarator& attribute, const char* prefix)
        : attribute(&attribute), prefix(prefix) {}

private:
    const SimpleDeclarator* attribute;
    const char* prefix;
};

#endif
