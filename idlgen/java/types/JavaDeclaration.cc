#include "idlgen/java/types/JavaDeclaration.h"

#include <ostream>
#include <sstream>

#include "lib/msg.h"
#include "ast/tree/declarator.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaHolder.h"

JavaDeclaration::JavaDeclaration(unsigned flags, const JavaAST& type, const JavaName& name)
    : flags(flags), type(&type), name(name) {}

JavaDeclaration::JavaDeclaration(unsigned flags, const JavaAST& type, const JavaDeclarator& declarator)
    : flags(flags), type(&type), name(declarator.getJavaName()), declarator(&declarator) {}

JavaDeclaration::JavaDeclaration(const TypeSpec& type, const Declarator& declarator)
    : JavaDeclaration(0, JavaAST::project(type), JavaDeclarator::project(declarator)) {}

JavaDeclaration::JavaDeclaration(const JavaDeclaration& other, const JavaName& name)
    : flags(other.flags), type(other.type), name(name), declarator(other.declarator) {}

void JavaDeclaration::printType(std::ostream& out) const {
    switch (flags) {
    case 0:
    case 0x10000:
    case 0x10004:
    case 0x10005:
        out << *type;
        break;
    case 0x10001:
    case 0x10002:
    case 0x10003:
    case 0x10006:
        out << JavaHolder::project(*type);
        break;
    default:
        msg::panic("JavaDeclaration:typeSetter: flags = 0x%x", flags);
    }
    for (int i = declarator ? declarator->getDimensionCount() : 0; i > 0; --i) out << "[]";
}

String JavaDeclaration::typeText() const {
    std::ostringstream out;
    printType(out);
    return String(out.str());
}

void JavaDeclaration::print(std::ostream& out) const {
    printType(out);
    out << " " << name.item();
    if (declarator && declarator->isConstant())
        out << JavaExpr::project(InitDeclarator::narrow(declarator->getDeclarator()).get_expr());
}

void JavaDeclaration::printHidden(std::ostream& out) const {
    printType(out);
    out << " " << JavaLib::hidden(name.item());
    if (declarator && declarator->isConstant())
        out << JavaExpr::project(InitDeclarator::narrow(declarator->getDeclarator()).get_expr());
}
