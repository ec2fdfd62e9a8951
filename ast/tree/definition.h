// The top layer of a file's syntax tree: a list of definitions, each a
// declaration or a pragma kept at its place among the declarations.
#ifndef QUORVEX_AST_DEFINITION_H
#define QUORVEX_AST_DEFINITION_H

#include <iosfwd>

#include "ast/tree/printable.h"
#include "lib/dllist.h"

class Decl;
class DeclList;
class PragmaJavaPackage;
class PragmaPrefix;
class PragmaServerless;

enum DefinitionTag {
    Decl_DefinitionTag = 0,
    PragmaJavaPackage_DefinitionTag = 1,
    PragmaPrefix_DefinitionTag = 2,
    PragmaServerless_DefinitionTag = 3
};

class Definition : public Printable {
public:
    virtual DefinitionTag getTag() const = 0;

    // Ends the run: a definition was narrowed to a class it is not.
    [[noreturn]] void narrowFault(const char* expected) const;
};

class DeclDefinition : public Definition {
public:
    explicit DeclDefinition(Decl& decl) : decl(&decl) {}
    DefinitionTag getTag() const override { return Decl_DefinitionTag; }
    void print(std::ostream& out) const override;
    Decl& getDecl() const { return *decl; }

    static bool is(const Definition& d) { return d.getTag() == Decl_DefinitionTag; }
    static const DeclDefinition& narrow(const Definition& d);

private:
    Decl* decl;
};

class PragmaJavaPackageDefinition : public Definition {
public:
    explicit PragmaJavaPackageDefinition(PragmaJavaPackage& p) : pragma(&p) {}
    DefinitionTag getTag() const override { return PragmaJavaPackage_DefinitionTag; }
    void print(std::ostream& out) const override;
    PragmaJavaPackage& getPragma() const { return *pragma; }

    static bool is(const Definition& d) { return d.getTag() == PragmaJavaPackage_DefinitionTag; }
    static const PragmaJavaPackageDefinition& narrow(const Definition& d);

private:
    PragmaJavaPackage* pragma;
};

class PragmaPrefixDefinition : public Definition {
public:
    explicit PragmaPrefixDefinition(PragmaPrefix& p) : pragma(&p) {}
    DefinitionTag getTag() const override { return PragmaPrefix_DefinitionTag; }
    void print(std::ostream& out) const override;
    PragmaPrefix& getPragma() const { return *pragma; }

    static bool is(const Definition& d) { return d.getTag() == PragmaPrefix_DefinitionTag; }
    static const PragmaPrefixDefinition& narrow(const Definition& d);

private:
    PragmaPrefix* pragma;
};

class PragmaServerlessDefinition : public Definition {
public:
    explicit PragmaServerlessDefinition(PragmaServerless& p) : pragma(&p) {}
    DefinitionTag getTag() const override { return PragmaServerless_DefinitionTag; }
    void print(std::ostream& out) const override;
    PragmaServerless& getPragma() const { return *pragma; }

    static bool is(const Definition& d) { return d.getTag() == PragmaServerless_DefinitionTag; }
    static const PragmaServerlessDefinition& narrow(const Definition& d);

private:
    PragmaServerless* pragma;
};

class DefinitionList : public DLList<Definition>, public Printable {
public:
    DefinitionList() = default;
    explicit DefinitionList(Definition& first) : DLList<Definition>(first) {}

    // A new list of the Decl of every DeclDefinition, in order.
    DeclList* getDeclList() const;
    // Each definition followed by "; ".
    void print(std::ostream& out) const override;
};

#endif
