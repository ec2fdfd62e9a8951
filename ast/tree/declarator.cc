#include "ast/tree/declarator.h"

#include <ostream>

#include "ast/expr/expr.h"
#include "ast/expr/value.h"
#include "lib/msg.h"
#include "ast/names/scope.h"
#include "ast/names/scopedname.h"
#include "ast/tree/types.h"

namespace {
Id bad_name("bad", SrcLoc());
BadDeclarator bad_declarator(bad_name, Description::null);
}  // namespace

Declarator& Declarator::bad = bad_declarator;

const char* Declarator::tag_name(DeclaratorTag tag) {
    switch (tag) {
    case Array_DeclaratorTag: return "ArrayDeclarator";
    case Init_DeclaratorTag: return "InitDeclarator";
    case Op_DeclaratorTag: return "OpDeclarator";
    case Simple_DeclaratorTag: return "SimpleDeclarator";
    case EnumEntry_DeclaratorTag: return "EnumEntryDeclarator";
    case TypeSpec_DeclaratorTag: return "TypeSpecDeclarator";
    case Bad_DeclaratorTag: return "BadDeclarator";
    }
    return "Declarator";
}

Declarator::Declarator(Id& name, Description& desc) : name(&name), desc(&desc) {}

void Declarator::narrow_fault(const char* expected) const {
    msg::panic("Declarator::narrow_fault: expecting %s, found %s", expected, abbrev_text().chars());
}

TypeSpec& Declarator::get_typespec() const {
    if (!typespec) msg::panic("Declarator::get_typespec");
    return *typespec;
}

void Declarator::set_typespec(TypeSpec& ts) {
    if (typespec) msg::panic("Declarator::set_typespec");
    typespec = &ts;
}

Decl& Declarator::get_decl() const { return get_typespec().get_decl(); }

bool Declarator::is_typedefd() const {
    return typespec && typespec->has_decl() && typespec->get_decl().is_typedef();
}

bool Declarator::is_readonly() const {
    return typespec && typespec->has_decl() && typespec->get_decl().is_readonly();
}

bool Declarator::is_data() const { return typespec && !is_typedefd() && typespec->is_data_type(); }

bool Declarator::is_data_type() const { return typespec && is_typedefd() && typespec->is_data_type(); }

bool Declarator::is_type() const { return is_typedefd(); }

void Declarator::final_check(const DeclaratorContext& ctx) {
    if (ctx.requires_data() && !is_data())
        msg::error(get_loc(), "invalid declaration for member of %s", ctx.get_name());
}

bool Declarator::overload_ok(Declarator&) { return false; }

Declarator* Declarator::resolve(const Id&) { return nullptr; }

void Declarator::resolve_names(Scope& scope) { scope.declare(*this); }

Declarator* Declarator::unwrap() { return this; }

// Walks outwards through the containers without recursion, then builds the
// name from the outermost container inwards.
ScopedName* Declarator::get_full_name() const {
    std::vector<Id*> names;
    const Declarator* d = this;
    for (;;) {
        names.push_back(&d->get_name());
        if (!d->is_type() || !d->typespec || !d->typespec->has_decl()) break;
        const Decl& decl = d->typespec->get_decl();
        if (!decl.has_container()) break;
        TypeSpec& c = decl.get_container();
        if (!c.defines_name()) msg::panic("Declarator::get_full_name/%s", c.abbrev_text().chars());
        d = &c.get_declarator();
    }
    ScopedName* full = new ScopedName(1, *names.back());
    for (size_t i = names.size() - 1; i-- > 0;) full->append(*names[i]);
    return full;
}

void Declarator::set_envfile(EnvFile* f) {
    if (envfile) msg::panic(get_loc(), "set_envfile but set already");
    envfile = f;
}

void Declarator::here_is_defn() const {
    String text = typespec && typespec->has_decl() ? typespec->get_decl().abbrev_text() : abbrev_text();
    // A module is named, not printed with its contents.
    if (typespec && ModuleTypeSpec::is(*typespec)) text = String("module ") + get_name().as_String();
    msg::inform(get_loc(), "... here is the definition: %s", text.chars());
}

// BadDeclarator

void BadDeclarator::print(std::ostream& out) const { out << get_name(); }

BadDeclarator& BadDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("BadDeclarator");
    return static_cast<BadDeclarator&>(d);
}
const BadDeclarator& BadDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("BadDeclarator");
    return static_cast<const BadDeclarator&>(d);
}
