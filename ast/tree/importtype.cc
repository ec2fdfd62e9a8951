#include <ostream>

#include "ast/env/envattr.h"
#include "ast/env/envfile.h"
#include "ast/input/confile.h"
#include "lib/msg.h"
#include "ast/input/reader.h"
#include "ast/names/scope.h"
#include "ast/names/scopedname.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"

ImportTypeSpec::ImportTypeSpec(Id& name, Reader& reader) : NamedTypeSpec(name, Description::null), reader(&reader) {}

bool ImportTypeSpec::is_data_type() const {
    Declarator* d = unwrap();
    return d->is_data_type();
}

bool ImportTypeSpec::is_named_scope() const {
    Declarator* d = unwrap();
    return d->has_typespec() && d->get_typespec().is_named_scope();
}

Declarator* ImportTypeSpec::resolve(const Id& id) const { return unwrap()->resolve(id); }

void ImportTypeSpec::resolve_names(Scope& scope) { declare_self(scope); }

Declarator* ImportTypeSpec::unwrap() const {
    if (imported) return imported;
    if (get_declarator().get_env_attr("builtin", 0)) return unwrap_builtin();
    return unwrap_import();
}

// A builtin import is a typedef of a builtin type to the import's name.
Declarator* ImportTypeSpec::unwrap_builtin() const {
    BuiltinTypeSpec* type = new BuiltinTypeSpec(const_cast<ImportTypeSpec&>(*this), get_loc());
    SimpleDeclarator* d = new SimpleDeclarator(get_name(), Description::null);
    new Decl(Decl::TYPEDEF, *type, *new DeclaratorList(*d));
    imported = d;
    return d;
}

// Finds the file named by the environment attributes, reads it, and looks
// the import's name up among its declarations.  After a failure the import
// stands for the bad declarator, so it is neither read nor reported again.
Declarator* ImportTypeSpec::unwrap_import() const {
    imported = &Declarator::bad;
    Declarator& self = get_declarator();
    static EnvFile no_environment;
    EnvFile* env = self.get_envfile() ? self.get_envfile() : &no_environment;
    String text = abbrev_text();

    EnvFile* lookup_env = nullptr;  // a further environment file named by "env"
    if (EnvAttr* env_attr = self.get_env_attr("env", 1)) {
        String dir = env_attr->get_envfile() ? env_attr->get_envfile()->get_subdir() : String();
        try {
            lookup_env = &reader->import_env(dir, "", env_attr->get_value(), true);
        } catch (bad_file&) {
            msg::error(get_loc(), "Cannot find env=\"%s\" file", env_attr->get_value().chars());
            return imported;
        }
    }
    ScopedName& full = get_full_name();
    auto lookup = [&](const char* key) -> EnvAttr* {
        if (lookup_env)
            if (EnvAttr* a = lookup_env->attr_lookup(full, key, 1)) return a;
        return self.get_env_attr(key, 1);
    };

    String file_name;
    EnvAttr* where = nullptr;
    if (EnvAttr* file_attr = lookup("file")) {
        file_name = file_attr->get_value();
        where = file_attr;
    } else if (EnvAttr* ext_attr = lookup("extension")) {
        file_name = get_name().as_String() + "." + ext_attr->get_value();
        where = ext_attr;
    }
    if (file_name.empty()) {
        msg::error(get_loc(), "Cannot find file for `%s' in file \"%s\"", text.chars(),
                   (lookup_env ? lookup_env : env)->get_name().chars());
        return imported;
    }
    // The file lies beside the environment file that named it.
    String dir = where->get_envfile() ? where->get_envfile()->get_subdir() : String();

    ConFile* file;
    try {
        file = &reader->import_con(lookup_env ? *lookup_env : *env, dir, "", file_name);
    } catch (bad_file& failure) {
        if (!failure.reported)
            msg::error(get_loc(), "Cannot find imported file \"%s\" for `%s'", file_name.chars(), text.chars());
        return imported;
    }
    DeclList* decls = file->get_definitions().getDeclList();
    Declarator* found = decls->resolve(get_name());
    // The file may itself import the name: follow that import to the
    // definition.  An import that leads back to one being unwrapped finds
    // the bad declarator recorded above, so a cycle ends as not found.
    if (found && TypeSpecDeclarator::is(*found) && ImportTypeSpec::is(found->get_typespec()))
        found = found->unwrap();
    if (found == &Declarator::bad) found = nullptr;
    if (!found) {
        msg::error(get_loc(), "Cannot find import `%s' in file \"%s\"", text.chars(), file->get_name().chars());
        return imported;
    }
    imported = found;
    return found;
}

void ImportTypeSpec::print(std::ostream& out) const { out << "import " << get_name(); }
