#include "idlgen/java/types/JavaInterfaceTypeOps.h"

#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaInterfaceType.h"

void JavaInterfaceTypeOps::printTypeCodeAccessor(std::ostream& out) const {
    const JavaInterfaceType& iface = JavaInterfaceType::narrow(getType());
    String body = JavaTemplate("          if (_tc == null)\n"
                               "             _tc = ${ORB}.${create}(${id}(), \"${IDLName}\");\n")
                      .set("create", iface.isLocal()      ? "create_local_interface_tc"
                                     : iface.isAbstract() ? "create_abstract_interface_tc"
                                                          : "create_interface_tc")
                      .set("ORB", JavaLib::typecodeFactory())
                      .set("id", JavaLib::getRepIdName())
                      .set("IDLName", getType().getTypeSpec().get_name().as_String())
                      .toString();
    printCachedTypeCode(out, "", body);
}

// A serverless interface has no stub class: a reference that is not yet
// of the interface's class cannot be narrowed.
void JavaInterfaceTypeOps::printNarrow(std::ostream& out) const {
    JavaTemplate t("");
    t.set("isA", JavaLib::isA())
        .set("id", JavaLib::getRepIdName())
        .set("narrow", JavaLib::narrow())
        .set("CorbaObject", JavaLib::corbaObject())
        .set("NarrowFault", JavaLib::narrowFault())
        .set("newNarrowFault", JavaLib::newNarrowFault())
        .set("Name", getMyJavaName())
        .set("Delegate", JavaLib::delegate())
        .set("ObjectImpl", JavaLib::corbaObjImpl())
        .set("Stub", JavaLib::stub(getMyJavaName()));
    if (JavaInterfaceType::narrow(getType()).isLocal()) {
        // A local object is narrowed by its Java type alone.
        t.print(out,
                "   public static boolean ${isA}(${CorbaObject} that)\n"
                " {\n"
                "        return that == null || that instanceof ${Name};\n"
                "   }\n"
                "   public static ${Name} ${narrow}(${CorbaObject} that)\n"
                "\t    throws ${NarrowFault} {\n"
                "        if (that == null)\n"
                "            return null;\n"
                "        if (that instanceof ${Name})\n"
                "            return (${Name}) that;\n"
                "        throw ${newNarrowFault};\n"
                "   }\n");
        return;
    }
    t.print(out,
            "   public static boolean ${isA}(${CorbaObject} that)\n"
            " {\n"
            "        if (that == null)\n"
            "           return true;\n"
            "\telse \n"
            "           return that.${isA}(${id}());\n"
            "   }\n"
            "   public static ${Name} ${narrow}(${CorbaObject} that)\n"
            "\t    throws ${NarrowFault} {\n"
            "        if (that == null)\n"
            "            return null;\n"
            "        if (that instanceof ${Name})\n"
            "            return (${Name}) that;\n"
            "\tif (!${isA}(that)) {\n"
            "\t    throw ${newNarrowFault};\n"
            "\t}\n");
    if (JavaInterfaceType::narrow(getType()).isServerless())
        t.print(out, "        throw ${newNarrowFault};\n");
    else
        t.print(out,
                "        ${Delegate} dup = ((${ObjectImpl})that)._get_delegate();\n"
                "        ${Name} result = new ${Stub}(dup);\n"
                "        return result;\n");
    out << "   }\n";
}
