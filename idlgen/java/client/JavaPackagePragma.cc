#include "idlgen/java/client/JavaPackagePragma.h"

#include "ast/env/envattr.h"
#include "lib/msg.h"
#include "ast/pragma/pragma.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaName.h"

void JavaPackagePragma::pushPragmas(const DefinitionList& definitions, const EnvAttr* current) {
    for (DLListIter<Definition> it(definitions); it; it.next()) {
        const Definition& def = it.entry();
        switch (def.getTag()) {
        case PragmaJavaPackage_DefinitionTag:
        {
            const PragmaJavaPackage& pragma = PragmaJavaPackageDefinition::narrow(def).getPragma();
            current = new EnvAttr(JavaLib::getPragmaJavaPackageAttribute(), pragma.get_package(), pragma.get_loc());
        }
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

// Names the source of a package for messages: an attribute made by the pass
// above has no environment file.
static const char* packageSource(const EnvAttr& attr) {
    return attr.get_envfile() ? "javaPackage" : "#pragma javaPackage";
}

static void checkDeclarator(const Declarator& d) {
    EnvAttr* attr = d.get_env_attr(JavaLib::getPragmaJavaPackageAttribute(), 1);
    if (attr && !attr->get_value().empty())
        JavaName::checkPackageName(attr->get_value(), attr->get_loc(), packageSource(*attr));
}

void JavaPackagePragma::checkPackages(const DefinitionList& definitions) {
    for (DLListIter<Definition> it(definitions); it; it.next()) {
        const Definition& def = it.entry();
        if (PragmaJavaPackageDefinition::is(def)) {
            const PragmaJavaPackage& pragma = PragmaJavaPackageDefinition::narrow(def).getPragma();
            JavaName::checkPackageName(pragma.get_package(), pragma.get_loc(), "#pragma javaPackage");
        } else if (DeclDefinition::is(def)) {
            const Decl& decl = DeclDefinition::narrow(def).getDecl();
            if (decl.is_error()) continue;
            for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) checkDeclarator(d.entry());
            if (decl.get_typespec().defines_name()) checkDeclarator(decl.get_typespec().get_declarator());
        }
    }
}
