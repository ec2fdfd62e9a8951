#include "idlgen/java/client/RepositoryPragma.h"

#include "ast/env/envattr.h"
#include "lib/msg.h"
#include "ast/pragma/pragma.h"
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
