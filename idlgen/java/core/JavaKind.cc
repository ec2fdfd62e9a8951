#include "idlgen/java/core/JavaKind.h"

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaLib.h"
#include "lib/msg.h"

const JavaKind& JavaKind::of(const JavaAST& type) {
    if (auto* kind = dynamic_cast<const JavaKind*>(&type)) return *kind;
    msg::panic("JavaKind::of: %s is not a kind of type", type.describe());
}

const JavaKind& JavaKind::of(const TypeSpec& ts) { return of(JavaAST::project(ts)); }

void JavaKind::addClientGenerators(JavaTypeList&) const {}

void JavaKind::registerClasses(const JavaName& type) {
    JavaName::registerClass(type);
    JavaName::registerClass(JavaLib::helper(type));
    JavaName::registerClass(JavaLib::holder(type));
}
