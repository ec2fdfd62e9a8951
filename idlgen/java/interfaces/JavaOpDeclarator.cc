#include "idlgen/java/interfaces/JavaOpDeclarator.h"

#include <ostream>
#include <unordered_set>

#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaProjection.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/interfaces/JavaArgList.h"
#include "idlgen/java/interfaces/JavaDescriptor.h"
#include "idlgen/java/types/JavaBaseType.h"
#include "idlgen/java/types/JavaBuiltinType.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaInterfaceType.h"
#include "idlgen/java/types/JavaVoidType.h"

String JavaOpDeclarator::getMethodName() const { return JavaName(*op).item(); }

const String& JavaOpDeclarator::getIDLName() const { return op->get_name().as_String(); }

JavaAST& JavaOpDeclarator::getResultType() const { return JavaAST::project(op->get_typespec()); }

bool JavaOpDeclarator::hasResult() const { return !JavaVoidType::isA(getResultType()); }

JavaArgList& JavaOpDeclarator::getArgs() const {
    return projectionOf<JavaArgList>(op->get_params(), [&] { return new JavaArgList(op->get_params()); });
}

bool JavaOpDeclarator::isClass() const { return op->get_decl().is_class_procedure(); }

bool JavaOpDeclarator::isOneway() const { return op->is_oneway(); }

std::vector<const ExceptionTypeSpec*> JavaOpDeclarator::getRaises() const {
    std::vector<const ExceptionTypeSpec*> raises;
    std::unordered_set<const ExceptionTypeSpec*> seen;
    for (DLListIter<ScopedName> it(op->get_raises()); it; it.next()) {
        const Declarator* d = it.entry().get_unwrapped_declarator();
        if (!d || !d->has_typespec() || !ExceptionTypeSpec::is(d->get_typespec())) continue;
        const ExceptionTypeSpec* exc = &ExceptionTypeSpec::narrow(d->get_typespec());
        if (seen.insert(exc).second) raises.push_back(exc);
    }
    return raises;
}

static JavaName exceptionName(const ExceptionTypeSpec* exc) { return JavaAST::project(*exc).getJavaName(); }

void JavaOpDeclarator::print(std::ostream& out) const {
    out << getMethodName() << "(" << getArgs() << ")\n";
    const char* separator = "        throws ";
    for (DLListIter<ScopedName> it(op->get_raises()); it; it.next()) {
        const Declarator* d = it.entry().get_unwrapped_declarator();
        if (!d) continue;
        out << separator << JavaName(*d);
        separator = ", ";
    }
}

void JavaOpDeclarator::printDescriptor(std::ostream& out, const String& indent, int index) const {
    JavaTemplate t("");
    t.set("I", indent).set("k", index).set("name", getIDLName()).set("OpDesc", JavaLib::operationDescriptor());
    t.print(out,
            "${I}{\n"
            "${I}//      Descriptor for ${name}\n"
            "${I}int[] _p${k} = {\n");
    JavaArgList& args = getArgs();
    JavaDescriptor::List p(out, indent);
    if (hasResult()) p.result(JavaDescriptor::typeCode(getResultType()));
    for (const JavaArg& a : args.get())
        p.entry(JavaDescriptor::typeCode(a.getType()) + " | " + JavaDescriptor::hex(a.modeWord()));
    t.print(out, "\n${I}};\n${I}Class[] _c${k} = {\n");
    JavaDescriptor::List c(out, indent);
    if (hasResult()) c.result(JavaDescriptor::classEntry(getResultType(), true));
    for (const JavaArg& a : args.get()) c.entry(JavaDescriptor::classEntry(a.getType(), a.containsOut()));
    t.print(out, "\n${I}};\n${I}Class[] _e${k} = {\n");
    JavaDescriptor::List e(out, indent);
    for (TblIter<const ExceptionTypeSpec*, ExceptionTypeSpec> it(op->get_exc_tbl()); it; it.next())
        e.entry(JavaLib::getClassForName(JavaAST::project(it.entry())));
    t.print(out, "\n${I}};\n${I}String[] _exId${k} = {\n");
    JavaDescriptor::List x(out, indent);
    for (TblIter<const ExceptionTypeSpec*, ExceptionTypeSpec> it(op->get_exc_tbl()); it; it.next())
        x.entry(String("\"") + JavaDescriptor::repositoryIdentifier(it.entry()) + "\"");
    t.set("method", getMethodName()).set("oneway", isOneway() ? JavaLib::trueLiteral() : JavaLib::falseLiteral());
    t.print(out,
            "\n${I}};\n"
            "${I}    __ops[${k}] = new ${OpDesc}(\"${method}\", _p${k}, _c${k}, _exId${k}, _e${k}, ${oneway});\n"
            "${I}}\n"
            "\n\n");
}

// The slots of the parameters: the result takes index 0 of its array; each
// in-like primitive the next long slot, every other parameter the next
// object slot.  `n` and `o` are the names of the two arrays.
struct JavaArgSlot {
    String longSlot;
    String objectSlot;
};

static std::vector<JavaArgSlot> assignSlots(const JavaOpDeclarator& op, const JavaArgList& args, const char* n,
                                            const char* o) {
    int longIndex = 0, objectIndex = 0;
    if (op.hasResult()) (JavaLib::whichArray(op.getResultType()) ? longIndex : objectIndex) = 1;
    std::vector<JavaArgSlot> slots;
    for (const JavaArg& a : args.get()) {
        if (a.inLongArray())
            slots.push_back(JavaArgSlot{String(n) + "[" + String(std::to_string(longIndex++)) + "]",
                                        String(o) + "[9999]"});
        else
            slots.push_back(JavaArgSlot{String(n) + "[9999]",
                                        String(o) + "[" + String(std::to_string(objectIndex++)) + "]"});
    }
    return slots;
}

void JavaOpDeclarator::printStubMethod(std::ostream& out, int index) const {
    if (isClass()) return;
    out << "    //\t    Implementation of " << getIDLName() << "\n"
        << "    public " << getResultType() << " " << *this;
    printDefinition(out, index);
}

void JavaOpDeclarator::printDefinition(std::ostream& out, int index) const {
    const String I = String::replicate(' ', 11);
    JavaArgList& args = getArgs();
    int count = static_cast<int>(args.get().size()) + (hasResult() ? 1 : 0);
    JavaTemplate t("");
    t.set("I", I).set("N", count).set("index", index);
    t.print(out,
            " {\n"
            "${I}long   _n[] = new long[${N}];\n"
            "${I}java.lang.Object _o[] = new java.lang.Object[${N}];\n"
            "${I}java.lang.Object _e;\n");
    if (hasResult() && !JavaLib::whichArray(getResultType())) {
        const JavaAST& r = getResultType().underType();
        // Interfaces (but abstract ones), Object and any come back bare;
        // the rest in a holder.
        bool bare = (JavaInterfaceType::isA(r) && !JavaInterfaceType::narrow(r).isAbstract()) ||
                    JavaBaseType::isA(r) ||
                    (JavaBuiltinType::isA(r) &&
                     JavaBuiltinType::narrow(r).getJavaClass() == JavaLib::corbaObject().toString());
        if (bare)
            t.print(out, "${I}_o[0] = null;\n");
        else
            t.set("Holder", JavaHolder::project(getResultType())).print(out, "${I}_o[0] = new ${Holder}();\n");
    }
    std::vector<JavaArgSlot> slots = assignSlots(*this, args, "_n", "_o");
    for (size_t i = 0; i < slots.size(); ++i) {
        const JavaArg& a = args.get()[i];
        out << I
            << JavaLib::getConversionTo(a.getType(), a.getName().item(), slots[i].longSlot, slots[i].objectSlot,
                                        !a.containsOut())
            << ";\n";
    }
    if (count > 0)
        t.print(out, "${I}_e = _invoke(__ops[${index}], _n, _o);\n");
    else
        t.print(out, "${I}_e = _invoke(__ops[${index}], null, null);\n");
    printExceptionCatches(out, I);
    if (hasResult())
        out << I << "return " << JavaLib::getConversionFrom(getResultType(), "_n[0]", "_o[0]") << ";\n";
    out << "    }\n";
}

// One branch per name of the raises list, as written.
void JavaOpDeclarator::printExceptionCatches(std::ostream& out, const String& indent) const {
    JavaTemplate t("");
    t.set("I", indent);
    bool first = true;
    for (DLListIter<ScopedName> it(op->get_raises()); it; it.next()) {
        const Declarator* d = it.entry().get_unwrapped_declarator();
        if (!d) continue;
        t.set("H", JavaLib::holder(JavaName(*d)));
        t.print(out, first ? "${I}if (_e != null) {\n" : "${I}    else ");
        t.print(out,
                "${I}    if (_e instanceof ${H})\n"
                "${I}        throw ((${H}) _e).value;\n");
        first = false;
    }
    if (!first) t.print(out, "${I}}\n");
}

void JavaOpDeclarator::printSkeletonFragment(std::ostream& out, const String& indent, int) const {
    std::vector<const ExceptionTypeSpec*> raises = getRaises();
    bool tries = !op->get_raises().empty() && !raises.empty();
    String I = indent + "    ";
    out << I << (tries ? "try " : "") << "{\n";
    I += "    ";
    out << I;
    if (hasResult()) out << getResultType() << " " << JavaLib::hidden("result") << " = ";
    out << "self." << getMethodName() << "(\n";
    I += "  ";
    JavaArgList& args = getArgs();
    std::vector<JavaArgSlot> slots = assignSlots(*this, args, "n", "o");
    for (size_t i = 0; i < slots.size(); ++i) {
        const JavaArg& a = args.get()[i];
        if (i) out << ",\n";
        out << I
            << JavaLib::getSkelConversionFrom(a.getType(), slots[i].longSlot, slots[i].objectSlot,
                                              !a.containsOut());
    }
    out << ");\n";
    if (hasResult()) {
        bool primitive = JavaLib::whichArray(getResultType());
        out << I
            << JavaLib::getSkelConversionTo(getResultType(), JavaLib::hidden("result"), primitive ? "n[0]" : "n[9999]",
                                            primitive ? "o[9999]" : "o[0]")
            << ";\n";
    }
    if (tries) {
        String J = indent + "    ";
        for (const ExceptionTypeSpec* exc : raises) {
            JavaName name = exceptionName(exc);
            out << J << "\n" << J << "} catch (" << name << " _e) {\n"
                << J << "    return new " << JavaLib::holder(name) << "(_e);\n";
        }
    }
    out << indent << "    }\n";
}
