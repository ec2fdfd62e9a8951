#include "idlgen/java/types/JavaStringType.h"

#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "lib/msg.h"

JavaStringType::JavaStringType(const StringTypeSpec& ts) : JavaAST(ts) {}

JavaName JavaStringType::getJavaName() const { return JavaName(JavaLib::stringName()); }

const JavaStringType& JavaStringType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("StringTypeSpec");
    return static_cast<const JavaStringType&>(t);
}

bool JavaStringType::isWide() const { return StringTypeSpec::narrow(getTypeSpec()).is_wide(); }

void JavaStringType::print(std::ostream& out) const { out << JavaLib::stringName(); }

void JavaStringType::printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                  const String& indent) const {
    JavaTemplate("${indent}${stream}.write_${item}(${variable});\n")
        .set("item", JavaLib::stringStreamItem(isWide()))
        .set("indent", indent)
        .set("stream", stream)
        .set("variable", variable.toString())
        .print(out);
}

void JavaStringType::printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                    const String& indent) const {
    JavaTemplate("${indent}${variable} = ${stream}.read_${item}();\n")
        .set("item", JavaLib::stringStreamItem(isWide()))
        .set("indent", indent)
        .set("stream", stream)
        .set("variable", variable.toString())
        .print(out);
}

// JavaKind

JavaHolder* JavaStringType::makeHolder() const { return new JavaStringHolder(*this); }

JavaBaseTypeOps* JavaStringType::makeHelper() const { return new JavaBaseTypeOps(*this); }

String JavaStringType::typeCode() const { return JavaLib::primitiveTypeCode(isWide() ? "tk_wstring" : "tk_string"); }
