#include "idlgen/java/interfaces/JavaIDLOperations.h"

#include <ostream>

#include "ast/input/description.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/interfaces/JavaGetDeclarator.h"
#include "idlgen/java/interfaces/JavaOpDeclarator.h"
#include "idlgen/java/interfaces/JavaSetDeclarator.h"

JavaIDLOperations::JavaIDLOperations(const InterfaceTypeSpec& ts) : JavaNamedAST(ts) {}

void JavaIDLOperations::printMappedOperations(std::ostream& out, const String& indent) const {
    const InterfaceTypeSpec& iface = InterfaceTypeSpec::narrow(getTypeSpec());
    for (DLListIter<Decl> it(iface.get_exports()); it; it.next()) {
        for (DLListIter<Declarator> d(it.entry().get_declarators()); d; d.next()) {
            const Declarator& declarator = d.entry();
            if (OpDeclarator::is(declarator)) {
                JavaOpDeclarator op(OpDeclarator::narrow(declarator));
                if (op.isClass()) continue;
                const String& description = declarator.get_desc().get_text();
                if (!description.empty())
                    out << indent << "/**\n" << indent << description << "\n" << indent << " */\n";
                out << indent << op.getResultType() << " " << op << ";\n";
            } else if (SimpleDeclarator::is(declarator) && !declarator.is_typedefd()) {
                const SimpleDeclarator& attribute = SimpleDeclarator::narrow(declarator);
                JavaGetDeclarator getter(attribute);
                out << indent << getter.getAttrType() << " " << getter.signature() << ";\n";
                if (!declarator.is_readonly())
                    out << indent << "void " << JavaSetDeclarator(attribute).signature() << ";\n";
            }
        }
    }
}
