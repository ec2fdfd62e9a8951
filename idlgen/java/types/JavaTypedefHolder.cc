#include "idlgen/java/types/JavaTypedefHolder.h"

#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaLib.h"

// The holder stands on a placeholder void type; what it holds comes from
// its two fields.
static const VoidTypeSpec& placeholder() {
    static const VoidTypeSpec* v = new VoidTypeSpec(SrcLoc());
    return *v;
}

JavaTypedefHolder::JavaTypedefHolder(const JavaAST& type, const JavaDeclarator& typedefDeclarator)
    : JavaHolder(placeholder(), type), declarator(&typedefDeclarator) {}

JavaName JavaTypedefHolder::getHolderName() const { return JavaLib::holder(declarator->getJavaName()); }

void JavaTypedefHolder::print(std::ostream& out) const { out << getHolderName(); }

void JavaTypedefHolder::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    writeHolder(files, source, verbose, "JavaTypedefHolder", "    implements ${Streamable}\n{\n",
                getHeldType().initializer(), "    }\n", JavaLib::helper(declarator->getJavaName()));
}

void JavaTypedefHolder::printMarshalMethods(std::ostream& out) const {
    printHolderMarshal(out, JavaLib::helper(declarator->getJavaName()));
}
