// Projection of a declaration: its attribute word, its type projected, and
// its declarators projected, in order.
#ifndef QUORVEX_IDLGEN_JAVADECL_H
#define QUORVEX_IDLGEN_JAVADECL_H

#include "ast/tree/printable.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaProjection.h"
#include "lib/dllist.h"

class Decl;
class DeclList;
class JavaAST;
class SrcLoc;
class TypeSpec;

class JavaDecl : public Printable {
public:
    static JavaDecl& project(const Decl& d) {
        return projectionOf<JavaDecl>(d, [&] { return new JavaDecl(d); });
    }

    const Decl& getDecl() const { return *decl; }
    unsigned getFlags() const;
    bool hasFlag(unsigned flag) const { return (getFlags() & flag) == flag; }
    bool isTypedef() const;
    JavaAST& getType() const;
    JavaDeclaratorList& getDeclarators() const;
    const SrcLoc& getLoc() const;
    bool hasContainer() const;
    const TypeSpec& getContainer() const;

    void print(std::ostream& out) const override;

private:
    explicit JavaDecl(const Decl& d) : decl(&d) {}
    const Decl* decl;
};

class JavaDeclList : public DLList<JavaDecl> {
public:
    JavaDeclList() = default;
    explicit JavaDeclList(const DeclList& decls);
};

#endif
