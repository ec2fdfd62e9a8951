// Directives that set repository identifiers under -fcorba3: "#pragma ID",
// "#pragma version", and the declarations "typeprefix" and "typeid".  The
// scanner records each with the names of the scopes it stands in; the
// generator's repository pass applies them once the file is checked.
#ifndef QUORVEX_AST_REPOSITORYDIRECTIVE_H
#define QUORVEX_AST_REPOSITORYDIRECTIVE_H

#include <string>
#include <vector>

#include "lib/srcloc.h"

class DefinitionList;

struct RepositoryDirective {
    enum Kind {
        id,       // "#pragma ID name "id"" or "typeid name "id"": the whole identifier
        version,  // "#pragma version name major.minor": the version after the name
        prefix,   // "typeprefix name "prefix"": the prefix of everything in the named scope
    };
    Kind kind;
    // The scope the directive stands in (RepositoryDirectives::scope_path
    // names it), or -1 at file level.
    int scope;
    // The name as written, its components separated by "::"; a leading
    // "::" makes it absolute.
    std::string name;
    std::string value;
    SrcLoc loc;

    // "#pragma ID", "#pragma version" or "typeprefix".
    const char* what() const;
};

namespace RepositoryDirectives {

// A scope the scanner entered: the one named `name` inside `parent` (-1 at
// file level).  Scopes are kept as a tree, so that a directive costs one
// number however deep it stands.
int enter_scope(int parent, const std::string& name);
// The names of the scope and those around it, outermost first.
std::vector<std::string> scope_path(int scope);

// Records a directive of the file being parsed.
void add(const RepositoryDirective& directive);
// Hands the directives recorded since the last call to the file whose
// definitions are `list` (null when the parse was abandoned: they are
// dropped).
void attach(const DefinitionList* list);
// The directives of a file, in source order; null when it has none.
const std::vector<RepositoryDirective>* of(const DefinitionList& list);

}  // namespace RepositoryDirectives

#endif
