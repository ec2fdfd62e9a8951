#include "idlgen/java/types/JavaVoidType.h"

#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "lib/msg.h"

JavaVoidType::JavaVoidType(const VoidTypeSpec& ts) : JavaAST(ts) {}

const JavaVoidType& JavaVoidType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("VoidTypeSpec");
    return static_cast<const JavaVoidType&>(t);
}

void JavaVoidType::print(std::ostream& out) const { out << JavaLib::voidName(); }

JavaName JavaVoidType::getJavaName() const { return JavaName(JavaLib::voidName()); }

// JavaKind

String JavaVoidType::typeCode() const { return JavaLib::helperTypeCode(getJavaName()); }

bool JavaVoidType::unionNeedsHolder() const { msg::panic("%s cannot be a union branch", describe()); }

JavaHolder* JavaVoidType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaVoidType::makeHelper() const { return new JavaBaseTypeOps(*this); }
