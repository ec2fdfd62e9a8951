#include "idlgen/java/client/RepositoryPragma.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "ast/env/envattr.h"
#include "lib/msg.h"
#include "ast/pragma/pragma.h"
#include "ast/pragma/repositorydirective.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "ast/tree/walk.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaLib.h"

void RepositoryPragma::pushPragmas(const DefinitionList& definitions, const EnvAttr* current) {
    for (DLListIter<Definition> it(definitions); it; it.next()) {
        const Definition& def = it.entry();
        switch (def.getTag()) {
        case PragmaPrefix_DefinitionTag:
            current = new EnvAttr(JavaLib::repositoryPrefixAttribute(),
                                  PragmaPrefixDefinition::narrow(def).getPragma().get_prefix(), SrcLoc());
            break;
        case Decl_DefinitionTag:
            pushPragmas(DeclDefinition::narrow(def).getDecl(), current);
            break;
        case PragmaJavaPackage_DefinitionTag:
        case PragmaServerless_DefinitionTag:
            break;
        default:
            msg::panic("RepositoryPragma::pushPragmas: unknown DefinitionTag");
        }
    }
}

void RepositoryPragma::pushPragmas(const DeclList& decls, const EnvAttr* current) {
    for (DLListIter<Decl> it(decls); it; it.next()) pushPragmas(it.entry(), current);
}

// Marks the declaration and what it contains: everything declared in an
// interface or module, and the types defined in a struct or exception.
void RepositoryPragma::pushPragmas(const Decl& top, const EnvAttr* current) {
    if (!current) return;
    struct Mark : DeclWalker {
        explicit Mark(const EnvAttr& attr) : attr(attr) {}
        const EnvAttr& attr;

        bool enter(const Decl& decl, const TypeSpec* container) override {
            if (decl.is_error()) return false;
            // Types defined inside a struct or exception have classes of
            // their own and need the prefix in their identifiers; their
            // data members do not.
            if (container && (StructTypeSpec::is(*container) || ExceptionTypeSpec::is(*container)) &&
                !decl.get_typespec().defines_name())
                return false;
            for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) d.entry().set_env_attr(attr);
            const TypeSpec& ts = decl.get_typespec();
            const JavaKind& kind = JavaKind::of(ts);
            if (kind.takesPrefix()) ts.get_declarator().set_env_attr(attr);
            return kind.prefixReachesContents();
        }
    } mark(*current);
    mark.walk(top);
}

namespace {

// The name a declaration's type gives to the scope it opens ("" when it
// opens none that directives can name).
const char* scopeName(const TypeSpec& ts) {
    return JavaKind::of(ts).isDirectiveScope() ? ts.get_declarator().get_name().as_charP() : "";
}

// The scopes of a file's declarations, each a number: the file is 0, and
// each named scope inside another is one entry, whatever how deep (a module
// reopened is the same scope again).  Names are kept by (scope, name), so
// that no full name is ever spelled out.
class ScopeIndex {
public:
    // The scope named `name` inside `parent`, made when `create` is set;
    // -1 when there is none.
    int child(int parent, const std::string& name, bool create) {
        auto it = children.find(key(parent, name));
        if (it != children.end()) return it->second;
        if (!create) return -1;
        children.emplace(key(parent, name), next);
        return next++;
    }
    // The first declarator named `name` in `scope`, or null.
    Declarator* declarator(int scope, const std::string& name) const {
        auto it = declarators.find(key(scope, name));
        return it == declarators.end() ? nullptr : it->second;
    }
    void offer(int scope, Declarator& d) { declarators.emplace(key(scope, d.get_name().as_charP()), &d); }

private:
    static std::string key(int scope, const std::string& name) { return std::to_string(scope) + ":" + name; }
    std::unordered_map<std::string, int> children;
    std::unordered_map<std::string, Declarator*> declarators;
    int next = 1;
};

// One walk over a file's declarations with the number of the scope being
// walked.
struct ScopedWalk : DeclWalker {
    ScopeIndex& index;
    std::vector<int> path{0};
    explicit ScopedWalk(ScopeIndex& index) : index(index) {}

    bool enter(const Decl& decl, const TypeSpec* container) override {
        if (decl.is_error()) return false;
        visit(decl, container);
        const char* scope = scopeName(decl.get_typespec());
        if (!*scope) return false;
        path.push_back(index.child(path.back(), scope, true));
        return true;
    }
    void leave(const Decl&) override { path.pop_back(); }
    virtual void visit(const Decl& decl, const TypeSpec* container) = 0;

protected:
    ~ScopedWalk() = default;
};

// Indexes every declarator by its scope and name.
struct FindNames final : ScopedWalk {
    explicit FindNames(ScopeIndex& index) : ScopedWalk(index) {}

    void visit(const Decl& decl, const TypeSpec*) override {
        const TypeSpec& ts = decl.get_typespec();
        if (ts.defines_name() && !ForwardTypeSpec::is(ts)) index.offer(path.back(), ts.get_declarator());
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) index.offer(path.back(), d.entry());
    }
};

// Sets the prefix of the innermost typeprefix in force, as the prefix pass
// marks declarations: declarators, named types, and the types defined
// inside structs and exceptions but not their data members.
struct MarkPrefixes final : ScopedWalk {
    const std::unordered_map<int, const EnvAttr*>& prefixes;
    std::vector<const EnvAttr*> in_force{nullptr};
    MarkPrefixes(ScopeIndex& index, const std::unordered_map<int, const EnvAttr*>& prefixes)
        : ScopedWalk(index), prefixes(prefixes) {}

    void visit(const Decl& decl, const TypeSpec* container) override {
        const TypeSpec& ts = decl.get_typespec();
        const EnvAttr* outer = in_force.back();
        const EnvAttr* own = outer;
        const char* scope = scopeName(ts);
        if (*scope) {
            auto it = prefixes.find(index.child(path.back(), scope, true));
            if (it != prefixes.end()) own = it->second;
        }
        bool member = container && (StructTypeSpec::is(*container) || ExceptionTypeSpec::is(*container)) &&
                      !ts.defines_name();
        if (outer && !member)
            for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next())
                EnvAttr::replace_annotation(d.entry(), *outer);
        if (own && ts.defines_name() && !ModuleTypeSpec::is(ts)) EnvAttr::replace_annotation(ts.get_declarator(), *own);
        if (*scope) in_force.push_back(own);
    }
    void leave(const Decl& decl) override {
        ScopedWalk::leave(decl);
        in_force.pop_back();
    }
};

// The components of a name written with "::"; a leading "::" leaves an
// empty first component.
std::vector<std::string> components(const std::string& name) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t sep = name.find("::", start);
        out.push_back(name.substr(start, sep == std::string::npos ? std::string::npos : sep - start));
        if (sep == std::string::npos) return out;
        start = sep + 2;
    }
}

// The declarator a directive names, looked up from the scope it stands in
// outwards, with the number of the scope the declarator opens (-1 when it
// opens none); null when the name is declared nowhere on the way.
Declarator* lookup(ScopeIndex& index, const RepositoryDirective& d, int& opens) {
    std::vector<std::string> parts = components(d.name);
    std::vector<int> scopes{0};
    if (!parts.front().empty()) {
        for (const std::string& s : RepositoryDirectives::scope_path(d.scope)) {
            int inner = index.child(scopes.back(), s, false);
            if (inner < 0) break;
            scopes.push_back(inner);
        }
    } else {
        parts.erase(parts.begin());
    }
    for (size_t level = scopes.size(); level-- > 0;) {
        int at = scopes[level];
        for (size_t i = 0; at >= 0 && i + 1 < parts.size(); ++i) at = index.child(at, parts[i], false);
        if (at < 0) continue;
        if (Declarator* found = index.declarator(at, parts.back())) {
            opens = index.child(at, parts.back(), false);
            return found;
        }
    }
    return nullptr;
}

}  // namespace

void RepositoryPragma::applyDirectives(DefinitionList& definitions) {
    const std::vector<RepositoryDirective>* directives = RepositoryDirectives::of(definitions);
    if (!directives) return;
    DeclList& decls = *definitions.getDeclList();
    ScopeIndex index;
    FindNames(index).walk(decls);

    // Typeprefixes by the scope they name; a later one for the same scope
    // replaces an earlier one.
    std::unordered_map<int, const EnvAttr*> prefixes;
    for (const RepositoryDirective& d : *directives) {
        int opens = -1;
        Declarator* target = lookup(index, d, opens);
        if (!target) {
            msg::warn(d.loc, "%s names `%s', which is not declared; ignored", d.what(), d.name.c_str());
            continue;
        }
        switch (d.kind) {
        case RepositoryDirective::id:
            EnvAttr::replace_annotation(*target, EnvAttr(JavaLib::repositoryIdentifierAttribute(),
                                                         String(d.value), SrcLoc()));
            break;
        case RepositoryDirective::version:
            EnvAttr::replace_annotation(*target, EnvAttr(JavaLib::repositoryVersionAttribute(),
                                                         String(d.value), SrcLoc()));
            break;
        case RepositoryDirective::prefix:
            if (opens < 0) {
                msg::error(d.loc, "typeprefix names `%s', which is not a module, interface or other scope",
                           d.name.c_str());
                break;
            }
            prefixes[opens] = new EnvAttr(JavaLib::repositoryPrefixAttribute(), String(d.value), SrcLoc());
            break;
        }
    }
    if (!prefixes.empty()) MarkPrefixes(index, prefixes).walk(decls);
}
