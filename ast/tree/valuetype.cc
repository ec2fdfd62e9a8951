#include <ostream>

#include "lib/msg.h"
#include "ast/names/scope.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

// ValueTypeSpec

namespace {

bool is_state(const Decl& decl) {
    return !decl.is_error() && (decl.get_flags() == Decl::STATE_PUBLIC || decl.get_flags() == Decl::STATE_PRIVATE);
}

bool is_operation_or_attribute(const Decl& decl) {
    if (decl.is_error() || decl.get_flags() == Decl::FACTORY || is_state(decl) || decl.is_typedef()) return false;
    if (decl.get_flags() == Decl::ATTRIBUTE || decl.get_flags() == Decl::READONLY_ATTRIBUTE) return true;
    for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next())
        if (OpDeclarator::is(d.entry())) return true;
    return false;
}

}  // namespace

ValueTypeSpec::ValueTypeSpec(Id& name, unsigned modifiers, ScopedNameList& bases, ScopedNameList& supports,
                             DeclList& body)
    : InterfaceTypeSpec(name, Description::null, bases, body), modifiers(modifiers), supports(&supports),
      state(new DeclList) {
    for (DLListIter<Decl> it(body); it; it.next())
        if (is_state(it.entry())) state->append(it.entry());
}

bool ValueTypeSpec::overload_ok(Declarator& other) const {
    return ForwardTypeSpec::announces(other, Value_TypeSpecTag);
}

ValueTypeSpec* ValueTypeSpec::get_concrete_base() const {
    return !value_bases.empty() && !value_bases.front()->is_abstract_value() ? value_bases.front() : nullptr;
}

bool ValueTypeSpec::has_initializers() const {
    for (DLListIter<Decl> it(get_exports()); it; it.next())
        if (!it.entry().is_error() && it.entry().get_flags() == Decl::FACTORY) return true;
    return false;
}

bool ValueTypeSpec::declares_operations() const {
    if (!supported.empty()) return true;
    for (DLListIter<Decl> it(get_exports()); it; it.next())
        if (is_operation_or_attribute(it.entry())) return true;
    return false;
}

// The inherit list holds every value base, direct or not (and the
// interfaces they support): one pass, no recursion through the bases.
bool ValueTypeSpec::has_operations() const {
    if (declares_operations()) return true;
    for (DLListIter<IntfInherit> it(get_inherit_list()); it; it.next()) {
        const InterfaceTypeSpec& base = it.entry().get_interface();
        if (!ValueTypeSpec::is(base) || ValueTypeSpec::narrow(base).declares_operations()) return true;
    }
    return false;
}

// The bases are value types: at most one concrete one, named first (and
// the only one `truncatable` may name); an abstract value type has only
// abstract bases.  It supports interfaces, at most one of them not
// abstract.
void ValueTypeSpec::resolve_names(Scope& scope) {
    start_tables(scope);
    bool first = true;
    for (DLListIter<ScopedName> it(get_bases()); it; it.next()) {
        ScopedName& name = it.entry();
        bool at_first = first;
        first = false;
        InterfaceTypeSpec* found = defined_base(name, scope, "value type");
        if (!found) continue;
        if (!ValueTypeSpec::is(*found)) {
            msg::error(name.get_loc(), "name does not refer to a value type: %s", name.abbrev_text().chars());
            continue;
        }
        ValueTypeSpec& base = ValueTypeSpec::narrow(*found);
        if (&base == this) {
            msg::error(name.get_loc(), "value type `%s' inherits from itself", get_name().as_charP());
            continue;
        }
        if (!base.is_abstract_value()) {
            if (is_abstract_value())
                msg::error(name.get_loc(), "abstract value type `%s' cannot inherit from the concrete value type `%s'",
                           get_name().as_charP(), name.abbrev_text().chars());
            else if (!at_first)
                msg::error(name.get_loc(), "value type `%s': the concrete base `%s' must be the first base",
                           get_name().as_charP(), name.abbrev_text().chars());
        } else if (at_first && is_truncatable()) {
            msg::error(name.get_loc(), "value type `%s' is truncatable to `%s', which is an abstract value type",
                       get_name().as_charP(), name.abbrev_text().chars());
        }
        value_bases.push_back(&base);
        inherit(base);
    }
    bool concrete_supported = false;
    for (DLListIter<ScopedName> it(*supports); it; it.next()) {
        ScopedName& name = it.entry();
        InterfaceTypeSpec* iface = defined_base(name, scope, "interface");
        if (!iface) continue;
        if (ValueTypeSpec::is(*iface)) {
            msg::error(name.get_loc(), "name does not refer to an interface: %s", name.abbrev_text().chars());
            continue;
        }
        if (!iface->is_abstract()) {
            if (concrete_supported)
                msg::error(name.get_loc(), "value type `%s' supports more than one interface that is not abstract",
                           get_name().as_charP());
            concrete_supported = true;
        }
        supported.push_back(iface);
        inherit(*iface);
    }
    Scope inner(scope, "value type body", get_loc());
    resolve_exports(inner);
}

// An abstract value type has no state and no initializers; an
// initializer's parameters are all `in`.
void ValueTypeSpec::final_check() {
    InterfaceTypeSpec::final_check();
    for (DLListIter<Decl> it(get_exports()); it; it.next()) {
        const Decl& decl = it.entry();
        if (decl.is_error()) continue;
        if (is_abstract_value() && (is_state(decl) || decl.get_flags() == Decl::FACTORY)) {
            msg::error(decl.get_declarators().first()->get_loc(), "abstract value type `%s' cannot have %s",
                       get_name().as_charP(), is_state(decl) ? "state members" : "initializers");
            continue;
        }
        if (decl.get_flags() != Decl::FACTORY) continue;
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
            if (!OpDeclarator::is(d.entry())) continue;
            for (DLListIter<Decl> p(OpDeclarator::narrow(d.entry()).get_params()); p; p.next())
                if (p.entry().get_flags() != Decl::PARAM_IN)
                    msg::error(d.entry().get_loc(), "initializer `%s' of value type `%s' takes `in' parameters only",
                               d.entry().get_name().as_charP(), get_name().as_charP());
        }
    }
}

void ValueTypeSpec::print(std::ostream& out) const {
    out << (is_abstract_value() ? "abstract valuetype " : is_custom() ? "custom valuetype " : "valuetype ")
        << get_name();
    if (!get_bases().empty()) out << ": " << (is_truncatable() ? "truncatable " : "") << get_bases();
    if (!supports->empty()) out << " supports " << *supports;
    out << " { " << get_exports() << " }";
}
