// Local interfaces (-fcorba3): where their references would have to travel.
#include <string>

#include "lib/msg.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "ast/tree/walk.h"

const Declarator* local_interface_of(const TypeSpec& type) {
    const TypeSpec* ts = &type;
    // Each step follows a typedef, an array or a sequence element; their
    // chains end, and the bound only guards against a tree that loops.
    for (int steps = 0; steps < 100000; ++steps) {
        if (SequenceTypeSpec::is(*ts)) {
            ts = &SequenceTypeSpec::narrow(*ts).get_element_type();
            continue;
        }
        if (InterfaceTypeSpec::is(*ts))
            return InterfaceTypeSpec::narrow(*ts).is_local() ? &ts->get_declarator() : nullptr;
        if (ForwardTypeSpec::is(*ts)) {
            const ForwardTypeSpec& forward = ForwardTypeSpec::narrow(*ts);
            if (forward.is_local()) return &ts->get_declarator();
            const Declarator* definition = forward.get_definition();
            if (!definition || !definition->has_typespec() || &definition->get_typespec() == ts) return nullptr;
            ts = &definition->get_typespec();
            continue;
        }
        if (!ScopedNameTypeSpec::is(*ts)) return nullptr;
        const Declarator* d = ts->unwrap();
        if (!d || !d->has_typespec() || &d->get_typespec() == ts) return nullptr;
        ts = &d->get_typespec();
    }
    return nullptr;
}

namespace {

const char* name_of(const Declarator& d) { return d.get_name().as_charP(); }

struct LocalCheck final : DeclWalker {
    void travels(const TypeSpec& ts, const SrcLoc& loc, const char* what, const char* name, const char* owner) {
        if (const Declarator* local = local_interface_of(ts))
            msg::error(loc, "%s `%s' of `%s' is of local interface `%s', whose references cannot travel", what, name,
                       owner, name_of(*local));
    }

    bool enter(const Decl& decl, const TypeSpec* container) override {
        if (decl.is_error()) return false;
        const TypeSpec& ts = decl.get_typespec();
        if (container && (StructTypeSpec::is(*container) || ExceptionTypeSpec::is(*container) ||
                          UnionTypeSpec::is(*container))) {
            for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next())
                travels(ts, d.entry().get_loc(), "member", name_of(d.entry()),
                        name_of(container->get_declarator()));
        } else if (container && ValueTypeSpec::is(*container) &&
                   (decl.get_flags() == Decl::STATE_PUBLIC || decl.get_flags() == Decl::STATE_PRIVATE)) {
            // A value's state travels with it.
            for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next())
                travels(ts, d.entry().get_loc(), "state member", name_of(d.entry()),
                        name_of(container->get_declarator()));
        } else if (container && InterfaceTypeSpec::is(*container) &&
                   !InterfaceTypeSpec::narrow(*container).is_local()) {
            const char* owner = name_of(container->get_declarator());
            for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
                const Declarator& dd = d.entry();
                if (OpDeclarator::is(dd)) {
                    travels(ts, dd.get_loc(), "result of operation", name_of(dd), owner);
                    for (DLListIter<Decl> p(OpDeclarator::narrow(dd).get_params()); p; p.next())
                        for (DLListIter<Declarator> pd(p.entry().get_declarators()); pd; pd.next())
                            travels(p.entry().get_typespec(), pd.entry().get_loc(), "parameter",
                                    name_of(pd.entry()), (std::string(owner) + "::" + name_of(dd)).c_str());
                } else if (decl.get_flags() & Decl::ATTRIBUTE) {
                    travels(ts, dd.get_loc(), "attribute", name_of(dd), owner);
                }
            }
        }
        if (InterfaceTypeSpec::is(ts)) {
            const InterfaceTypeSpec& iface = InterfaceTypeSpec::narrow(ts);
            if (!iface.is_local() && iface.fully_defined())
                for (DLListIter<IntfInherit> b(iface.get_inherit_list()); b; b.next())
                    if (b.entry().is_direct() && b.entry().get_interface().is_local())
                        msg::error(ts.get_declarator().get_loc(),
                                   "interface `%s' inherits from local interface `%s'; only a local interface may",
                                   name_of(ts.get_declarator()),
                                   name_of(b.entry().get_interface().get_declarator()));
        }
        return ModuleTypeSpec::is(ts) || InterfaceTypeSpec::is(ts) || ValueTypeSpec::is(ts) || StructTypeSpec::is(ts) ||
               ExceptionTypeSpec::is(ts) || UnionTypeSpec::is(ts);
    }
};

}  // namespace

void check_local_interfaces(const DeclList& decls) { LocalCheck().walk(decls); }
