#include "idlgen/java/core/JavaType.h"

#include "lib/msg.h"
#include "idlgen/java/core/JavaLib.h"

const char* JavaType::TagToChars(int tag) {
    static const char* const names[] = {
        "jBaseType",  "jBuiltinType",  "jEnumType",       "jExceptionType", "jForwardType", "jImportType",
        "jInterfaceType", "jModuleType", "jScopedNameType", "jSequenceType", "jArrayType", "jStructType",
        "jStringType", "jUnionType", "jVoidType", "jHolder", "jInterface", "jObjRef", "jIDLOperations",
        "jSkeleton", "jServant", "jExceptionDescriptor", "jTypeOps"};
    if (tag < 0 || tag >= static_cast<int>(sizeof names / sizeof names[0])) return "j???";
    return names[tag];
}

void JavaType::narrowFault(const char* expected) const {
    msg::panic("JavaType::narrowFault: expecting %s, found %s", expected, TagToChars(getTag()));
}

JavaName JavaType::getJavaName() const {
    msg::panic("JavaType::getName: tag = %s", TagToChars(getTag()));
}

void JavaType::writeFile(JavaFiles&, const ConFile&, int) const {
    msg::panic("JavaType::writeFile: tag = %s", TagToChars(getTag()));
}

void JavaType::printMarshalMethods(std::ostream&) const {
    msg::panic("JavaType::printMarshalMethods: tag = %s", TagToChars(getTag()));
}

void JavaType::printMarshal(std::ostream&, const char*, const JavaName&, const String&) const {
    msg::panic("JavaType::printMarshal: tag = %s", TagToChars(getTag()));
}

void JavaType::printUnmarshal(std::ostream&, const char*, const JavaName&, const String&) const {
    msg::panic("JavaType::printunMarshal: tag = %s", TagToChars(getTag()));
}
