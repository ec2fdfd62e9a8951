#include "idlgen/java/types/JavaUnionType.h"

#include <ostream>
#include <sstream>
#include <string>

#include "ast/expr/expr.h"
#include "lib/msg.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaUnionCases.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "idlgen/java/types/JavaUnionTypeOps.h"

JavaUnionType::JavaUnionType(const UnionTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaUnionType& JavaUnionType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("UnionTypeSpec");
    return static_cast<const JavaUnionType&>(t);
}

const UnionTypeSpec& JavaUnionType::getUnionTypeSpec() const { return UnionTypeSpec::narrow(getTypeSpec()); }

void JavaUnionType::print(std::ostream& out) const { out << getJavaName(); }

// The test that the discriminator `x` selects case `c`, as the getters
// and the discriminator-taking setters make it.
static void printSelects(std::ostream& out, const JavaUnionCases& cases, const JavaUnionCases::Case& c,
                         const String& x) {
    JavaTemplate t("");
    t.set("NewFault", JavaLib::newUnionFault());
    out << cases.switchHead(x);
    if (!c.hasDefault) {
        for (const Expr* label : c.labels) t.set("label", cases.labelText(*label)).print(out, "\tcase ${label}:\n");
        t.print(out,
                "\t    break;\n"
                "\tdefault:\n"
                "\t    throw ${NewFault};\n");
    } else {
        out << "\tdefault:\n"
               "\t    break;\n";
        bool listed = false;
        for (const JavaUnionCases::Case& other : cases.get()) {
            if (other.hasDefault) continue;
            for (const Expr* label : other.labels) {
                t.set("label", cases.labelText(*label)).print(out, "\tcase ${label}:\n");
                listed = true;
            }
        }
        // With no label left, a throw here could never be reached.
        if (listed) t.print(out, "\t    throw ${NewFault};\n");
    }
    out << "\t}\n";
}

void JavaUnionType::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    JavaName name = getJavaName();
    JavaText out(name);
    out.printPackage(name);
    JavaUnionCases cases(getUnionTypeSpec());

    JavaTemplate t("");
    t.set("Item", name.item())
        .set("D", cases.discriminatorType())
        .set("Init", JavaLib::hidden("initialized"))
        .set("Disc", JavaLib::hidden("discriminator"))
        .set("Value", JavaLib::hidden("value"))
        .set("Object", JavaLib::javaObject())
        .set("Fault", JavaLib::unionFault())
        .set("NewFault", JavaLib::newUnionFault());
    t.print(out,
            "public final class ${Item} {\n"
            "    //\tinstance variables\n"
            "    private boolean ${Init};\n"
            "    private ${D} ${Disc};\n"
            "    private ${Object} ${Value};\n");
    std::ostringstream value;
    bool haveDefault = JavaLib::generateDefaultDiscriminator(value, cases.getSwitchType(), cases.nonDefaultLabels());
    if (haveDefault)
        t.set("default", String(value.str())).print(out, "    private ${D} _default = ${default};\n");
    else
        msg::warn(getTypeSpec().get_loc(), "Can't find \"default\" value for union discriminator");
    if (!cases.hasDefault() && haveDefault)
        t.print(out,
                "     public void _default() {\n"
                "          ${Init} = true;\n"
                "          ${Disc} = _default;\n"
                "     }\n");
    t.print(out,
            "    //\tconstructor\n"
            "    public ${Item}() {\n"
            "\t${Init} = false;\n"
            "\t${Value} = null;\n"
            "    }\n"
            "    //\tdiscriminator accessor\n"
            "    public ${D} discriminator() throws ${Fault} {\n"
            "\tif (!${Init}) {\n"
            "\t    throw ${NewFault};\n"
            "\t}\n"
            "\treturn ${Disc};\n"
            "    }\n"
            "    //\tbranch constructors and get and set accessors\n");

    for (const JavaUnionCases::Case& c : cases.get()) {
        t.set("B", c.javaType).set("b", c.item).set("BH", c.holder);
        t.print(out,
                "    public ${B} ${b}() throws ${Fault} {\n"
                "\tif (!${Init}) {\n"
                "\t    throw ${NewFault};\n"
                "\t}\n");
        printSelects(out, cases, c, JavaLib::hidden("discriminator"));
        t.print(out, c.boxed ? "\treturn ((${BH}) ${Value}).value;\n" : "\treturn (${B}) ${Value};\n");
        out << "    }\n";
    }

    for (const JavaUnionCases::Case& c : cases.get()) {
        t.set("B", c.javaType).set("b", c.item).set("BH", c.holder);
        // The statement that keeps the value, boxed or not.
        t.set("store", t.toString(c.boxed ? "${Value} = new ${BH}(value);" : "${Value} = value;"));
        t.print(out, "    public void ${b}(${B} value) {\n");
        if (!c.hasDefault) {
            t.set("first", JavaExpr::project(*c.labels.front()));
            t.print(out,
                    "\t${Init} = true;\n"
                    "\t${Disc} = (${D}) ${first};\n"
                    "\t${store}\n");
        } else if (haveDefault) {
            t.print(out,
                    "        ${Init} = true;\n"
                    "        ${Disc} = (${D}) _default;\n"
                    "      ${store}\n");
        } else {
            // Every discriminator value has a label of its own: the
            // default branch can never be selected.
            t.print(out, "\tthrow ${NewFault};\n");
        }
        out << "    }\n";
        if (!c.takesDiscriminator()) continue;
        t.print(out, "    public void ${b}(${D} discriminator, ${B} value) {\n");
        printSelects(out, cases, c, "discriminator");
        t.print(out,
                "\t${Init} = true;\n"
                "\t${Disc} = discriminator;\n"
                "\t${store}\n"
                "    }\n");
    }
    out << "}\n";
    files.write(name, source, verbose, "JavaUnionType", out);
}

// True when `text` names something whose first component is `name`: the
// name followed by "." and not itself part of a longer name.
static bool namesThrough(const std::string& text, const std::string& name) {
    auto identifierChar = [](char ch) {
        return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
               ch == '$';
    };
    for (size_t at = text.find(name + "."); at != std::string::npos; at = text.find(name + ".", at + 1))
        if (at == 0 || (!identifierChar(text[at - 1]) && text[at - 1] != '.')) return true;
    return false;
}

// The variable __read reads a branch into: named after the branch, unless
// that would hide what the read itself names: its own locals "that" and
// "dis", or a package or class its statements name (a branch P of a type
// of package P).
static String readLocal(const JavaUnionCases::Case& c) {
    if (c.item == "that" || c.item == "dis") return JavaLib::hidden(c.item);
    std::ostringstream statements;
    c.type->printUnmarshal(statements, "in", JavaName("\x01"), "");
    return namesThrough(statements.str(), c.item.str()) ? JavaLib::hidden(c.item) : c.item;
}

void JavaUnionType::printMarshalMethods(std::ostream& out) const {
    JavaUnionCases cases(getUnionTypeSpec());
    JavaTemplate t("");
    t.set("write", JavaLib::marshal())
        .set("read", JavaLib::unmarshal())
        .set("OutputStream", JavaLib::outputStream())
        .set("InputStream", JavaLib::inputStream())
        .set("Name", getJavaName())
        .set("D", cases.discriminatorType())
        .set("Fault", JavaLib::unionFault())
        .set("NewFault", JavaLib::newUnionFault());
    const JavaAST& discriminator = cases.getSwitchType();
    const String branchIndent = "\t    ";

    t.print(out,
            "    //\tmarshal methods\n"
            "    public static void ${write}(${OutputStream} out, ${Name} that) throws ${Fault} {\n");
    discriminator.printMarshal(out, "out", JavaName(JavaName("that"), "discriminator()"), "\t");
    out << cases.switchHead("that.discriminator()", cases.isEnum() ? "      " : "\t");
    for (const JavaUnionCases::Case& c : cases.get()) {
        for (const Expr* label : c.allLabels) {
            if (DefaultExpr::is(*label))
                out << "\tdefault:\n";
            else
                t.set("label", cases.labelText(*label)).print(out, "\tcase ${label}:\n");
        }
        c.type->printMarshal(out, "out", JavaName(JavaName("that"), c.item + "()"), branchIndent);
        out << "\t    break;\n";
    }
    if (!cases.hasDefault())
        t.print(out,
                "\tdefault:\n"
                "\t    throw ${NewFault};\n");
    out << "\t}\n"
           "    }\n";

    t.print(out,
            "    public static ${Name} ${read}(${InputStream} in) throws ${Fault} {\n"
            "        ${Name} that = new ${Name}();\n"
            "        ${D} dis;\n");
    discriminator.printUnmarshal(out, "in", JavaName("dis"), "\t");
    out << cases.switchHead("dis");
    for (const JavaUnionCases::Case& c : cases.get()) {
        out << "\t";
        const char* separator = "";
        for (const Expr* label : c.allLabels) {
            out << separator;
            if (DefaultExpr::is(*label))
                out << "\tdefault:";
            else
                t.set("label", cases.labelText(*label)).print(out, "case ${label}:");
            separator = "\n\t";
        }
        String local = readLocal(c);
        t.set("B", c.javaType).set("b", c.item).set("local", local);
        t.print(out,
                " {\n"
                "\t    ${B} ${local};\n");
        c.type->printUnmarshal(out, "in", JavaName(local), branchIndent);
        t.print(out, c.takesDiscriminator() ? "\t    that.${b}(dis, ${local});\n" : "\t    that.${b}(${local});\n");
        out << "\t    break;\n"
               "\t}\n";
    }
    if (!cases.hasDefault())
        t.print(out,
                "\tdefault:\n"
                "\t    throw ${NewFault};\n");
    out << "\t}\n"
           "      return that;\n"
           "    }\n";
}

// JavaKind

String JavaUnionType::typeCode() const { return JavaLib::helperTypeCode(getJavaName()); }

JavaHolder* JavaUnionType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaUnionType::makeHelper() const { return new JavaUnionTypeOps(*this); }

// The union's class, Holder and Helper, and those of an enum declared in
// its switch, which is written with the union.
void JavaUnionType::addClientGenerators(JavaTypeList& out) const {
    registerClasses(getJavaName());
    out.append(*this);
    out.append(JavaHolder::project(*this));
    out.append(JavaBaseTypeOps::project(getTypeSpec()));
    const TypeSpec& discriminator = getUnionTypeSpec().get_switch_type();
    if (discriminator.defines_name()) {
        JavaAST& e = JavaAST::project(discriminator);
        registerClasses(e.getJavaName());
        out.append(e);
        out.append(JavaHolder::project(e));
        out.append(JavaBaseTypeOps::project(discriminator));
    }
}
