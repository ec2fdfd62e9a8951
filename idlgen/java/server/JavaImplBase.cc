#include "idlgen/java/server/JavaImplBase.h"

#include <ostream>

#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/interfaces/JavaOperation.h"
#include "idlgen/java/interfaces/JavaOpTable.h"

JavaImplBase::JavaImplBase(const InterfaceTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaImplBase& JavaImplBase::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("InterfaceTypeSpec");
    return static_cast<const JavaImplBase&>(t);
}

void JavaImplBase::print(std::ostream& out) const { out << JavaLib::servant(getJavaName()); }

void JavaImplBase::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    const InterfaceTypeSpec& iface = InterfaceTypeSpec::narrow(getTypeSpec());
    JavaName name = getJavaName();
    JavaName servant = JavaLib::servant(name);
    JavaText out(servant);
    out.printPackage(servant);
    JavaTemplate t("");
    t.set("ServantName", servant.item())
        .set("Name", name.item())
        .set("StubName", JavaLib::stub(name).item())
        .set("ObjectImpl", JavaLib::corbaObjImpl())
        .set("Skeleton", JavaLib::skeletonInterface())
        .set("OpDesc", JavaLib::operationDescriptor())
        .set("getOperations", JavaLib::getOperationsName());
    t.print(out,
            "public abstract class ${ServantName} extends ${ObjectImpl} implements ${Name}, ${Skeleton} {\n"
            "    static private ${OpDesc}[][] _dispatch_table;\n"
            "    static {\n"
            "       _dispatch_table = new ${OpDesc}[1][0];\n"
            "       _dispatch_table[0] = ${StubName}.${getOperations}();\n"
            "    }\n"
            "    public ${OpDesc}[][] _get_dispatch_table() {\n"
            "          return _dispatch_table;\n"
            "    }\n"
            "    // Constructor\n"
            "    public ${ServantName}() {\n"
            "         super(null);\n"
            "    }\n"
            "    // Type strings for this class and its superclases\n");
    JavaLib::printTypeStrings(out, iface);
    out << "    // Dispatch call\n";
    printOpSkeletons(out, iface);
    out << "}\n";
    files.write(servant, source, verbose, "JavaImplBase", out);
}

void JavaImplBase::printOpSkeletons(std::ostream& out, const InterfaceTypeSpec& iface) const {
    JavaName name = getJavaName();
    JavaTemplate t("");
    t.set("JObject", JavaLib::javaObject())
        .set("Context", JavaLib::context())
        .set("ServantName", JavaLib::servant(name).item())
        .set("Name", name.item())
        .set("execute", JavaLib::invoke())
        .set("NewBadOp", JavaLib::newBadOperationException());
    t.print(out,
            "    public ${JObject} ${execute}(int intf, int op, long[] n, ${JObject}[] o, ${Context} ctx)\n"
            "          throws java.lang.Exception {\n\n"
            "            return ${ServantName}.${execute}(this, op, n, o, ctx);\n"
            "    }\n"
            "    public static ${JObject} ${execute}(${Name} self, int op, long[] n, ${JObject}[] o, ${Context} ctx) "
            "            throws java.lang.Exception {\n\n"
            "        switch (op) {\n");
    const String indent = String::replicate(' ', 14);
    bool cases = false;
    for (const JavaOpTable::Entry& e : JavaOpTable::of(iface).entries()) {
        if (!e.operation) continue;
        out << "           case " << e.index << ": // " << e.operation->idlName() << "\n";
        e.operation->printSkeletonFragment(out, indent, e.index);
        out << "                   break;\n";
        cases = true;
    }
    t.print(out,
            "            default:\n"
            "              throw ${NewBadOp};\n"
            "  }\n");
    if (cases) out << "       return null;\n";
    out << "    }\n";
}
