#include "idlgen/java/types/JavaSequenceType.h"

#include <ostream>

#include "ast/tree/types.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaCollection.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "lib/msg.h"

JavaSequenceType::JavaSequenceType(const SequenceTypeSpec& ts) : JavaAST(ts) {}

const JavaSequenceType& JavaSequenceType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("SequenceTypeSpec");
    return static_cast<const JavaSequenceType&>(t);
}

const SequenceTypeSpec& JavaSequenceType::sequence() const { return SequenceTypeSpec::narrow(getTypeSpec()); }

const JavaAST& JavaSequenceType::getElementType() const { return JavaAST::project(sequence().get_element_type()); }

bool JavaSequenceType::hasUpperBound() const { return sequence().is_bounded(); }

const JavaExpr& JavaSequenceType::getUpperBound() const { return JavaExpr::project(sequence().get_upper_bound()); }

void JavaSequenceType::print(std::ostream& out) const { out << getElementType() << "[]"; }

void JavaSequenceType::printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                    const String& indent) const {
    out << indent << "{\n";
    internalMarshalConsume(out, stream, variable.toString(), indent + "    ", 1);
    out << indent << "}\n";
}

void JavaSequenceType::printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                      const String& indent) const {
    out << indent << "{\n";
    internalUnmarshal(out, stream, variable.toString(), indent + "    ", 1);
    out << indent << "}\n";
}

void JavaSequenceType::internalMarshalConsume(std::ostream& out, const char* stream, const String& variable,
                                              const String& indent, int depth) const {
    JavaTemplate t("");
    t.set("in", indent)
        .set("s", stream)
        .set("v", variable)
        .set("i", JavaCollection::indexName(depth))
        .set("MarshalFault", JavaLib::newMarshalingException());
    if (hasUpperBound()) {
        t.set("N", getUpperBound());
        t.print(out,
                "${in}if (${v}.length > ${N}) {\n"
                "${in}    throw ${MarshalFault};\n"
                "${in}}\n");
    }
    t.print(out, "${in}${s}.write_long(${v}.length);\n");
    String bulk = JavaCollection::bulkCall(getElementType(), true);
    if (!bulk.empty()) {
        t.set("call", bulk).print(out, "${in}${s}.${call}(${v}, 0, ${v}.length);\n");
        return;
    }
    t.print(out, "${in}for (int ${i} = 0 ; ${i} < ${v}.length ; ${i} += 1) {\n");
    JavaCollection::marshalElement(out, getElementType(), stream, variable + "[" + JavaCollection::indexName(depth) + "]",
                                   indent + "    ", depth);
    t.print(out, "${in}}\n");
}

void JavaSequenceType::internalUnmarshal(std::ostream& out, const char* stream, const String& variable,
                                         const String& indent, int depth) const {
    JavaTemplate t("");
    t.set("in", indent)
        .set("s", stream)
        .set("v", variable)
        .set("i", JavaCollection::indexName(depth))
        .set("len", JavaCollection::lengthName(depth))
        .set("alloc", createNew(JavaCollection::lengthName(depth)))
        .set("MarshalFault", JavaLib::newMarshalingException());
    t.print(out, "${in}int ${len} = ${s}.read_long();\n");
    if (hasUpperBound()) {
        t.set("N", getUpperBound());
        t.print(out,
                "${in}if (${len} > ${N}) {\n"
                "${in}    throw ${MarshalFault};\n"
                "${in}}\n");
    }
    // Every element takes at least one octet: a length beyond the octets
    // left is false, and is refused before an array that large is made.
    t.print(out,
            "${in}if (${len} < 0 || ${len} > ${s}.available()) {\n"
            "${in}    throw ${MarshalFault};\n"
            "${in}}\n");
    t.print(out, "${in}${v} = ${alloc};\n");
    String bulk = JavaCollection::bulkCall(getElementType(), false);
    if (!bulk.empty()) {
        t.set("call", bulk).print(out, "${in}${s}.${call}(${v}, 0, ${v}.length);\n");
        return;
    }
    t.print(out, "${in}for (int ${i} = 0 ; ${i} < ${v}.length ; ${i} += 1) {\n");
    JavaCollection::unmarshalElement(out, getElementType(), stream,
                                     variable + "[" + JavaCollection::indexName(depth) + "]", indent + "    ", depth);
    t.print(out, "${in}}\n");
}

// "new " [base] "[" [length] "]", then "[]" for each level nested in the
// element.
String JavaSequenceType::createNew(const String& length) const {
    return String("new ") + JavaCollection::allocationBase(getElementType()) + "[" + length + "]" +
           JavaCollection::allocationLevels(getElementType(), false);
}

// JavaKind

JavaHolder* JavaSequenceType::makeHolder() const { return new JavaSequenceHolder(*this); }

JavaBaseTypeOps* JavaSequenceType::makeHelper() const { return new JavaSequenceTypeOps(*this); }

String JavaSequenceType::typeCode() const { return JavaSequenceTypeOps(*this).printCreateCall(); }
