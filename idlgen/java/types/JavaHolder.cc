#include "idlgen/java/types/JavaHolder.h"

#include <ostream>

#include "lib/msg.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaProjection.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaBaseType.h"

JavaHolder::JavaHolder(const JavaAST& held) : JavaAST(held.getTypeSpec()), held(&held) {}

JavaHolder::JavaHolder(const TypeSpec& placeholder, const JavaAST& held) : JavaAST(placeholder), held(&held) {}

JavaHolder& JavaHolder::project(const TypeSpec& ts) { return project(JavaAST::project(ts)); }

JavaHolder& JavaHolder::project(const JavaAST& type) {
    const JavaAST& t = type.underType();
    return projectionOf<JavaHolder>(t, [&] { return JavaKind::of(t).makeHolder(); });
}

const JavaHolder& JavaHolder::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("JavaHolder");
    return static_cast<const JavaHolder&>(t);
}

JavaName JavaHolder::getHolderName() const { return JavaLib::holder(held->getJavaName()); }

void JavaHolder::print(std::ostream& out) const { out << getHolderName(); }

void JavaHolder::printHolderMarshal(std::ostream& out, const JavaName& helper) {
    JavaTemplate(
        "    public void ${write}(${OutputStream} out) {\n"
        "        ${Helper}.${write}(out, value);\n"
        "    }\n\n"
        "    public void ${read}(${InputStream} in) {\n"
        "        value = ${Helper}.${read}(in);\n"
        "    }\n\n"
        "    public ${TypeCode} ${__type}() {\n"
        "        return ${Helper}.${type}();\n"
        "    }\n")
        .set("write", JavaLib::marshal())
        .set("read", JavaLib::unmarshal())
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("Helper", helper)
        .set("TypeCode", JavaLib::typeCodeName())
        .set("__type", JavaLib::getStreamableTypeCodeName())
        .set("type", JavaLib::getTypeCodeName())
        .print(out);
}

void JavaHolder::printMarshalMethods(std::ostream& out) const {
    printHolderMarshal(out, JavaLib::helper(held->getJavaName()));
}

void JavaHolder::writeHolder(JavaFiles& files, const ConFile& source, int verbose, const char* who,
                             const char* implementsLine, const String& defaultValue, const char* afterConstructors,
                             const JavaName& helper) const {
    JavaName name = getHolderName();
    JavaText out(name);
    out.printPackage(name);
    JavaTemplate t("");
    t.set("Holder", name.item())
        .set("Streamable", JavaLib::baseHolder())
        .set("T", *held)
        .set("Arg", JavaLib::hidden("arg"))
        .set("default", defaultValue);
    t.print(out, "public final class ${Holder}\n");
    t.print(out, implementsLine);
    t.print(out,
            "    //\tinstance variable \n"
            "    public ${T} value;\n"
            "    //\tconstructors \n"
            "    public ${Holder}() {\n"
            "\tthis(${default});\n"
            "    }\n"
            "    public ${Holder}(${T} ${Arg}) {\n"
            "\tvalue = ${Arg};\n");
    out << afterConstructors;
    printHolderMarshal(out, helper);
    out << "}\n";
    files.write(name, source, verbose, who, out);
}

void JavaHolder::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    writeHolder(files, source, verbose, "JavaHolder", "     implements ${Streamable}{\n", "null", "    }\n\n",
                JavaLib::helper(held->getJavaName()));
}

// JavaBaseHolder

JavaName JavaBaseHolder::getHolderName() const {
    return JavaName(JavaLib::corbaPackage(), JavaBaseType::narrow(getHeldType()).getInfo().holder);
}

void JavaBaseHolder::print(std::ostream& out) const { out << getHolderName(); }

void JavaBaseHolder::writeFile(JavaFiles&, const ConFile&, int verbose) const {
    if (verbose) msg::inform("JavaBaseHolder::writeFile: not writing file");
}

// JavaStringHolder

JavaName JavaStringHolder::getHolderName() const { return JavaLib::stringHolder(); }

void JavaStringHolder::print(std::ostream& out) const { out << getHolderName(); }

void JavaStringHolder::writeFile(JavaFiles&, const ConFile&, int verbose) const {
    if (verbose) msg::inform("JavaStringHolder::writeFile: not writing file");
}

// JavaSequenceHolder

void JavaSequenceHolder::print(std::ostream& out) const { out << getHolderName(); }

void JavaSequenceHolder::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    writeHolder(files, source, verbose, "JavaSequenceHolder", "    implements ${Streamable}\n{\n", "null",
                "    }\n", JavaLib::helper(getHeldType().getJavaName()));
}
