#include "idlgen/java/types/JavaUnionType.h"

#include <ostream>

#include "ast/input/msg.h"
#include "ast/tree/typespec.h"

JavaUnionType::JavaUnionType(const UnionTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaUnionType& JavaUnionType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("UnionTypeSpec");
    return static_cast<const JavaUnionType&>(t);
}

void JavaUnionType::print(std::ostream& out) const { out << getJavaName(); }

void JavaUnionType::writeFile(JavaFiles&, const ConFile&, int) const {
    msg::unimpl(getTypeSpec().get_loc(), "Java class of union `%s'", getJavaName().toString().chars());
}

void JavaUnionType::printMarshalMethods(std::ostream&) const {
    msg::unimpl(getTypeSpec().get_loc(), "marshalling of union `%s'", getJavaName().toString().chars());
}
