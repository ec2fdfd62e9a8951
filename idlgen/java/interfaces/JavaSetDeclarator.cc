#include "idlgen/java/interfaces/JavaSetDeclarator.h"

#include <ostream>

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/interfaces/JavaDescriptor.h"

JavaSetDeclarator::JavaSetDeclarator(const SimpleDeclarator& attribute)
    : JavaAccessorDeclarator(attribute, JavaLib::setAttributePrefix()) {}

String JavaSetDeclarator::signature() const {
    return getAttrName() + "(" + getAttrType().full_text() + " arg) throws " +
           JavaLib::corbaSystemException().toString();
}

void JavaSetDeclarator::printDescriptor(std::ostream& out, const String& indent, int index) const {
    JavaTemplate(
        "${I}//       Descriptor for ${name}\n"
        "${I}int[] _p${k} = {\n"
        "${I}${TC} | ${in}${I}${I}};\n"
        "${I}Class[] _c${k} = {\n"
        "${class}\n"
        "${I}};\n"
        "${I}__ops[${k}] = new ${OpDesc}(\"${name}\", _p${k}, _c${k}, null, null, false);\n"
        "\n\n")
        .set("I", indent)
        .set("k", index)
        .set("name", getIDLName())
        .set("TC", JavaDescriptor::typeCode(getAttrType()))
        .set("in", JavaDescriptor::hex(JavaLib::inFlag()))
        .set("class", JavaDescriptor::classEntry(getAttrType(), true))
        .set("OpDesc", JavaLib::operationDescriptor())
        .print(out);
}

void JavaSetDeclarator::printStubMethod(std::ostream& out, int index) const { printMethod(out, index); }

void JavaSetDeclarator::printMethod(std::ostream& out, int index) const {
    JavaTemplate(
        "    public void ${signature} {\n"
        "${I}long   _n[] = new long[2];\n"
        "${I}java.lang.Object _o[] = new java.lang.Object[2];\n"
        "${I}${store};\n"
        "${I}_invoke(__ops[${k}], _n, _o);\n"
        "    }\n")
        .set("signature", signature())
        .set("I", String::replicate(' ', 11))
        .set("k", index)
        .set("store", JavaLib::getConversionTo(getAttrType(), "arg", "_n[1]", "_o[1]", true))
        .print(out);
}

void JavaSetDeclarator::printSkeletonFragment(std::ostream& out, const String& indent, int) const {
    JavaTemplate("${I}self.${name}(${value});\n")
        .set("I", indent)
        .set("name", getAttrName())
        .set("value", JavaLib::getSkelConversionFrom(getAttrType(), "n[1]", "o[1]", true))
        .print(out);
}
