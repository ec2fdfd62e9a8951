#include "idlgen/java/types/JavaFixedType.h"

#include <ostream>
#include <string>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"

JavaFixedType::JavaFixedType(const FixedTypeSpec& ts) : JavaAST(ts) {}

const JavaFixedType& JavaFixedType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("FixedTypeSpec");
    return static_cast<const JavaFixedType&>(t);
}

const FixedTypeSpec& JavaFixedType::getFixedTypeSpec() const { return FixedTypeSpec::narrow(getTypeSpec()); }

void JavaFixedType::print(std::ostream& out) const { out << JavaLib::bigDecimal(); }

String JavaFixedType::digitsAndScale() const {
    const FixedTypeSpec& f = getFixedTypeSpec();
    return String("(short) ") + String(std::to_string(f.get_digits())) + ", (short) " +
           String(std::to_string(f.get_scale()));
}

void JavaFixedType::printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                 const String& indent) const {
    JavaTemplate("${indent}${stream}.write_fixed(${variable}, ${ds});\n")
        .set("indent", indent)
        .set("stream", stream)
        .set("variable", variable.toString())
        .set("ds", digitsAndScale())
        .print(out);
}

void JavaFixedType::printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                   const String& indent) const {
    JavaTemplate("${indent}${variable} = ${stream}.read_fixed(${ds});\n")
        .set("indent", indent)
        .set("stream", stream)
        .set("variable", variable.toString())
        .set("ds", digitsAndScale())
        .print(out);
}

// JavaKind

String JavaFixedType::typeCode() const {
    const FixedTypeSpec& f = getFixedTypeSpec();
    return JavaLib::fixedTypeCode(f.get_digits(), f.get_scale());
}

// A typedef's Holder, [Typedef]Holder: a value travels through it in a
// call, since the stream needs the digits and scale to read it.
JavaHolder* JavaFixedType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaFixedType::makeHelper() const { return new JavaBaseTypeOps(*this); }
