#include "idlgen/java/client/JavaPackagePragma.h"

#include "ast/env/envattr.h"
#include "lib/msg.h"
#include "ast/pragma/pragma.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"

void JavaPackagePragma::pushPragmas(const DefinitionList& definitions, const EnvAttr* current) {
    for (DLListIter<Definition> it(definitions); it; it.next()) {
        const Definition& def = it.entry();
        switch (def.getTag()) {
        case PragmaJavaPackage_DefinitionTag:
            current = new EnvAttr(JavaLib::getPragmaJavaPackageAttribute(),
                                  PragmaJavaPackageDefinition::narrow(def).getPragma().get_package(), SrcLoc());
            break;
        case Decl_DefinitionTag:
            pushPragmas(DeclDefinition::narrow(def).getDecl(), current);
            break;
        case PragmaPrefix_DefinitionTag:
        case PragmaServerless_DefinitionTag:
            break;
        default:
            msg::panic("JavaPackagePragma::pushPragmas: unknown DefinitionTag");
        }
    }
}

void JavaPackagePragma::pushPragmas(const Decl& decl, const EnvAttr* current) {
    if (!current || decl.is_error()) return;
    for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) d.entry().set_env_attr(*current);
    if (decl.get_typespec().defines_name()) decl.get_typespec().get_declarator().set_env_attr(*current);
}
