#include "idlgen/java/interfaces/JavaInterface.h"

#include <ostream>

#include "lib/msg.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/interfaces/JavaOperation.h"
#include "idlgen/java/interfaces/JavaOpTable.h"

JavaInterface::JavaInterface(const InterfaceTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaInterface& JavaInterface::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("InterfaceTypeSpec");
    return static_cast<const JavaInterface&>(t);
}

void JavaInterface::print(std::ostream& out) const { out << JavaLib::stub(getJavaName()); }

int JavaInterface::countOpDeclarators(const InterfaceTypeSpec& iface) { return JavaOpTable::of(iface).slotCount(); }

void JavaInterface::printDescriptors(std::ostream& out, const String& indent, const InterfaceTypeSpec& iface) {
    String I = indent + "    ";
    for (const JavaOpTable::Entry& e : JavaOpTable::of(iface).entries())
        if (e.operation) e.operation->printDescriptor(out, I, e.index);
}

void JavaInterface::printOpDeclarators(std::ostream& out, const InterfaceTypeSpec& iface) {
    for (const JavaOpTable::Entry& e : JavaOpTable::of(iface).entries()) {
        if (e.operation) {
            e.operation->printStubMethod(out, e.index);
            continue;
        }
        if (e.fault)
            msg::error(e.declarator->get_loc(), "%s", e.fault);
        else
            msg::unimpl(e.declarator->get_loc(), "Nested `%s' in interface %s",
                        (e.declarator->has_typespec() ? e.declarator->get_typespec().abbrev_text(32)
                                                      : e.declarator->abbrev_text(32))
                            .chars(),
                        iface.get_name().as_String().chars());
    }
}

void JavaInterface::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    const InterfaceTypeSpec& iface = InterfaceTypeSpec::narrow(getTypeSpec());
    JavaName name = getJavaName();
    JavaName stub = JavaLib::stub(name);
    JavaText out(stub);
    out.printPackage(stub);
    JavaTemplate t("");
    t.set("StubName", stub.item())
        .set("Name", name.item())
        .set("ObjectImpl", JavaLib::corbaObjImpl())
        .set("Delegate", JavaLib::delegate())
        .set("OpDesc", JavaLib::operationDescriptor())
        .set("N", countOpDeclarators(iface))
        .set("getOperations", JavaLib::getOperationsName());
    t.print(out,
            "public class ${StubName}\n"
            "\textends ${ObjectImpl}\n"
            "    \timplements ${Name} {\n\n"
            "    public ${StubName}(${Delegate} d) {\n"
            "          super(d);\n"
            "    }\n\n"
            "    public static final ${OpDesc} __ops[] = new ${OpDesc}[${N}];\n\n"
            "    public static ${OpDesc}[] ${getOperations}() {\n"
            "        return __ops;\n"
            "    }\n\n"
            "    static {\n");
    printDescriptors(out, String::replicate(' ', 7), iface);
    out << "    }\n\n";
    JavaLib::printTypeStrings(out, iface);
    out << "    //\tIDL operations\n";
    printOpDeclarators(out, iface);
    out << "\n"
            "};\n";
    files.write(stub, source, verbose, "JavaInterface", out);
}
