#include "idlgen/java/types/JavaForwardType.h"

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "ast/input/msg.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/typespec.h"
#include "idlgen/java/types/JavaScopedNameType.h"

JavaForwardType::JavaForwardType(const ForwardTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaForwardType& JavaForwardType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ForwardTypeSpec");
    return static_cast<const JavaForwardType&>(t);
}

const JavaAST& JavaForwardType::underType() const {
    const Declarator* d = getTypeSpec().unwrap();
    if (!d) msg::panic("JavaForwardType::underType: no definition");
    return JavaScopedNameType::typeOf(*d);
}

static std::string fullName(const TypeSpec& ts) {
    std::unique_ptr<ScopedName> name(ts.get_declarator().get_full_name());
    return name->full_text().chars();
}

// The walk keeps an explicit stack: modules may nest deeply.  A forward
// declaration written after its interface's definition records no
// definition of its own, so the interfaces defined are gathered first and
// a forward declaration is reported only when none has its name.
bool JavaForwardType::reportUndefined(const DeclList& decls) {
    std::vector<const ForwardTypeSpec*> open;
    std::unordered_set<std::string> defined;
    std::vector<DLListIter<Decl>> stack{DLListIter<Decl>(decls)};
    while (!stack.empty()) {
        DLListIter<Decl>& top = stack.back();
        if (!top) {
            stack.pop_back();
            continue;
        }
        const Decl& decl = top.entry();
        top.next();
        if (decl.is_error()) continue;
        const TypeSpec& ts = decl.get_typespec();
        if (ForwardTypeSpec::is(ts)) {
            if (!ForwardTypeSpec::narrow(ts).get_definition()) open.push_back(&ForwardTypeSpec::narrow(ts));
        } else if (ModuleTypeSpec::is(ts)) {
            stack.push_back(DLListIter<Decl>(ModuleTypeSpec::narrow(ts).get_decls()));
        } else if (InterfaceTypeSpec::is(ts)) {
            defined.insert(fullName(ts));
            stack.push_back(DLListIter<Decl>(InterfaceTypeSpec::narrow(ts).get_exports()));
        }
    }
    bool any = false;
    for (const ForwardTypeSpec* forward : open) {
        if (defined.count(fullName(*forward))) continue;
        forward->unwrap();  // reports it, once
        any = true;
    }
    return any;
}
