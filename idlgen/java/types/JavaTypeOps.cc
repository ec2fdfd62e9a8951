#include "idlgen/java/types/JavaTypeOps.h"

#include <ostream>
#include <sstream>

#include "lib/msg.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaMembers.h"
#include "idlgen/java/types/JavaRecursion.h"
#include "idlgen/java/core/JavaProjection.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaInterfaceTypeOps.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaSequenceType.h"
#include "idlgen/java/types/JavaUnionTypeOps.h"
#include "idlgen/java/types/JavaValueBoxType.h"

JavaBaseTypeOps& JavaBaseTypeOps::project(const TypeSpec& ts) {
    return projectionOf<JavaBaseTypeOps>(ts, [&] { return JavaKind::of(ts).makeHelper(); });
}

JavaName JavaBaseTypeOps::getMyJavaName() const { return type->getJavaName(); }

const JavaDeclarator& JavaBaseTypeOps::getMyJavaDeclarator() const {
    return JavaDeclarator::project(type->getTypeSpec().get_declarator());
}

String JavaBaseTypeOps::valueType() const { return type->full_text(); }

JavaName JavaBaseTypeOps::helperName() const { return JavaLib::helper(getMyJavaName()); }

void JavaBaseTypeOps::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    JavaName helper = helperName();
    JavaText out(helper);
    out.printPackage(helper);
    out << "public final class " << helper.item() << " {\n";
    printTypeMethods(out);
    out << "}\n";
    files.write(helper, source, verbose, "JavaBaseTypeOps", out);
}

void JavaBaseTypeOps::printTypeMethods(std::ostream& out) const {
    printInstantiationPreventer(out);
    printMarshalMethods(out);
    printAnyOps(out);
    printTypeCodeAccessor(out);
    printRepIdAccessor(out);
    printNarrow(out);
}

void JavaBaseTypeOps::printInstantiationPreventer(std::ostream& out) const {
    JavaTemplate(
        "     // It is useless to have instances of this class\n"
        "     private ${Helper}() { }\n\n")
        .set("Helper", helperName().item())
        .print(out);
}

void JavaBaseTypeOps::printMarshalMethods(std::ostream& out) const { type->printMarshalMethods(out); }

void JavaBaseTypeOps::printAnyOps(std::ostream& out) const {
    JavaTemplate(
        "   public static ${T} ${extract}(${Any} a) {\n"
        "     ${In} in = ${inputOfA};\n"
        "     return ${read}(in);\n"
        "   }\n"
        "   public static void ${insert}(${Any} a, ${T} that) {\n"
        "     ${Out} out = ${outputOfA};\n"
        "     a.type(${type}());\n"
        "     ${write}(out, that);\n"
        "     a.read_value(out.get_input_stream(), ${type}());\n"
        "   }\n")
        .set("T", valueType())
        .set("extract", JavaLib::fromAnyName())
        .set("insert", JavaLib::toAnyName())
        .set("Any", JavaLib::anyName())
        .set("In", JavaLib::inputStream())
        .set("Out", JavaLib::outputStream())
        .set("inputOfA", JavaLib::getInputStreamFromAny("a"))
        .set("outputOfA", JavaLib::getOutputStreamFromAny("a"))
        .set("read", JavaLib::unmarshal())
        .set("write", JavaLib::marshal())
        .set("type", JavaLib::getTypeCodeName())
        .print(out);
}

void JavaBaseTypeOps::printTypeCodeAccessor(std::ostream& out) const {
    JavaTemplate(
        "   public static ${TypeCode} ${type}() {\n"
        "      return null;\n"
        "   }\n")
        .set("TypeCode", JavaLib::typeCodeName())
        .set("type", JavaLib::getTypeCodeName())
        .print(out);
}

String JavaBaseTypeOps::printCreateCall() const {
    msg::panic("Internal Error: JavaTypeOps %s", type->full_text().chars());
}

void JavaBaseTypeOps::printRepIdAccessor(std::ostream& out) const {
    JavaTemplate(
        "   public static ${String} ${id}() {\n"
        "       return \"${repId}\";\n"
        "   }\n")
        .set("String", JavaLib::repositoryIdentifierType())
        .set("id", JavaLib::getRepIdName())
        .set("repId", JavaLib::repositoryIdentifier(getMyJavaDeclarator()))
        .print(out);
}

void JavaBaseTypeOps::printCachedTypeCode(std::ostream& out, const String& declarations, const String& body) const {
    JavaTemplate t("");
    t.set("TypeCode", JavaLib::typeCodeName()).set("type", JavaLib::getTypeCodeName());
    t.print(out, "   private static ${TypeCode} _tc;\n");
    out << declarations;
    t.print(out, "   synchronized public static ${TypeCode} ${type}() {\n");
    out << body;
    out << "      return _tc;\n"
           "   }\n";
}

const char* const JavaBaseTypeOps::recursionFlag = "   private static boolean __active = false;\n";
const char* const JavaBaseTypeOps::recursionGuardStart =
    "             if (__active) {\n"
    "                return ${ORB}.create_recursive_tc(${id}());\n"
    "             }\n"
    "             __active = true;\n";
const char* const JavaBaseTypeOps::recursionGuardEnd = "             __active = false;\n";

// The member table of a struct or exception and the creation of its
// TypeCode; members are described by their IDL names.
String JavaBaseTypeOps::memberTableBody(const char* create) const {
    const DeclList& decls = StructTypeSpec::is(type->getTypeSpec())
                                ? StructTypeSpec::narrow(type->getTypeSpec()).get_members()
                                : ExceptionTypeSpec::narrow(type->getTypeSpec()).get_members();
    JavaMembers members(decls);
    std::ostringstream out;
    JavaTemplate t("");
    t.set("count", static_cast<int>(members.get().size()))
        .set("StructMember", JavaLib::corbaStructMember())
        .set("J", String::replicate(' ', 15))
        .set("ORB", JavaLib::typecodeFactory())
        .set("create", create)
        .set("id", JavaLib::getRepIdName())
        .set("IDLName", type->getTypeSpec().get_name().as_String());
    bool recursive = JavaRecursion::onCycle(*type);
    t.print(out,
            "       int _memberCount = ${count};\n"
            "       ${StructMember}[] _members = null;\n"
            "          if (_tc == null) {\n");
    if (recursive) t.print(out, recursionGuardStart);
    t.print(out, "${J}_members= new ${StructMember}[${count}];\n");
    int i = 0;
    for (const auto& m : members.get()) {
        t.set("i", i++)
            .set("member", m.declarator->getIDLName())
            .set("TC", JavaLib::getTypeCodeForType(*m.type));
        t.print(out,
                "${J}_members[${i}] = new ${StructMember}(\n"
                "${J}  \"${member}\",\n"
                "${J}  ${TC},\n"
                "${J}  null);\n");
    }
    t.print(out, "             _tc = ${ORB}.${create}(${id}(), \"${IDLName}\", _members);\n");
    if (recursive) t.print(out, recursionGuardEnd);
    t.print(out, "          }\n");
    return String(out.str());
}

void JavaStructTypeOps::printTypeCodeAccessor(std::ostream& out) const {
    printCachedTypeCode(out, JavaRecursion::onCycle(getType()) ? recursionFlag : "",
                        memberTableBody("create_struct_tc"));
}

void JavaExceptionTypeOps::printTypeCodeAccessor(std::ostream& out) const {
    printCachedTypeCode(out, "", memberTableBody("create_exception_tc"));
}

void JavaEnumTypeOps::printTypeCodeAccessor(std::ostream& out) const {
    const EnumTypeSpec& ts = EnumTypeSpec::narrow(getType().getTypeSpec());
    std::ostringstream declarations;
    declarations << "   private static final int _memberCount = " << ts.get_enumerators().length() << ";\n"
                 << "   private static String[] _members = {\n";
    const char* separator = "";
    for (DLListIter<Id> it(ts.get_enumerators()); it; it.next()) {
        declarations << separator << "                  \"" << it.entry().as_String() << "\"";
        separator = ",\n";
    }
    declarations << "\n   };\n";
    String body = JavaTemplate(
                      "          if (_tc == null)\n"
                      "             _tc = ${ORB}.create_enum_tc(${id}(), \"${IDLName}\", _members);\n")
                      .set("ORB", JavaLib::typecodeFactory())
                      .set("id", JavaLib::getRepIdName())
                      .set("IDLName", ts.get_name().as_String())
                      .toString();
    printCachedTypeCode(out, String(declarations.str()), body);
}

// JavaSequenceTypeOps, JavaArrayTypeOps

String JavaSequenceTypeOps::printCreateCall() const {
    const JavaSequenceType& sequence = JavaSequenceType::narrow(getType());
    return JavaTemplate("${ORB}.create_sequence_tc(${bound}, ${TC})")
        .set("ORB", JavaLib::typecodeFactory())
        .set("bound", sequence.hasUpperBound() ? "(int) " + sequence.getUpperBound().full_text() : String("0"))
        .set("TC", JavaLib::getTypeCodeForType(sequence.getElementType()))
        .toString();
}

void JavaSequenceTypeOps::printTypeCodeAccessor(std::ostream& out) const {
    printCachedTypeCode(out, "",
                        "          if (_tc == null)\n"
                        "             _tc = " + printCreateCall() + ";\n");
}

String JavaArrayTypeOps::printCreateCall() const {
    const JavaArrayType& array = JavaArrayType::narrow(getType());
    return JavaTemplate("${ORB}.create_array_tc((int) ${bound}, ${TC})")
        .set("ORB", JavaLib::typecodeFactory())
        .set("bound", array.getBound())
        .set("TC", JavaLib::getTypeCodeForType(array.getElementType()))
        .toString();
}

// JavaTypedefTypeOps

JavaName JavaTypedefTypeOps::getMyJavaName() const { return declarator->getJavaName(); }

String JavaTypedefTypeOps::valueType() const { return getType().full_text(); }

void JavaTypedefTypeOps::printMarshalMethods(std::ostream& out) const {
    const String indent = String::replicate(' ', 10);
    JavaTemplate t("");
    t.set("write", JavaLib::marshal())
        .set("read", JavaLib::unmarshal())
        .set("Out", JavaLib::outputStream())
        .set("In", JavaLib::inputStream())
        .set("JavaType", valueType());
    t.print(out, "    public static void ${write}(${Out} out, ${JavaType} that)  {\n");
    getType().printMarshal(out, "out", JavaName("that"), indent);
    t.print(out,
            "    }\n"
            "    public static ${JavaType} ${read}(${In} in) {\n"
            "          ${JavaType} that;\n");
    getType().printUnmarshal(out, "in", JavaName("that"), indent);
    out << "          return that;\n"
           "    }\n";
}

void JavaTypedefTypeOps::printTypeCodeAccessor(std::ostream& out) const {
    String body = JavaTemplate(
                      "          if (_tc == null)\n"
                      "             _tc = ${ORB}.create_alias_tc(${id}(), \"${item}\", ${TC});\n")
                      .set("ORB", JavaLib::typecodeFactory())
                      .set("id", JavaLib::getRepIdName())
                      .set("item", declarator->getJavaName().item())
                      .set("TC", JavaLib::getTypeCodeForType(getType()))
                      .toString();
    printCachedTypeCode(out, "", body);
}
