#include "idlgen/java/core/JavaType.h"

#include <typeinfo>

#include "lib/msg.h"
#include "idlgen/java/core/JavaLib.h"

const char* JavaType::TagToChars(int tag) {
    static const char* const names[] = {"jKind",    "jHolder",  "jInterface",           "jObjRef", "jIDLOperations",
                                        "jSkeleton", "jServant", "jExceptionDescriptor", "jTypeOps", "jValueClass"};
    if (tag < 0 || tag >= static_cast<int>(sizeof names / sizeof names[0])) return "j???";
    return names[tag];
}

const char* JavaType::describe() const { return typeid(*this).name(); }

void JavaType::narrowFault(const char* expected) const {
    msg::panic("JavaType::narrowFault: expecting %s, found %s", expected, describe());
}

JavaName JavaType::getJavaName() const {
    msg::panic("JavaType::getName: %s", describe());
}

void JavaType::writeFile(JavaFiles&, const ConFile&, int) const {
    msg::panic("JavaType::writeFile: %s", describe());
}

void JavaType::printMarshalMethods(std::ostream&) const {
    msg::panic("JavaType::printMarshalMethods: %s", describe());
}

void JavaType::printMarshal(std::ostream&, const char*, const JavaName&, const String&) const {
    msg::panic("JavaType::printMarshal: %s", describe());
}

void JavaType::printUnmarshal(std::ostream&, const char*, const JavaName&, const String&) const {
    msg::panic("JavaType::printunMarshal: %s", describe());
}
