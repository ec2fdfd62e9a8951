// The objects of the #pragma lines: prefix, javaPackage, serverless and
// builtin (an import pragma carries only an Id).
#ifndef QUORVEX_AST_PRAGMA_H
#define QUORVEX_AST_PRAGMA_H

#include <iosfwd>

#include "lib/srcloc.h"
#include "ast/tree/astitem.h"
#include "ast/tree/printable.h"
#include "lib/String.h"

class Decl;
class DeclList;
class DefinitionList;
class Id;
class Reader;

class PragmaPrefix : public ASTItem {
public:
    explicit PragmaPrefix(const String& prefix) : prefix(prefix) {}
    const String& get_prefix() const { return prefix; }
    // Prints #pragma prefix "text".
    void print(std::ostream& out) const override;

private:
    String prefix;
};

class PragmaJavaPackage : public ASTItem {
public:
    explicit PragmaJavaPackage(const String& package, const SrcLoc& loc = SrcLoc()) : package(package), loc(loc) {}
    const String& get_package() const { return package; }
    // The line of the pragma.
    const SrcLoc& get_loc() const { return loc; }
    void print(std::ostream& out) const override;

private:
    String package;
    SrcLoc loc;
};

class PragmaServerless : public ASTItem {
public:
    explicit PragmaServerless(const String& name) : name(name) {}
    const String& get_name() const { return name; }
    void print(std::ostream& out) const override;

    // Marks every interface named by a serverless pragma of the list.
    static void process(DefinitionList& definitions);
    // Marks the declarator named by this pragma, if any, "serverless".
    void annotate(DeclList& decls) const;

private:
    String name;
};

class PragmaBuiltin : public ASTItem {
public:
    PragmaBuiltin(const String& name, const String& java_class, const SrcLoc& loc)
        : name(name), java_class(java_class), loc(loc) {}
    PragmaBuiltin(const String& name, const SrcLoc& loc) : name(name), loc(loc) {}

    const String& getName() const { return name; }
    const String& getJavaClass() const { return java_class; }
    const SrcLoc& getSrcLoc() const { return loc; }
    void print(std::ostream& out) const override;

    // A typedef of a builtin type to the pragma's name.
    Decl* toDecl(Reader& reader) const;
    // The declaration of `native name;` (-fcorba3): a builtin type with no
    // Java class of its own.
    static Decl* nativeDecl(const Id& name, Reader& reader);

private:
    String name;
    String java_class;
    SrcLoc loc;
};

#endif
