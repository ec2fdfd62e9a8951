#include "idlgen/java/types/JavaImportType.h"

#include "lib/msg.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/types/JavaScopedNameType.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "idlgen/java/core/JavaLib.h"

JavaImportType::JavaImportType(const ImportTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaImportType& JavaImportType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ImportTypeSpec");
    return static_cast<const JavaImportType&>(t);
}

const JavaAST& JavaImportType::underType() const {
    const Declarator* d = getTypeSpec().unwrap();
    if (!d) msg::panic("JavaImportType::underType: nothing imported");
    return JavaScopedNameType::typeOf(*d);
}

// JavaKind

String JavaImportType::typeCode() const { return JavaKind::of(underType()).typeCode(); }

int JavaImportType::tcKind() const { return JavaKind::of(underType()).tcKind(); }

bool JavaImportType::unionNeedsHolder() const { return JavaKind::of(underType()).unionNeedsHolder(); }

JavaHolder* JavaImportType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaImportType::makeHelper() const { return new JavaBaseTypeOps(*this); }
