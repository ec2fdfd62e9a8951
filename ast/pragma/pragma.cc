#include "ast/pragma/pragma.h"

#include <ostream>

#include "ast/env/envattr.h"
#include "ast/env/envfile.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"

void PragmaPrefix::print(std::ostream& out) const { out << "#pragma prefix \"" << prefix << "\""; }

void PragmaJavaPackage::print(std::ostream& out) const { out << "#pragma javaPackage " << package; }

void PragmaServerless::print(std::ostream& out) const { out << "#pragma serverless " << name; }

void PragmaBuiltin::print(std::ostream& out) const { out << "PragmaBuiltin(" << name << ", " << java_class << ")"; }

// The builtin name is an import whose target is known at once: a typedef of
// a builtin type, so unwrapping it reads no file.
Decl* PragmaBuiltin::toDecl(Reader& reader) const {
    Id& id = *new Id(name, loc);
    ImportTypeSpec& import = *new ImportTypeSpec(id, reader);
    BuiltinTypeSpec& builtin = *new BuiltinTypeSpec(import, loc);
    SimpleDeclarator& declarator = *new SimpleDeclarator(id, Description::null);
    import.set_import(&declarator);
    if (!java_class.empty()) import.get_declarator().set_env_attr(EnvAttr("java_class", java_class, loc));
    return new Decl(Decl::TYPEDEF, builtin, *new DeclaratorList(declarator));
}

Decl* PragmaBuiltin::nativeDecl(const Id& name, Reader& reader) {
    Decl* decl = PragmaBuiltin(name.as_String(), name.get_loc()).toDecl(reader);
    BuiltinTypeSpec::narrow(decl->get_typespec()).set_native();
    return decl;
}

void PragmaServerless::process(DefinitionList& definitions) {
    DeclList* decls = nullptr;
    for (DLListIter<Definition> it(definitions); it; it.next()) {
        if (!PragmaServerlessDefinition::is(it.entry())) continue;
        if (!decls) decls = definitions.getDeclList();
        PragmaServerlessDefinition::narrow(it.entry()).getPragma().annotate(*decls);
    }
}

void PragmaServerless::annotate(DeclList& decls) const {
    // Split the name at every "::"; empty pieces (a leading "::") are dropped.
    ScopedName* scoped = nullptr;
    int start = 0;
    for (;;) {
        int sep = name.index("::", start);
        String piece = sep < 0 ? name.from(start) : name.at(start, sep - start);
        if (!piece.empty()) {
            Id& id = *new Id(piece, SrcLoc());
            if (scoped)
                scoped->append(id);
            else
                scoped = new ScopedName(0, id);
        }
        if (sep < 0) break;
        start = sep + 2;
    }
    if (!scoped) return;
    Declarator* d = EnvFile::external_weak_resolve(decls, scoped->get_last());
    if (!d) return;
    static const EnvAttr serverless("serverless", "", SrcLoc());
    if (!EnvAttr::get_annotation(*d, "serverless")) d->set_env_attr(serverless);
}
