// Projections of the tree's types: the generator object that looks at
// one TypeSpec and prints Java for it.  A node's projection is made the first
// time it is asked for and kept (JavaProjection.h); the one piece of state
// kept on the tree is the node's Java name, cached in its property list
// under "JavaASTData".
#ifndef QUORVEX_IDLGEN_JAVAAST_H
#define QUORVEX_IDLGEN_JAVAAST_H

#include "idlgen/java/core/JavaType.h"

class Decl;
class Declarator;
class JavaDecl;
class JavaDeclarator;
class NamedTypeSpec;
class TypeSpec;

// The per-node data slot: the node's Java name, or null when it has none.
class JavaASTData {
public:
    explicit JavaASTData(JavaName* name) : name(name) {}
    JavaName* name;
    static const char* const propertyName;
};

class JavaAST : public JavaType {
public:
    explicit JavaAST(const TypeSpec& ts);

    // The kinds of type answer jKind; generators override.
    Tag getTag() const override { return jKind; }

    // The projection matching the node's kind (defined with the kinds, in
    // java/types/JavaASTProject.cc).
    static JavaAST& project(const TypeSpec& ts);

    const TypeSpec& getTypeSpec() const { return *typeSpec; }
    bool definesName() const;
    JavaDecl& getDecl() const;
    void* getData(const char* key) const;
    void setData(const char* key, void* data) const;

    JavaName getJavaName() const override;
    // The projection that really describes the type: through forward
    // declarations, imports and typedef names.
    virtual const JavaAST& underType() const { return *this; }

    static bool isA(const JavaType&) { return true; }

private:
    const TypeSpec* typeSpec;
};

// Types with a name of their own: struct, union, enum, exception,
// interface, module, forward declaration and import.  Values of these types
// are marshalled through their helper class.
class JavaNamedAST : public JavaAST {
public:
    explicit JavaNamedAST(const NamedTypeSpec& ts);

    const NamedTypeSpec& getNamedTypeSpec() const;
    // The type's own declarator.
    JavaDeclarator& getDeclarator() const;
    // The declarator the node unwraps to.
    JavaDeclarator& unwrap() const;

    void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                      const String& indent) const override;
    void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                        const String& indent) const override;
};

#endif
