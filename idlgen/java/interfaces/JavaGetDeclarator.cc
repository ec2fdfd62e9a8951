#include "idlgen/java/interfaces/JavaGetDeclarator.h"

#include <ostream>

#include "ast/tree/declarator.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/interfaces/JavaDescriptor.h"

JavaGetDeclarator::JavaGetDeclarator(const SimpleDeclarator& attribute)
    : JavaAccessorDeclarator(attribute, JavaLib::getAttributePrefix()) {}

String JavaGetDeclarator::signature() const {
    return getAttrName() + "() throws " + JavaLib::corbaSystemException().toString();
}

void JavaGetDeclarator::printDescriptor(std::ostream& out, const String& indent, int index) const {
    JavaTemplate(
        "${I}//       Descriptor for ${name}\n"
        "${I}int[] _p${k} = {\n"
        "${I}${TC}\n"
        "${I}${I}};\n"
        "${I}Class[] _c${k} = {\n"
        "${class}\n"
        "${I}};\n"
        "${I}{\n"
        "${I}    __ops[${k}] = new ${OpDesc}(\"${name}\", _p${k}, _c${k}, null, null, false);\n"
        "${I}}\n"
        "\n\n")
        .set("I", indent)
        .set("k", index)
        .set("name", getIDLName())
        .set("TC", JavaDescriptor::typeCode(getAttrType()))
        .set("class", JavaDescriptor::classEntry(getAttrType(), true))
        .set("OpDesc", JavaLib::operationDescriptor())
        .print(out);
}

void JavaGetDeclarator::printStubMethod(std::ostream& out, int index) const {
    out << "    //\tImplementation of attribute " << getAttribute().get_name().as_String() << "\n";
    printMethod(out, index);
}

void JavaGetDeclarator::printMethod(std::ostream& out, int index) const {
    JavaTemplate(
        "    public ${A} ${signature} {\n"
        "${I}long   _n[] = new long[1];\n"
        "${I}java.lang.Object _o[] = new java.lang.Object[1];\n"
        "${I}_invoke(__ops[${k}], _n, _o);\n"
        "${I}return ${value};\n"
        "    }\n")
        .set("A", getAttrType())
        .set("signature", signature())
        .set("I", String::replicate(' ', 11))
        .set("k", index)
        .set("value", JavaLib::getConversionFrom(getAttrType(), "_n[0]", "_o[0]"))
        .print(out);
}

void JavaGetDeclarator::printSkeletonFragment(std::ostream& out, const String& indent, int) const {
    String result = JavaLib::hidden("result");
    JavaTemplate(
        "${I}{\n"
        "${I}${A} ${result} = self.${name}();\n"
        "${I}${store};\n"
        "${I}}\n")
        .set("I", indent)
        .set("A", getAttrType())
        .set("result", result)
        .set("name", getAttrName())
        .set("store", JavaLib::getSkelConversionTo(getAttrType(), result, "n[0]", "o[0]"))
        .print(out);
}
