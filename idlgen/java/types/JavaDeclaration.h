// One Java variable or parameter declaration, [Type] " " [name], the type
// chosen from the declaration's parameter mode: the mapped type for in-like
// modes, the holder class for out-like ones.
#ifndef QUORVEX_IDLGEN_JAVADECLARATION_H
#define QUORVEX_IDLGEN_JAVADECLARATION_H

#include "ast/tree/printable.h"
#include "idlgen/java/core/JavaName.h"

class Declarator;
class JavaAST;
class JavaDeclarator;
class TypeSpec;

class JavaDeclaration : public Printable {
public:
    JavaDeclaration(unsigned flags, const JavaAST& type, const JavaName& name);
    JavaDeclaration(unsigned flags, const JavaAST& type, const JavaDeclarator& declarator);
    JavaDeclaration(const JavaAST& type, const JavaName& name) : JavaDeclaration(0, type, name) {}
    JavaDeclaration(const JavaAST& type, const JavaDeclarator& declarator) : JavaDeclaration(0, type, declarator) {}
    JavaDeclaration(const JavaAST& type, const char* name) : JavaDeclaration(0, type, JavaName(name)) {}
    JavaDeclaration(const TypeSpec& type, const Declarator& declarator);
    // The same declaration under another name.
    JavaDeclaration(const JavaDeclaration& other, const JavaName& name);

    unsigned getFlags() const { return flags; }
    const JavaAST& getType() const { return *type; }
    const JavaName& getName() const { return name; }

    // The type, "[]" per array dimension of the declarator, " " and the name.
    void print(std::ostream& out) const override;
    // The same with the name's hidden form, "__" + item.
    virtual void printHidden(std::ostream& out) const;
    // The type part alone.
    void printType(std::ostream& out) const;
    String typeText() const;

private:
    unsigned flags;
    const JavaAST* type;
    JavaName name;
    const JavaDeclarator* declarator = nullptr;
};

#endif
