#include "idlgen/java/interfaces/JavaObjRef.h"

#include <ostream>

#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/interfaces/JavaIDLOperations.h"
#include "idlgen/java/types/JavaConstant.h"
#include "idlgen/java/types/JavaInterfaceType.h"

JavaObjRef::JavaObjRef(const InterfaceTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaObjRef& JavaObjRef::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("InterfaceTypeSpec");
    return static_cast<const JavaObjRef&>(t);
}

void JavaObjRef::printInitDeclarators(std::ostream& out, const InterfaceTypeSpec& iface) {
    for (TblIter<const void*, IntfExport> it(iface.get_export_tbl()); it; it.next()) {
        const Declarator& d = it.entry().get_declarator();
        if (!InitDeclarator::is(d)) continue;
        out << "    ";
        JavaConstant::printDeclaration(out, InitDeclarator::narrow(d), JavaName(d));
        out << "\n";
    }
}

void JavaObjRef::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    const InterfaceTypeSpec& iface = InterfaceTypeSpec::narrow(getTypeSpec());
    JavaName name = getJavaName();
    JavaText out(name);
    out.printPackage(name);
    const String& description = iface.get_desc().get_text();
    if (!description.empty()) out << "/**\n" << description << "\n */";
    out << "public interface " << name.item();
    // An abstract interface is not itself an object reference: values
    // that support it implement it too.
    const char* separator = "\n    extends ";
    if (!iface.is_abstract()) {
        out << separator << JavaLib::corbaObject();
        separator = ",\n\t    ";
    }
    for (const InterfaceTypeSpec* base : JavaInterfaceType::project(iface).getInherits()) {
        out << separator << JavaLib::objRef(JavaAST::project(*base).getJavaName());
        separator = ",\n\t    ";
    }
    out << " {\n";
    printInitDeclarators(out, iface);
    JavaIDLOperations::project(iface).printMappedOperations(out, "    ");
    out << "}\n";
    files.write(name, source, verbose, "JavaObjRef", out);
}
