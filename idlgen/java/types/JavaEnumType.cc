#include "idlgen/java/types/JavaEnumType.h"

#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "lib/msg.h"

JavaEnumType::JavaEnumType(const EnumTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaEnumType& JavaEnumType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("EnumTypeSpec");
    return static_cast<const JavaEnumType&>(t);
}

const EnumTypeSpec& JavaEnumType::getEnumTypeSpec() const { return EnumTypeSpec::narrow(getTypeSpec()); }

std::vector<String> JavaEnumType::getValues() const {
    std::vector<String> values;
    for (DLListIter<Id> it(getEnumTypeSpec().get_enumerators()); it; it.next())
        values.push_back(it.entry().as_String());
    return values;
}

void JavaEnumType::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    JavaName name = getJavaName();
    JavaText out(name);
    out.printPackage(name);

    // Enumerators are escaped like every reference to them.
    std::vector<String> values;
    for (const String& v : getValues()) values.push_back(JavaLib::nameMap(v));

    // The object's own field is "_value", unless an enumerator "value" has
    // taken that name for its integer constant.
    String field = "_value";
    for (const String& v : values)
        if (v == "value") field = "__value";
    // The parameter of from_int is "i", unless an enumerator "i" would be
    // hidden by it.
    String param = "i";
    for (const String& v : values)
        if (v == "i") param = JavaLib::hidden(param);

    JavaTemplate t("");
    t.set("field", field).set("param", param);
    t.set("Item", name.item()).set("BadParam", JavaLib::corbaBadParamException()).set("from_int", JavaLib::enumFromInt());
    t.print(out, "public final class ${Item} {\n");
    for (size_t i = 0; i < values.size(); ++i) {
        t.set("V", values[i]).set("i", static_cast<int>(i));
        t.print(out, i == 0 ? "     public static final int _${V} = ${i}" : ",\n\t  \t\t     _${V} = ${i}");
    }
    out << ";\n";
    for (const String& v : values) t.set("V", v).print(out, "     public static final ${Item} ${V} = new ${Item}(_${V});\n");
    t.print(out,
            "     public int value() {\n"
            "         return ${field};\n"
            "     }\n"
            "     public static final ${Item} ${from_int}(int ${param})  throws  ${BadParam} {\n"
            "           switch (${param}) {\n");
    for (const String& v : values)
        t.set("V", v).print(out,
                            "             case _${V}:\n"
                            "                 return ${V};\n");
    t.print(out,
            "             default:\n"
            "\t              throw new ${BadParam}();\n"
            "           }\n"
            "     }\n"
            "     private ${Item}(int ${field}){\n"
            "         this.${field} = ${field};\n"
            "     }\n"
            "     private int ${field};\n"
            "}\n");
    files.write(name, source, verbose, "JavaEnumType", out);
}

void JavaEnumType::printMarshalMethods(std::ostream& out) const {
    JavaTemplate(
        "    public static void ${write}(${OutputStream} out, ${Name} that)  {\n"
        "    out.write_long(that.value());\n"
        "    }\n"
        "    public static ${Name} ${read}(${InputStream} in)  {\n"
        "    return ${Name}.${from_int}(in.read_long());\n"
        "    }\n")
        .set("write", JavaLib::marshal())
        .set("read", JavaLib::unmarshal())
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("Name", getJavaName())
        .set("from_int", JavaLib::enumFromInt())
        .print(out);
}

// JavaKind

String JavaEnumType::typeCode() const { return JavaLib::helperTypeCode(getJavaName()); }

JavaHolder* JavaEnumType::makeHolder() const { return new JavaEnumHolder(*this); }

JavaBaseTypeOps* JavaEnumType::makeHelper() const { return new JavaEnumTypeOps(*this); }

void JavaEnumType::addClientGenerators(JavaTypeList& out) const {
    registerClasses(getJavaName());
    out.append(*this);
    out.append(JavaBaseTypeOps::project(getTypeSpec()));
    out.append(JavaHolder::project(*this));
}
