#include "idlgen/java/interfaces/JavaDescriptor.h"

#include <cstdio>
#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaKind.h"
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
    // Builtins travel bare but for ValueBase, which travels in its Holder.
    return JavaBaseType::isA(t) || JavaStringType::isA(t) ||
           (JavaBuiltinType::isA(t) && !JavaKind::of(t).travelsInHolder());
}

String JavaDescriptor::classEntry(const JavaAST& type, bool holder) {
    if (isPlain(type)) return "null";
    if (holder) return JavaLib::getClassForName(type);
    return JavaKind::of(type.underType()).travelsInHolder() ? JavaLib::getClassForName(type) : "null";
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
