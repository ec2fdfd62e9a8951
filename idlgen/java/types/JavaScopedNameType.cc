#include "idlgen/java/types/JavaScopedNameType.h"

#include "ast/input/msg.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/typespec.h"
#include "idlgen/java/types/JavaImportType.h"

JavaScopedNameType::JavaScopedNameType(const ScopedNameTypeSpec& ts) : JavaAST(ts) {}

const JavaScopedNameType& JavaScopedNameType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ScopedNameTypeSpec");
    return static_cast<const JavaScopedNameType&>(t);
}

const JavaAST& JavaScopedNameType::typeOf(const Declarator& d) {
    if (!d.has_typespec()) msg::panic("JavaScopedNameType::underType: `%s' has no type", d.abbrev_text().chars());
    const JavaAST* type = &JavaAST::project(d.get_typespec());
    // unwrap() has followed the typedef chain already; what remains is at
    // most a short run of names and imports.
    while (isA(*type) || JavaImportType::isA(*type)) {
        const Declarator* next = type->getTypeSpec().unwrap();
        if (!next || !next->has_typespec() || next == &d)
            msg::panic("JavaScopedNameType::underType: unresolved `%s'", d.abbrev_text().chars());
        type = &JavaAST::project(next->get_typespec());
    }
    return *type;
}

const JavaAST& JavaScopedNameType::underType() const {
    const Declarator* d = getTypeSpec().unwrap();
    if (!d) msg::panic("JavaScopedNameType::underType: unresolved name");
    return typeOf(*d);
}
