#include "idlgen/java/types/JavaVoidType.h"

#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"

JavaVoidType::JavaVoidType(const VoidTypeSpec& ts) : JavaAST(ts) {}

const JavaVoidType& JavaVoidType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("VoidTypeSpec");
    return static_cast<const JavaVoidType&>(t);
}

void JavaVoidType::print(std::ostream& out) const { out << JavaLib::voidName(); }

JavaName JavaVoidType::getJavaName() const { return JavaName(JavaLib::voidName()); }
