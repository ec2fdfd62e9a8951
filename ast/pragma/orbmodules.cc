#include "ast/pragma/orbmodules.h"

#include <cstdio>
#include <cstring>

#include "ast/env/envfile.h"
#include "ast/input/conparse.h"
#include "ast/input/dialect.h"
#include "ast/names/scope.h"
#include "ast/tree/decl.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "lib/flag.h"
#include "lib/msg.h"

extern const char orb_modules_idl[];

static Flag write_flag("debug-write-orb-modules", "");

namespace {

Reader* orb_reader = nullptr;

enum State { unread, reading, read };
State state = unread;
DeclList* orb_decls = nullptr;

bool orb_name(const char* name) {
    return std::strcmp(name, "CORBA") == 0 || std::strcmp(name, "PortableServer") == 0;
}

// Parses, resolves and checks the ORB modules' text in a file scope of its
// own.  The text is the program's own: an error in it is an internal one.
void read_orb_modules() {
    state = reading;
    int errors = msg::get_error_count();
    FILE* in = fmemopen(const_cast<char*>(orb_modules_idl), std::strlen(orb_modules_idl), "r");
    if (!in) msg::panic("orb_modules::lookup: cannot read the ORB modules");
    static const String name("<ORB modules>");
    DefinitionList* definitions = parse_contract_stream(in, name, *orb_reader, *new EnvFile);
    std::fclose(in);
    if (!definitions) msg::panic("orb_modules::lookup: the ORB modules do not parse");
    orb_decls = definitions->getDeclList();
    Scope scope("FILE");
    orb_decls->resolve_names(scope);
    orb_decls->final_check(DeclaratorContext::any);
    if (msg::get_error_count() != errors) msg::panic("orb_modules::lookup: the ORB modules do not check");
    state = read;
}

}  // namespace

void orb_modules::set_reader(Reader& reader) { orb_reader = &reader; }

Declarator* orb_modules::lookup(const Id& id) {
    // Without a reader (a tree built by hand) there are no ORB modules.
    if (!dialect::corba3() || !orb_reader || !orb_name(id.as_charP())) return nullptr;
    if (state == unread) read_orb_modules();
    if (state != read) return nullptr;
    Declarator* found = orb_decls->resolve(id);
    return found && found->is_type() && found->has_typespec() && ModuleTypeSpec::is(found->get_typespec())
               ? found
               : nullptr;
}

bool orb_modules::is_orb_module(const ModuleTypeSpec& module) {
    return dialect::corba3() && !(module.has_decl() && module.get_decl().has_container()) &&
           orb_name(module.get_name().as_charP());
}

bool orb_modules::written() { return write_flag != 0; }

bool orb_modules::unwritten(const Decl& decl) {
    const TypeSpec& ts = decl.get_typespec();
    return !written() && ModuleTypeSpec::is(ts) && is_orb_module(ModuleTypeSpec::narrow(ts));
}
