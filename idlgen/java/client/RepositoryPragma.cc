#include "idlgen/java/client/RepositoryPragma.h"

#include <vector>

#include "ast/env/envattr.h"
#include "lib/msg.h"
#include "ast/pragma/pragma.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
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

// Nested modules and interfaces are walked with a work list, so that deep
// nesting cannot exhaust the stack.
void RepositoryPragma::pushPragmas(const Decl& top, const EnvAttr* current) {
    if (!current) return;
    std::vector<const Decl*> work{&top};
    while (!work.empty()) {
        const Decl& decl = *work.back();
        work.pop_back();
        if (decl.is_error()) continue;
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) d.entry().set_env_attr(*current);
        const TypeSpec& ts = decl.get_typespec();
        std::vector<const Decl*> inner;
        switch (ts.get_tag()) {
        case Struct_TypeSpecTag:
        case Exception_TypeSpecTag: {
            ts.get_declarator().set_env_attr(*current);
            // Types defined inside a struct or exception have classes of
            // their own and need the prefix in their identifiers as well.
            const DeclList& members = StructTypeSpec::is(ts) ? StructTypeSpec::narrow(ts).get_members()
                                                             : ExceptionTypeSpec::narrow(ts).get_members();
            for (DLListIter<Decl> it(members); it; it.next())
                if (!it.entry().is_error() && it.entry().get_typespec().defines_name())
                    inner.push_back(&it.entry());
            break;
        }
        case Union_TypeSpecTag:
        case Enum_TypeSpecTag:
        case Forward_TypeSpecTag:
        case Import_TypeSpecTag:
            ts.get_declarator().set_env_attr(*current);
            break;
        case Interface_TypeSpecTag:
            ts.get_declarator().set_env_attr(*current);
            for (DLListIter<Decl> it(InterfaceTypeSpec::narrow(ts).get_exports()); it; it.next())
                inner.push_back(&it.entry());
            break;
        case Module_TypeSpecTag:
            for (DLListIter<Decl> it(ModuleTypeSpec::narrow(ts).get_decls()); it; it.next())
                inner.push_back(&it.entry());
            break;
        case Base_TypeSpecTag:
        case Builtin_TypeSpecTag:
        case ScopedName_TypeSpecTag:
        case Sequence_TypeSpecTag:
        case String_TypeSpecTag:
        case Void_TypeSpecTag:
            break;
        }
        // Keep source order: the first inner declaration is taken next.
        work.insert(work.end(), inner.rbegin(), inner.rend());
    }
}
