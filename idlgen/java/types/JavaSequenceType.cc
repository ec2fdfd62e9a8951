#include "idlgen/java/types/JavaSequenceType.h"

#include <ostream>

#include "ast/input/msg.h"
#include "ast/tree/typespec.h"

JavaSequenceType::JavaSequenceType(const SequenceTypeSpec& ts) : JavaAST(ts) {}

const JavaSequenceType& JavaSequenceType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("SequenceTypeSpec");
    return static_cast<const JavaSequenceType&>(t);
}

// The element type followed by "[]".
void JavaSequenceType::print(std::ostream& out) const {
    out << JavaAST::project(SequenceTypeSpec::narrow(getTypeSpec()).get_element_type()) << "[]";
}

void JavaSequenceType::writeFile(JavaFiles&, const ConFile&, int) const {
    msg::unimpl(getTypeSpec().get_loc(), "Java files of a sequence type");
}

void JavaSequenceType::printMarshalMethods(std::ostream&) const {
    msg::unimpl(getTypeSpec().get_loc(), "marshalling of a sequence type");
}

void JavaSequenceType::printMarshal(std::ostream&, const char*, const JavaName&, const String&) const {
    msg::unimpl(getTypeSpec().get_loc(), "marshalling of a sequence type");
}

void JavaSequenceType::printUnmarshal(std::ostream&, const char*, const JavaName&, const String&) const {
    msg::unimpl(getTypeSpec().get_loc(), "marshalling of a sequence type");
}
