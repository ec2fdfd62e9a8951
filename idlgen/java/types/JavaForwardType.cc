#include "idlgen/java/types/JavaForwardType.h"

#include "ast/input/msg.h"
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
