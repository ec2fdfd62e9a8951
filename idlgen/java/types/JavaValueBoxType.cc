#include "idlgen/java/types/JavaValueBoxType.h"

#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaBaseType.h"
#include "idlgen/java/types/JavaSequenceType.h"
#include "idlgen/java/types/JavaStringType.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "lib/msg.h"

JavaValueBoxType::JavaValueBoxType(const ValueBoxTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaValueBoxType& JavaValueBoxType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ValueBoxTypeSpec");
    return static_cast<const JavaValueBoxType&>(t);
}

const ValueBoxTypeSpec& JavaValueBoxType::getValueBoxTypeSpec() const {
    return ValueBoxTypeSpec::narrow(getTypeSpec());
}

const JavaAST& JavaValueBoxType::getBoxed() const {
    return JavaAST::project(getValueBoxTypeSpec().get_boxed()).underType();
}

bool JavaValueBoxType::hasBoxClass() const {
    const JavaAST& boxed = getBoxed();
    return JavaBaseType::isA(boxed) && JavaBaseType::narrow(boxed).getBaseTag() != any_BaseTypeSpec;
}

bool JavaValueBoxType::isWrapped() const {
    const JavaAST& boxed = getBoxed();
    return !JavaBaseType::isA(boxed) && !JavaStringType::isA(boxed) && !JavaSequenceType::isA(boxed) &&
           !JavaArrayType::isA(boxed);
}

void JavaValueBoxType::print(std::ostream& out) const {
    if (hasBoxClass())
        out << getJavaName();
    else
        getBoxed().print(out);
}

void JavaValueBoxType::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    if (!hasBoxClass()) return;
    JavaName name = getJavaName();
    JavaText out(name);
    out.printPackage(name);
    JavaTemplate(
        "public class ${Item} implements ${ValueBase} {\n"
        "    public ${T} value;\n"
        "    public ${Item}(${T} initial) {\n"
        "        value = initial;\n"
        "    }\n"
        "    private static String[] ${ids} = { ${Helper}.${id}() };\n"
        "    public String[] _truncatable_ids() {\n"
        "        return ${ids};\n"
        "    }\n"
        "}\n")
        .set("Item", name.item())
        .set("ValueBase", JavaLib::valueBase())
        .set("T", getBoxed().full_text())
        .set("ids", JavaLib::hidden("ids"))
        .set("Helper", JavaLib::helper(name))
        .set("id", JavaLib::getRepIdName())
        .print(out);
    files.write(name, source, verbose, "JavaValueBoxType", out);
}

// The static pair every Helper has hands the value to the stream, which
// writes the value tag and calls back the Helper's write_value.
void JavaValueBoxType::printMarshalMethods(std::ostream& out) const {
    JavaTemplate(isWrapped()
                     ? "    public static void ${write}(${OutputStream} out, ${T} that) {\n"
                       "        ((${ValueOut}) out).write_value(that == null ? null : new ${Boxed}(that), ${instance});\n"
                       "    }\n"
                       "    public static ${T} ${read}(${InputStream} in) {\n"
                       "        ${Boxed} boxed = (${Boxed}) ((${ValueIn}) in).read_value(${instance});\n"
                       "        return boxed == null ? null : boxed.value;\n"
                       "    }\n"
                     : "    public static void ${write}(${OutputStream} out, ${T} that) {\n"
                       "        ((${ValueOut}) out).write_value(that, ${instance});\n"
                       "    }\n"
                       "    public static ${T} ${read}(${InputStream} in) {\n"
                       "        return (${T}) ((${ValueIn}) in).read_value(${instance});\n"
                       "    }\n")
        .set("Boxed", JavaLib::hidden("Boxed"))
        .set("write", JavaLib::marshal())
        .set("read", JavaLib::unmarshal())
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("ValueOut", JavaLib::valueOutputStream())
        .set("ValueIn", JavaLib::valueInputStream())
        .set("Serializable", JavaLib::serializable())
        .set("instance", JavaLib::hidden("instance"))
        .set("T", full_text())
        .print(out);
}

// JavaValueBoxTypeOps

void JavaValueBoxTypeOps::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    const JavaValueBoxType& box = JavaValueBoxType::narrow(getType());
    const JavaAST& boxed = box.getBoxed();
    JavaName helper = helperName();
    JavaText out(helper);
    out.printPackage(helper);
    JavaTemplate t("");
    t.set("Helper", helper.item())
        .set("BoxedValueHelper", JavaLib::boxedValueHelper())
        .set("instance", JavaLib::hidden("instance"))
        .set("T", box.full_text())
        .set("B", boxed.full_text())
        .set("init", JavaBaseType::isA(boxed) ? boxed.initializer() : String("null"))
        .set("Serializable", JavaLib::serializable())
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("String", JavaLib::repositoryIdentifierType())
        .set("id", JavaLib::getRepIdName())
        .set("v", JavaLib::hidden("value"))
        .set("Boxed", JavaLib::hidden("Boxed"));
    t.print(out,
            "public final class ${Helper} implements ${BoxedValueHelper} {\n"
            "     // The one instance, which the streams call back\n"
            "     private ${Helper}() { }\n"
            "     private static final ${Helper} ${instance} = new ${Helper}();\n\n");
    if (box.isWrapped())
        t.print(out,
                "    // A value as the streams carry it: its class need not be Serializable.\n"
                "    private static final class ${Boxed} implements ${Serializable} {\n"
                "        final ${B} value;\n"
                "        ${Boxed}(${B} value) {\n"
                "            this.value = value;\n"
                "        }\n"
                "    }\n\n");
    printMarshalMethods(out);
    printAnyOps(out);
    printTypeCodeAccessor(out);
    printRepIdAccessor(out);
    JavaName value(JavaLib::hidden("value").chars());
    t.print(out,
            "    public ${Serializable} read_value(${InputStream} in) {\n"
            "        ${B} ${v} = ${init};\n");
    boxed.printUnmarshal(out, "in", value, "        ");
    t.print(out, box.hasBoxClass()   ? "        return new ${T}(${v});\n"
                 : box.isWrapped() ? "        return new ${Boxed}(${v});\n"
                                   : "        return ${v};\n");
    t.print(out,
            "    }\n"
            "    public void write_value(${OutputStream} out, ${Serializable} value) {\n");
    t.print(out, box.hasBoxClass()   ? "        ${B} ${v} = ((${T}) value).value;\n"
                 : box.isWrapped() ? "        ${B} ${v} = ((${Boxed}) value).value;\n"
                                   : "        ${B} ${v} = (${B}) value;\n");
    boxed.printMarshal(out, "out", value, "        ");
    t.print(out,
            "    }\n"
            "    public ${String} get_id() {\n"
            "        return ${id}();\n"
            "    }\n"
            "}\n");
    files.write(helper, source, verbose, "JavaValueBoxTypeOps", out);
}

void JavaValueBoxTypeOps::printTypeCodeAccessor(std::ostream& out) const {
    const JavaValueBoxType& box = JavaValueBoxType::narrow(getType());
    String body = JavaTemplate(
                      "          if (_tc == null)\n"
                      "             _tc = ${ORB}.create_value_box_tc(${id}(), \"${IDLName}\", ${boxed});\n")
                      .set("ORB", JavaLib::typecodeFactory())
                      .set("id", JavaLib::getRepIdName())
                      .set("IDLName", box.getTypeSpec().get_name().as_String())
                      .set("boxed", JavaLib::getTypeCodeForType(box.getBoxed()))
                      .toString();
    printCachedTypeCode(out, "", body);
}

// JavaKind

String JavaValueBoxType::typeCode() const { return JavaLib::helperTypeCode(getJavaName()); }

JavaHolder* JavaValueBoxType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaValueBoxType::makeHelper() const { return new JavaValueBoxTypeOps(*this); }

void JavaValueBoxType::addClientGenerators(JavaTypeList& out) const {
    registerClasses(getJavaName());
    out.append(*this);
    out.append(JavaHolder::project(*this));
    out.append(JavaBaseTypeOps::project(getTypeSpec()));
}
