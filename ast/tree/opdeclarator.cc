#include <ostream>

#include "ast/expr/value.h"
#include "lib/msg.h"
#include "ast/names/scope.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"

OpDeclarator::OpDeclarator(Id& name, Description& desc, DeclList& params, ScopedNameList& raises,
                           StringValueList& context)
    : Declarator(name, desc), params(&params), raises(&raises), context(&context) {}

bool OpDeclarator::is_oneway() const {
    return has_typespec() && get_typespec().has_decl() && (get_decl().get_flags() & Decl::ONEWAY) != 0;
}

void OpDeclarator::resolve_names(Scope& scope) {
    scope.declare(*this);
    // Parameter names live in their own scope, so they do not clash with
    // the interface's members.
    Scope args(scope, "op-declarator args", get_loc());
    params->resolve_names(args);
    raises->resolve_names(scope);
    for (DLListIter<ScopedName> it(*raises); it; it.next()) {
        ScopedName& entry = it.entry();
        if (entry.get_declarator() == &Declarator::bad) continue;  // already reported
        Declarator* target = entry.get_unwrapped_declarator();
        if (target == &Declarator::bad) continue;  // a forward never defined, reported
        if (target->has_typespec() && ExceptionTypeSpec::is(target->get_typespec())) {
            ExceptionTypeSpec& exc = ExceptionTypeSpec::narrow(target->get_typespec());
            if (exc_tbl.contains(&exc))
                msg::warn(entry.get_loc(), "exception specified twice in `raises' list: %s",
                          entry.abbrev_text().chars());
            else
                exc_tbl.insert(&exc, exc);
        } else {
            msg::error(entry.get_loc(), "entry in `raises' list does not refer to an exception: %s",
                       entry.abbrev_text().chars());
            target->here_is_defn();
        }
    }
}

void OpDeclarator::final_check(const DeclaratorContext& ctx) {
    Declarator::final_check(ctx);
    params->final_check(ctx);
}

void OpDeclarator::print(std::ostream& out) const {
    out << get_name() << "(";
    const char* sep = "";
    for (DLListIter<Decl> it(*params); it; it.next()) {
        out << sep << it.entry();
        sep = ", ";
    }
    out << ")";
    if (!raises->empty()) out << " raises (" << *raises << ")";
    if (!context->empty()) out << " context (" << *context << ")";
}

OpDeclarator& OpDeclarator::narrow(Declarator& d) {
    if (!is(d)) d.narrow_fault("OpDeclarator");
    return static_cast<OpDeclarator&>(d);
}
const OpDeclarator& OpDeclarator::narrow(const Declarator& d) {
    if (!is(d)) d.narrow_fault("OpDeclarator");
    return static_cast<const OpDeclarator&>(d);
}
