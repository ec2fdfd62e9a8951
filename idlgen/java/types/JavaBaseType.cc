#include "idlgen/java/types/JavaBaseType.h"

#include <ostream>

#include "lib/msg.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"

JavaBaseType::JavaBaseType(const BaseTypeSpec& ts) : JavaAST(ts) {}

const JavaBaseType& JavaBaseType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("BaseTypeSpec");
    return static_cast<const JavaBaseType&>(t);
}

int JavaBaseType::getBaseTag() const { return BaseTypeSpec::narrow(getTypeSpec()).get_base_tag(); }

const JavaBaseTypeInfo& JavaBaseType::getInfo() const {
    const JavaBaseTypeInfo* info = JavaLib::baseType(getBaseTag());
    if (!info) msg::panic("JavaBaseType: unknown base type tag %d", getBaseTag());
    return *info;
}

void JavaBaseType::print(std::ostream& out) const { out << getInfo().javaType; }

JavaName JavaBaseType::getJavaName() const { return JavaName(String(getInfo().javaType)); }

void JavaBaseType::printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                const String& indent) const {
    JavaTemplate("${indent}${stream}.write_${item}(${variable});\n")
        .set("indent", indent)
        .set("stream", stream)
        .set("item", getInfo().streamItem)
        .set("variable", variable.toString())
        .print(out);
}

void JavaBaseType::printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                  const String& indent) const {
    JavaTemplate("${indent}${variable} = ${stream}.read_${item}();\n")
        .set("indent", indent)
        .set("stream", stream)
        .set("item", getInfo().streamItem)
        .set("variable", variable.toString())
        .print(out);
}

String JavaBaseType::initializer() const {
    if (getBaseTag() == any_BaseTypeSpec) return JavaLib::newAny();
    return getInfo().initializer;
}

// JavaKind

JavaHolder* JavaBaseType::makeHolder() const { return new JavaBaseHolder(*this); }

JavaBaseTypeOps* JavaBaseType::makeHelper() const { return new JavaBaseTypeOps(*this); }

int JavaBaseType::tcKind() const { return getInfo().kindNumber; }

String JavaBaseType::typeCode() const { return JavaLib::primitiveTypeCode(getInfo().kind); }
