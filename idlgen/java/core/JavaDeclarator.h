// Projection of a declarator: its Java name, its kind, the value of a
// constant, and its repository identifier, computed once and kept on the
// declarator.
#ifndef QUORVEX_IDLGEN_JAVADECLARATOR_H
#define QUORVEX_IDLGEN_JAVADECLARATOR_H

#include "ast/tree/printable.h"
#include "idlgen/java/core/JavaName.h"
#include "idlgen/java/core/JavaProjection.h"
#include "lib/String.h"
#include "lib/dllist.h"

class Declarator;
class JavaAST;

class JavaDeclarator : public Printable {
public:
    static JavaDeclarator& project(const Declarator& d) {
        return projectionOf<JavaDeclarator>(d, [&] { return new JavaDeclarator(d); });
    }

    const Declarator& getDeclarator() const { return *declarator; }
    JavaName getJavaName() const;
    // The declarator's IDL identifier.
    const String& getIDLName() const;
    int getTag() const;
    bool isArray() const;
    bool isConstant() const;
    bool isTypedefd() const;
    // The number of bounds of an array declarator, else 0.
    int getDimensionCount() const;
    // The type of the declarator's declaration.
    JavaAST& getType() const;

    bool hasRepositoryIdentifier() const;
    const String& getRepositoryIdentifier() const;
    void setRepositoryIdentifier(const String& id) const;

    // The Java item.
    void print(std::ostream& out) const override;

private:
    explicit JavaDeclarator(const Declarator& d) : declarator(&d) {}
    const Declarator* declarator;
};

class JavaDeclaratorList : public DLList<JavaDeclarator> {};

#endif
