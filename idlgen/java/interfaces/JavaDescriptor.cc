#include "idlgen/java/interfaces/JavaDescriptor.h"

#include <cstdio>
#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaBaseType.h"
#include "idlgen/java/types/JavaBuiltinType.h"
#include "idlgen/java/types/JavaStringType.h"
#include "lib/msg.h"

String JavaDescriptor::hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return String(text);
}

String JavaDescriptor::typeCode(const JavaAST& type) { return hex(static_cast<unsigned>(JavaLib::tk(type))); }

bool JavaDescriptor::isPlain(const JavaAST& type) {
    const JavaAST& t = type.underType();
    return JavaBaseType::isA(t) || JavaStringType::isA(t) || JavaBuiltinType::isA(t);
}

String JavaDescriptor::classEntry(const JavaAST& type, bool holder) {
    if (isPlain(type)) return "null";
    if (holder) return JavaLib::getClassForName(type);
    switch (type.underType().getTag()) {
    case JavaAST::jArrayType:
    case JavaAST::jSequenceType:
    case JavaAST::jUnionType:
    case JavaAST::jStructType:
    case JavaAST::jEnumType:
    case JavaAST::jValueBoxType:
        return JavaLib::getClassForName(type);
    case JavaAST::jBaseType:
    case JavaAST::jBuiltinType:
    case JavaAST::jExceptionType:
    case JavaAST::jForwardType:
    case JavaAST::jImportType:
    case JavaAST::jInterfaceType:
    case JavaAST::jModuleType:
    case JavaAST::jScopedNameType:
    case JavaAST::jStringType:
    case JavaAST::jVoidType:
    QUORVEX_JAVA_GENERATOR_TAGS:
        return "null";
    }
    msg::panic("JavaDescriptor::classEntry: tag %s", JavaType::TagToChars(type.underType().getTag()));
}

String JavaDescriptor::repositoryIdentifier(const ExceptionTypeSpec& exc) {
    return JavaLib::repositoryIdentifier(JavaDeclarator::project(exc.get_declarator()));
}

void JavaDescriptor::List::result(const String& text) {
    *out << text;
    any = true;
}

void JavaDescriptor::List::entry(const String& text) {
    if (any)
        *out << ", ";
    else
        *out << indent << "  ";
    *out << text;
    any = true;
}
