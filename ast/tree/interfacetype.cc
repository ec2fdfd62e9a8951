#include <ostream>

#include "lib/msg.h"
#include "ast/input/dialect.h"
#include "ast/names/scope.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

// The dispatch hash: the length times the letter weights of (up to six
// sampled) characters, plus each character's code weighted by its
// position, in wrapping 32-bit arithmetic.
unsigned hash(const String& s) {
    auto weight = [](char c) -> unsigned {
        if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - '_');
        if (c >= 'A' && c <= 'Z') return static_cast<unsigned>(c - '?');
        return 1;
    };
    int n = s.length();
    unsigned h = static_cast<unsigned>(n);
    if (n > 6) {
        for (int i = 0; i <= 5; ++i) h *= weight(s[(i * (n - 1)) / 5]);
    } else {
        for (int i = 0; i < n; ++i) h *= weight(s[i]);
    }
    for (int i = 0; i < n; ++i)
        h += static_cast<unsigned>(i + 1) * static_cast<unsigned>(static_cast<int>(static_cast<signed char>(s[i])));
    return (h & 0x7fffffffu) % 0x7fffff9bu;
}

// IntfInheritList

// A new entry goes before the first entry with fewer export declarations,
// that is, after the last one with at least as many; entries with equal
// counts keep their arrival order.
void IntfInheritList::add(int direct, InterfaceTypeSpec& iface) {
    if (contains(iface)) return;
    members.insert(&iface);
    IntfInherit& entry = *new IntfInherit(direct, iface);
    int count = iface.get_exports().length();
    auto at_least = last_of_count.lower_bound(count);
    GenDLListNode* node;
    if (at_least == last_of_count.end()) {
        gen_insert(&entry);
        node = head();
    } else {
        gen_insert_after(at_least->second, &entry);
        node = at_least->second->next;
    }
    last_of_count[count] = node;
}

void IntfInheritList::inherit(InterfaceTypeSpec& iface) {
    add(1, iface);
    // Collect first: iface's list may be this very list.
    std::vector<InterfaceTypeSpec*> reached;
    for (DLListIter<IntfInherit> it(iface.get_inherit_list()); it; it.next())
        reached.push_back(&it.entry().get_interface());
    for (InterfaceTypeSpec* base : reached) add(0, *base);
}

// IntfExport

bool IntfExport::is_attribute() const {
    if (!SimpleDeclarator::is(*declarator) || !declarator->has_typespec() || !declarator->get_typespec().has_decl())
        return false;
    unsigned flags = declarator->get_decl().get_flags();
    return flags == Decl::ATTRIBUTE || flags == Decl::READONLY_ATTRIBUTE;
}

unsigned IntfExport::get_op_hash() const { return OpDeclarator::is(*declarator) ? hash(get_name()) : 0; }
unsigned IntfExport::get_get_hash() const { return is_attribute() ? hash("_get_" + get_name()) : 0; }
unsigned IntfExport::get_put_hash() const { return is_attribute() ? hash("_put_" + get_name()) : 0; }

const String& IntfExport::get_name() const { return declarator->get_name().as_String(); }

void IntfExportTbl::merge(const IntfExportTbl& other) {
    std::vector<IntfExport*> added;
    for (TblIter<const void*, IntfExport> it(other); it; it.next())
        if (!contains(it.key())) added.push_back(&it.entry());
    for (IntfExport* e : added)
        if (!contains(e->get_declarator().get_name().key_ptr())) insert(e->get_declarator().get_name().key_ptr(), *e);
}

// IntfExcTbl

void IntfExcTbl::add(ExceptionTypeSpec& exc) {
    if (!contains(&exc)) insert(&exc, *new IntfExc(exc));
}

void IntfExcTbl::merge(const IntfExcTbl& other) {
    std::vector<ExceptionTypeSpec*> found;
    for (TblIter<const ExceptionTypeSpec*, IntfExc> it(other); it; it.next())
        found.push_back(&it.entry().get_exception());
    for (ExceptionTypeSpec* e : found) add(*e);
}

void IntfExcTbl::merge(const ExceptionTypeSpecTbl& raised) {
    for (TblIter<const ExceptionTypeSpec*, ExceptionTypeSpec> it(raised); it; it.next()) add(it.entry());
}

// InterfaceTypeSpec

InterfaceTypeSpec::InterfaceTypeSpec(Id& name, Description& desc, ScopedNameList& bases, DeclList& exports)
    : NamedTypeSpec(name, desc), bases(&bases), exports(&exports) {
    exports.set_container(*this);
}

IntfInheritList& InterfaceTypeSpec::get_inherit_list() const {
    if (!inherit_list) msg::panic("InterfaceTypeSpec::get_inherit_list");
    return *inherit_list;
}

IntfExportTbl& InterfaceTypeSpec::get_export_tbl() const {
    if (!export_tbl) msg::panic("InterfaceTypeSpec::get_export_tbl");
    return *export_tbl;
}

IntfExcTbl& InterfaceTypeSpec::get_exception_tbl() const {
    if (!exception_tbl) msg::panic("InterfaceTypeSpec::get_exception_tbl");
    return *exception_tbl;
}

void InterfaceTypeSpec::insert_export(Declarator& declarator) {
    const void* key = declarator.get_name().key_ptr();
    if (export_tbl->contains(key)) return;  // the first entry stays
    export_tbl->insert(key, *new IntfExport(declarator, *this));
}

bool InterfaceTypeSpec::overload_ok(Declarator& other) const {
    return TypeSpecDeclarator::is(other) && ForwardTypeSpec::is(other.get_typespec());
}

Declarator* InterfaceTypeSpec::resolve(const Id& id) const {
    if (!fully_defined()) msg::fatal(id.get_loc(), "interface not yet defined: %s", id.abbrev_text().chars());
    IntfExport* e = export_tbl->lookup(id.key_ptr());
    if (e) return &e->get_declarator();
    // With -fcorba3 a name may be found in the interface's own body while
    // that body is still being resolved (before the table holds it).
    return dialect::corba3() ? resolve_with_enumerators(*exports, id) : nullptr;
}

void InterfaceTypeSpec::start_tables(Scope& scope) {
    inherit_list = new IntfInheritList;
    export_tbl = new IntfExportTbl(*this);
    exception_tbl = new IntfExcTbl;
    declare_self(scope);
}

InterfaceTypeSpec* InterfaceTypeSpec::defined_base(ScopedName& base, Scope& scope, const char* what) {
    if (!base.resolve(scope)) return nullptr;
    Declarator* named = base.get_declarator();
    // A base known only by a forward declaration has no tables yet.
    if (TypeSpecDeclarator::is(*named) && ForwardTypeSpec::is(named->get_typespec()) &&
        !ForwardTypeSpec::narrow(named->get_typespec()).get_definition()) {
        if (!dialect::corba3())
            msg::fatal(base.get_loc(), "definition not found yet for %s: %s", what, base.abbrev_text().chars());
        // -fcorba3 accepts interfaces that are never defined, so the run
        // goes on; the forward declaration is named too.
        msg::error(base.get_loc(), "definition not found yet for %s: %s", what, base.abbrev_text().chars());
        msg::inform(named->get_loc(), "... here is the forward declaration");
        return nullptr;
    }
    Declarator* d = base.get_unwrapped_declarator();
    if (d->has_typespec() && (InterfaceTypeSpec::is(d->get_typespec()) || ValueTypeSpec::is(d->get_typespec()))) {
        InterfaceTypeSpec& iface = static_cast<InterfaceTypeSpec&>(d->get_typespec());
        if (!iface.fully_defined())
            msg::fatal(base.get_loc(), "definition not found yet for %s: %s", what, base.abbrev_text().chars());
        return &iface;
    }
    if (d != &Declarator::bad)
        msg::error(base.get_loc(), "name does not refer to %s %s: %s", what[0] == 'i' ? "an" : "a", what,
                   base.abbrev_text().chars());
    return nullptr;
}

void InterfaceTypeSpec::inherit(InterfaceTypeSpec& iface) {
    inherit_list->inherit(iface);
    export_tbl->merge(iface.get_export_tbl());
    exception_tbl->merge(iface.get_exception_tbl());
}

void InterfaceTypeSpec::resolve_names(Scope& scope) {
    start_tables(scope);
    for (DLListIter<ScopedName> it(*bases); it; it.next()) {
        ScopedName& base = it.entry();
        InterfaceTypeSpec* iface = defined_base(base, scope, "interface");
        if (!iface) continue;
        if (ValueTypeSpec::is(*iface)) {
            msg::error(base.get_loc(), "name does not refer to an interface: %s", base.abbrev_text().chars());
            continue;
        }
        // An abstract interface inherits only abstract interfaces.
        if (abstract && !iface->is_abstract())
            msg::error(base.get_loc(), "abstract interface `%s' cannot inherit from the interface `%s'",
                       get_name().as_charP(), base.abbrev_text().chars());
        inherit(*iface);
    }
    Scope inner(scope, "interface exports", get_loc());
    resolve_exports(inner);
}

void InterfaceTypeSpec::resolve_exports(Scope& inner) {
    ScopedName& own_name = get_full_name();
    for (DLListIter<IntfInherit> it(*inherit_list); it; it.next()) {
        ScopedName& theirs = it.entry().get_interface().get_full_name();
        if (theirs == own_name)
            msg::error(get_loc(), "circular inheritance detected: %s inherits from %s",
                       own_name.full_text().chars(), theirs.full_text().chars());
    }
    // An interface that inherits from itself (reported above) would
    // otherwise see its own exports declared twice.
    for (DLListIter<IntfInherit> it(*inherit_list); it; it.next())
        if (&it.entry().get_interface() != this) inner.declare(it.entry().get_interface().get_exports());

    exports->resolve_names(inner);

    for (DLListIter<Decl> it(*exports); it; it.next()) {
        Decl& decl = it.entry();
        if (decl.get_typespec().defines_name()) insert_export(decl.get_typespec().get_declarator());
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
            insert_export(d.entry());
            if (OpDeclarator::is(d.entry())) exception_tbl->merge(OpDeclarator::narrow(d.entry()).get_exc_tbl());
        }
    }
}

void InterfaceTypeSpec::final_check() { exports->final_check(DeclaratorContext::any); }

void InterfaceTypeSpec::print(std::ostream& out) const {
    out << (local ? "local interface " : abstract ? "abstract interface " : "interface ") << get_name();
    if (!bases->empty()) out << ": " << *bases;
    out << " { " << *exports << " }";
}
