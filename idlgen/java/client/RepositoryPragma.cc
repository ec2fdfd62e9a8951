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
            switch (ts.get_tag()) {
            case Struct_TypeSpecTag:
            case Exception_TypeSpecTag:
            case Interface_TypeSpecTag:
                ts.get_declarator().set_env_attr(attr);
                return true;
            case Union_TypeSpecTag:
            case Enum_TypeSpecTag:
            case Forward_TypeSpecTag:
            case Import_TypeSpecTag:
            case ValueBox_TypeSpecTag:
                ts.get_declarator().set_env_attr(attr);
                return false;
            case Module_TypeSpecTag:
                return true;
            case Base_TypeSpecTag:
            case Builtin_TypeSpecTag:
            case ScopedName_TypeSpecTag:
            case Sequence_TypeSpecTag:
            case String_TypeSpecTag:
            case Void_TypeSpecTag:
                return false;
            }
            msg::panic("RepositoryPragma::pushPragmas: decl %s", decl.abbrev_text().chars());
        }
    } mark(*current);
    mark.walk(top);
}

namespace {

// The name a declaration's type gives to the scope it opens ("" when it
// opens none that directives can name).
const char* scopeName(const TypeSpec& ts) {
    switch (ts.get_tag()) {
    case Module_TypeSpecTag:
    case Interface_TypeSpecTag:
    case Struct_TypeSpecTag:
    case Union_TypeSpecTag:
    case Exception_TypeSpecTag:
        return ts.get_declarator().get_name().as_charP();
    case Base_TypeSpecTag:
    case Builtin_TypeSpecTag:
    case Enum_TypeSpecTag:
    case Forward_TypeSpecTag:
    case Import_TypeSpecTag:
    case ScopedName_TypeSpecTag:
    case Sequence_TypeSpecTag:
    case String_TypeSpecTag:
    case Void_TypeSpecTag:
    case ValueBox_TypeSpecTag:
        return "";
    }
    msg::panic("RepositoryPragma::applyDirectives: tag %s", TypeSpec::tag_name(ts.get_tag()));
}

// One walk over a file's declarations with the full name ("A::B") of the
// scope being walked.  Full names are built only for the names asked for.
struct ScopedWalk : DeclWalker {
    std::vector<std::string> path{std::string()};

    std::string fullName(const Id& id) const {
        return path.back().empty() ? std::string(id.as_charP()) : path.back() + "::" + id.as_charP();
    }
    bool enter(const Decl& decl, const TypeSpec* container) override {
        if (decl.is_error()) return false;
        visit(decl, container);
        const char* scope = scopeName(decl.get_typespec());
        if (!*scope) return false;
        path.push_back(path.back().empty() ? std::string(scope) : path.back() + "::" + scope);
        return true;
    }
    void leave(const Decl&) override { path.pop_back(); }
    virtual void visit(const Decl& decl, const TypeSpec* container) = 0;

protected:
    ~ScopedWalk() = default;
};

// The declarators named by the candidate names, the first of each name.
struct FindNames final : ScopedWalk {
    std::unordered_map<std::string, Declarator*>& names;
    explicit FindNames(std::unordered_map<std::string, Declarator*>& names) : names(names) {}

    void offer(Declarator& d) {
        auto it = names.find(fullName(d.get_name()));
        if (it != names.end() && !it->second) it->second = &d;
    }
    void visit(const Decl& decl, const TypeSpec*) override {
        const TypeSpec& ts = decl.get_typespec();
        if (ts.defines_name() && !ForwardTypeSpec::is(ts)) offer(ts.get_declarator());
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) offer(d.entry());
    }
};

// Sets the prefix of the innermost typeprefix in force, as the prefix pass
// marks declarations: declarators, named types, and the types defined
// inside structs and exceptions but not their data members.
struct MarkPrefixes final : ScopedWalk {
    const std::unordered_map<std::string, const EnvAttr*>& prefixes;
    std::vector<const EnvAttr*> in_force{nullptr};
    explicit MarkPrefixes(const std::unordered_map<std::string, const EnvAttr*>& prefixes)
        : prefixes(prefixes) {}

    void visit(const Decl& decl, const TypeSpec* container) override {
        const TypeSpec& ts = decl.get_typespec();
        const EnvAttr* outer = in_force.back();
        const EnvAttr* own = outer;
        const char* scope = scopeName(ts);
        if (*scope) {
            auto it = prefixes.find(fullName(ts.get_declarator().get_name()));
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

// The full names a directive's name may denote, innermost scope first.
std::vector<std::string> candidates(const RepositoryDirective& d) {
    std::vector<std::string> out;
    if (d.name.compare(0, 2, "::") == 0) {
        out.push_back(d.name.substr(2));
        return out;
    }
    for (size_t n = d.scope.size() + 1; n-- > 0;) {
        std::string full;
        for (size_t i = 0; i < n; ++i) full += d.scope[i] + "::";
        out.push_back(full + d.name);
    }
    return out;
}

}  // namespace

void RepositoryPragma::applyDirectives(DefinitionList& definitions) {
    const std::vector<RepositoryDirective>* directives = RepositoryDirectives::of(definitions);
    if (!directives) return;
    DeclList& decls = *definitions.getDeclList();

    std::unordered_map<std::string, Declarator*> names;
    for (const RepositoryDirective& d : *directives)
        for (std::string& c : candidates(d)) names.emplace(std::move(c), nullptr);
    FindNames(names).walk(decls);

    // Typeprefixes by the full name of their scope, outer scopes first so
    // that the walk below meets them in order; a later one for the same
    // scope replaces an earlier one.
    std::unordered_map<std::string, const EnvAttr*> prefixes;
    for (const RepositoryDirective& d : *directives) {
        Declarator* target = nullptr;
        std::string full;
        for (const std::string& c : candidates(d)) {
            if ((target = names[c])) {
                full = c;
                break;
            }
        }
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
            if (!TypeSpecDeclarator::is(*target) || !target->has_typespec() ||
                !*scopeName(target->get_typespec())) {
                msg::error(d.loc, "typeprefix names `%s', which is not a module, interface or other scope",
                           d.name.c_str());
                break;
            }
            prefixes[full] = new EnvAttr(JavaLib::repositoryPrefixAttribute(), String(d.value), SrcLoc());
            break;
        }
    }
    if (!prefixes.empty()) MarkPrefixes(prefixes).walk(decls);
}
