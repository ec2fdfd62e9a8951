#include "idlgen/java/types/JavaInterfaceType.h"

#include <ostream>

#include "ast/input/msg.h"
#include "ast/tree/typespec.h"

JavaInterfaceType::JavaInterfaceType(const InterfaceTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaInterfaceType& JavaInterfaceType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("InterfaceTypeSpec");
    return static_cast<const JavaInterfaceType&>(t);
}

void JavaInterfaceType::print(std::ostream& out) const { out << getJavaName(); }

void JavaInterfaceType::writeFile(JavaFiles&, const ConFile&, int) const {
    msg::unimpl(getTypeSpec().get_loc(), "Java files of interface `%s'", getJavaName().toString().chars());
}

void JavaInterfaceType::printMarshalMethods(std::ostream&) const {
    msg::unimpl(getTypeSpec().get_loc(), "marshalling of interface `%s'", getJavaName().toString().chars());
}

void JavaInterfaceType::printMarshal(std::ostream&, const char*, const JavaName&, const String&) const {
    msg::unimpl(getTypeSpec().get_loc(), "marshalling of interface `%s'", getJavaName().toString().chars());
}

void JavaInterfaceType::printUnmarshal(std::ostream&, const char*, const JavaName&, const String&) const {
    msg::unimpl(getTypeSpec().get_loc(), "marshalling of interface `%s'", getJavaName().toString().chars());
}
