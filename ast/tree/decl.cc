#include "ast/tree/decl.h"

#include <ostream>

#include "lib/msg.h"
#include "ast/names/id.h"
#include "ast/names/scope.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

const DeclaratorContext DeclaratorContext::any(0, "");
const DeclaratorContext DeclaratorContext::struct_members(1, "struct");
const DeclaratorContext DeclaratorContext::union_members(1, "union");
const DeclaratorContext DeclaratorContext::exception_members(1, "exception");

DeclList DeclList::null;

namespace {
// The type of the shared error declaration.
VoidTypeSpec error_type{SrcLoc()};
DeclaratorList error_declarators;
}  // namespace

Decl Decl::error(error_type, error_declarators);

void DeclaratorList::set_typespec(TypeSpec& ts) {
    for (DLListIter<Declarator> it(*this); it; it.next()) it.entry().set_typespec(ts);
}

void DeclaratorList::print(std::ostream& out) const {
    const char* sep = "";
    for (DLListIter<Declarator> it(*this); it; it.next()) {
        out << sep << it.entry();
        sep = ",";
    }
}

Decl::Decl(TypeSpec& ts) : Decl(PLAIN, ts, *new DeclaratorList) {}

Decl::Decl(TypeSpec& ts, DeclaratorList& declarators) : Decl(PLAIN, ts, declarators) {}

Decl::Decl(unsigned flags, TypeSpec& ts, DeclaratorList& declarators)
    : flags(flags), typespec(&ts), declarators(&declarators) {
    ts.set_decl(this);
    declarators.set_typespec(ts);
}

TypeSpec& Decl::get_container() const {
    if (!container) msg::panic("Decl::get_container/unset");
    return *container;
}

void Decl::set_container(TypeSpec& c) {
    if (container) msg::panic("Decl::set_container/already set");
    container = &c;
    // An enum defined as a union's switch type lives beside the union.
    if (UnionTypeSpec::is(*typespec)) {
        TypeSpec& sw = UnionTypeSpec::narrow(*typespec).get_switch_type();
        if (EnumTypeSpec::is(sw)) {
            Decl& wrapper = sw.has_decl() ? sw.get_decl() : *new Decl(sw);
            if (!wrapper.has_container()) wrapper.container = &c;
        }
    }
}

Declarator* Decl::resolve(const Id& id) const {
    if (typespec->defines_name() && typespec->get_name() == id) return &typespec->get_declarator();
    for (DLListIter<Declarator> it(*declarators); it; it.next())
        if (it.entry().get_name() == id) return &it.entry();
    return nullptr;
}

void Decl::resolve_names(Scope& scope) {
    typespec->resolve_names(scope);
    for (DLListIter<Declarator> it(*declarators); it; it.next()) it.entry().resolve_names(scope);
}

void Decl::final_check(const DeclaratorContext& ctx) {
    typespec->final_check();
    for (DLListIter<Declarator> it(*declarators); it; it.next()) it.entry().final_check(ctx);
}

static const char* flag_text(unsigned flags) {
    switch (flags) {
    case Decl::CONST: return "const ";
    case Decl::ONEWAY: return "oneway ";
    case Decl::READONLY: return "readonly ";
    case Decl::TYPEDEF: return "typedef ";
    case Decl::STATE_PUBLIC: return "public ";
    case Decl::STATE_PRIVATE: return "private ";
    case Decl::FACTORY: return "factory ";
    case Decl::PARAM_IN: return "in ";
    case Decl::PARAM_OUT: return "out ";
    case Decl::PARAM_INOUT: return "inout ";
    case Decl::PARAM_BORROW: return "borrow ";
    case Decl::PARAM_CONSUME: return "consume ";
    case Decl::PARAM_COPY: return "copy ";
    case Decl::PARAM_PRODUCE: return "produce ";
    default: return "";
    }
}

void Decl::print(std::ostream& out) const {
    out << flag_text(flags) << *typespec;
    if (!declarators->empty()) out << " " << *declarators;
}

// The first match in declaration order, as Decl::resolve finds it: a type's
// own name before the declarators declared with it.
Declarator* DeclList::resolve(const Id& id) const {
    if (length() < 8) {
        for (DLListIter<Decl> it(*this); it; it.next())
            if (Declarator* d = it.entry().resolve(id)) return d;
        return nullptr;
    }
    if (indexed_length != length()) build_index();
    Declarator* const* found = index.find(id.key_ptr());
    return found ? *found : nullptr;
}

Declarator* DeclList::resolve_enumerator(const Id& id) const {
    if (enumerators_length != length()) {
        if (!enumerators) enumerators = new AddressMap<Declarator*>;
        enumerators->clear();
        for (DLListIter<Decl> it(*this); it; it.next()) {
            const Decl& decl = it.entry();
            if (decl.is_error() || !EnumTypeSpec::is(decl.get_typespec())) continue;
            for (DLListIter<Declarator> e(EnumTypeSpec::narrow(decl.get_typespec()).get_entries()); e; e.next())
                enumerators->emplace(e.entry().get_name().key_ptr(), &e.entry());
        }
        enumerators_length = length();
    }
    Declarator* const* found = enumerators->find(id.key_ptr());
    return found ? *found : nullptr;
}

void DeclList::build_index() const {
    index.clear();
    for (DLListIter<Decl> it(*this); it; it.next()) {
        Decl& decl = it.entry();
        if (decl.get_typespec().defines_name()) {
            Declarator& own = decl.get_typespec().get_declarator();
            index.emplace(own.get_name().key_ptr(), &own);
        }
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next())
            index.emplace(d.entry().get_name().key_ptr(), &d.entry());
    }
    indexed_length = length();
}

void DeclList::resolve_names(Scope& scope) {
    for (DLListIter<Decl> it(*this); it; it.next()) it.entry().resolve_names(scope);
}

void DeclList::final_check(const DeclaratorContext& ctx) {
    for (DLListIter<Decl> it(*this); it; it.next()) it.entry().final_check(ctx);
}

void DeclList::set_container(TypeSpec& c) {
    for (DLListIter<Decl> it(*this); it; it.next())
        if (!it.entry().is_error()) it.entry().set_container(c);
}

void DeclList::print(std::ostream& out) const {
    for (DLListIter<Decl> it(*this); it; it.next()) out << it.entry() << "; ";
}

unsigned ParameterAttribute::parse(const Id& id) {
    static const struct {
        const char* word;
        unsigned value;
    } words[] = {{"borrow", Decl::PARAM_BORROW},
                 {"consume", Decl::PARAM_CONSUME},
                 {"copy", Decl::PARAM_COPY},
                 {"produce", Decl::PARAM_PRODUCE}};
    for (const auto& w : words)
        if (Id::same_name(id.as_String(), w.word)) return w.value;
    msg::error(id.get_loc(), "%s is not a parameter attribute", id.as_charP());
    return 0;
}
