#include "idlgen/java/types/JavaArrayType.h"

#include <ostream>
#include <vector>

#include "lib/msg.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaCollection.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"

// The placeholder type an array projection stands on.
static const VoidTypeSpec& placeholder() {
    static const VoidTypeSpec* v = new VoidTypeSpec(SrcLoc());
    return *v;
}

JavaArrayType::JavaArrayType(const JavaAST& element, const Expr* bound)
    : JavaAST(placeholder()), element(&element), bound(bound) {}

JavaArrayType& JavaArrayType::project(const TypeSpec& element, const JavaExprList& bounds) {
    std::vector<const Expr*> dims;
    for (DLListIter<JavaExpr> it(bounds); it; it.next()) dims.push_back(&it.entry().getExpr());
    const JavaAST* inner = &JavaAST::project(element);
    JavaArrayType* outer = nullptr;
    for (size_t i = dims.size(); i-- > 0;) inner = outer = new JavaArrayType(*inner, dims[i]);
    if (!outer) msg::panic("JavaArrayType::project: no bounds");
    return *outer;
}

JavaArrayType& JavaArrayType::project(const ArrayDeclarator& declarator) {
    JavaArrayType& array = project(declarator.get_typespec(), JavaExprList(declarator.get_sizes()));
    if (declarator.is_typedefd()) array.typedefDeclarator = &declarator;
    return array;
}

JavaName JavaArrayType::getJavaName() const {
    if (typedefDeclarator) return JavaName(*typedefDeclarator);
    return JavaAST::getJavaName();
}

const JavaArrayType& JavaArrayType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ArrayTypeSpec");
    return static_cast<const JavaArrayType&>(t);
}

const JavaExpr& JavaArrayType::getBound() const { return JavaExpr::project(*bound); }

void JavaArrayType::print(std::ostream& out) const { out << *element << "[]"; }

void JavaArrayType::printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                 const String& indent) const {
    out << indent << "{\n";
    internalMarshalConsume(out, stream, variable.toString(), indent + "    ", 1);
    out << indent << "}\n";
}

void JavaArrayType::printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                   const String& indent) const {
    out << indent << "{\n";
    internalUnmarshal(out, stream, variable.toString(), indent + "    ", 1);
    out << indent << "}\n";
}

void JavaArrayType::internalMarshalConsume(std::ostream& out, const char* stream, const String& variable,
                                           const String& indent, int depth) const {
    JavaTemplate t("");
    t.set("in", indent)
        .set("s", stream)
        .set("v", variable)
        .set("N", getBound())
        .set("i", JavaCollection::indexName(depth))
        .set("MarshalFault", JavaLib::newMarshalingException());
    t.print(out,
            "${in}if (${v}.length != ${N}) {\n"
            "${in}    throw ${MarshalFault};\n"
            "${in}}\n");
    String bulk = JavaCollection::bulkCall(*element, true);
    if (!bulk.empty()) {
        t.set("call", bulk).print(out, "${in}${s}.${call}(${v}, 0, ${v}.length);\n");
        return;
    }
    t.print(out, "${in}for (int ${i} = 0 ; ${i} < ${N} ; ${i} += 1) {\n");
    JavaCollection::marshalElement(out, *element, stream, variable + "[" + JavaCollection::indexName(depth) + "]",
                                   indent + "    ", depth);
    t.print(out, "${in}}\n");
}

void JavaArrayType::internalUnmarshal(std::ostream& out, const char* stream, const String& variable,
                                      const String& indent, int depth) const {
    JavaTemplate t("");
    t.set("in", indent)
        .set("s", stream)
        .set("v", variable)
        .set("N", getBound())
        .set("i", JavaCollection::indexName(depth))
        .set("alloc", createNew());
    t.print(out, "${in}${v} = ${alloc};\n");
    String bulk = JavaCollection::bulkCall(*element, false);
    if (!bulk.empty()) {
        t.set("call", bulk).print(out, "${in}${s}.${call}(${v}, 0, ${v}.length);\n");
        return;
    }
    t.print(out, "${in}for (int ${i} = 0 ; ${i} < ${N} ; ${i} += 1) {\n");
    JavaCollection::unmarshalElement(out, *element, stream, variable + "[" + JavaCollection::indexName(depth) + "]",
                                     indent + "    ", depth);
    t.print(out, "${in}}\n");
}

// "new " [base] "[(int) " [N] "]", then the levels nested in the element.
String JavaArrayType::createNew() const {
    return String("new ") + JavaCollection::allocationBase(*element) + "[(int) " + getBound().full_text() + "]" +
           JavaCollection::allocationLevels(*element, true);
}

// JavaKind

JavaHolder* JavaArrayType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaArrayType::makeHelper() const { return new JavaArrayTypeOps(*this); }

String JavaArrayType::typeCode() const { return JavaArrayTypeOps(*this).printCreateCall(); }
