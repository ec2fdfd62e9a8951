#include "JavaImportType.h"

#include "JavaScopedNameType.h"
#include "declarator.h"
#include "msg.h"
#include "typespec.h"

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
