#include "idlgen/java/types/JavaScopedNameType.h"

#include "lib/msg.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaImportType.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "idlgen/java/core/JavaLib.h"

JavaScopedNameType::JavaScopedNameType(const ScopedNameTypeSpec& ts) : JavaAST(ts) {}

const JavaScopedNameType& JavaScopedNameType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ScopedNameTypeSpec");
    return static_cast<const JavaScopedNameType&>(t);
}

const JavaAST& JavaScopedNameType::typeOf(const Declarator& d) {
    // unwrap() has followed the typedef chain already; what remains is at
    // most a short run of names and imports.
    for (const Declarator* at = &d;;) {
        if (!at->has_typespec())
            msg::panic("JavaScopedNameType::underType: `%s' has no type", at->abbrev_text().chars());
        // A typedef of an array names the array, not its element type.
        if (ArrayDeclarator::is(*at))
            return JavaArrayType::project(ArrayDeclarator::narrow(*at));
        const JavaAST& type = JavaAST::project(at->get_typespec());
        if (!isA(type) && !JavaImportType::isA(type)) return type;
        const Declarator* next = type.getTypeSpec().unwrap();
        if (!next || next == at) msg::panic("JavaScopedNameType::underType: unresolved `%s'", d.abbrev_text().chars());
        at = next;
    }
}

const JavaAST& JavaScopedNameType::underType() const {
    const Declarator* d = getTypeSpec().unwrap();
    if (!d) msg::panic("JavaScopedNameType::underType: unresolved name");
    return typeOf(*d);
}

// JavaKind

String JavaScopedNameType::typeCode() const { return JavaKind::of(underType()).typeCode(); }

int JavaScopedNameType::tcKind() const { return JavaKind::of(underType()).tcKind(); }

bool JavaScopedNameType::unionNeedsHolder() const { return JavaKind::of(underType()).unionNeedsHolder(); }

JavaHolder* JavaScopedNameType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaScopedNameType::makeHelper() const { return new JavaBaseTypeOps(*this); }
