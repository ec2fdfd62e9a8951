#include "idlgen/java/types/JavaCollection.h"

#include <ostream>
#include <sstream>
#include <string>

#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaName.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaBaseType.h"
#include "idlgen/java/types/JavaSequenceType.h"
#include "idlgen/java/types/JavaStringType.h"
#include "idlgen/java/types/JavaValueBoxType.h"

static String numbered(const char* name, int depth) {
    String text = JavaLib::hidden(name);
    if (depth > 1) text = text + String(std::to_string(depth));
    return text;
}

String JavaCollection::indexName(int depth) { return numbered("index", depth); }

String JavaCollection::lengthName(int depth) { return numbered("length", depth); }

const JavaAST& JavaCollection::elementOf(const JavaAST& element) { return element.underType(); }

String JavaCollection::bulkCall(const JavaAST& element, bool write) {
    const JavaAST& t = elementOf(element);
    String item;
    if (JavaStringType::isA(t)) {
        if (JavaStringType::narrow(t).isWide()) return String();  // wstring: element by element
        item = JavaLib::stringStreamItem(false);
    } else if (JavaBaseType::isA(t)) {
        if (JavaBaseType::narrow(t).getBaseTag() == 5) return String();  // any: element by element
        item = JavaBaseType::narrow(t).getInfo().streamItem;
    } else {
        return String();
    }
    return JavaLib::streamArrayCall(write, item);
}

void JavaCollection::marshalElement(std::ostream& out, const JavaAST& element, const char* stream,
                                    const String& variable, const String& indent, int depth) {
    const JavaAST& t = elementOf(element);
    if (JavaSequenceType::isA(t))
        JavaSequenceType::narrow(t).internalMarshalConsume(out, stream, variable, indent, depth + 1);
    else if (JavaArrayType::isA(t))
        JavaArrayType::narrow(t).internalMarshalConsume(out, stream, variable, indent, depth + 1);
    else
        t.printMarshal(out, stream, JavaName(variable), indent);
}

void JavaCollection::unmarshalElement(std::ostream& out, const JavaAST& element, const char* stream,
                                      const String& variable, const String& indent, int depth) {
    const JavaAST& t = elementOf(element);
    if (JavaSequenceType::isA(t))
        JavaSequenceType::narrow(t).internalUnmarshal(out, stream, variable, indent, depth + 1);
    else if (JavaArrayType::isA(t))
        JavaArrayType::narrow(t).internalUnmarshal(out, stream, variable, indent, depth + 1);
    else
        t.printUnmarshal(out, stream, JavaName(variable), indent);
}

// The type whose Java shape an allocation follows: a boxed sequence or
// array is, in Java, the boxed array itself.
static const JavaAST* shapeOf(const JavaAST* t) {
    if (JavaValueBoxType::isA(*t)) {
        const JavaAST& boxed = JavaValueBoxType::narrow(*t).getBoxed();
        if (JavaSequenceType::isA(boxed) || JavaArrayType::isA(boxed)) return &boxed;
    }
    return t;
}

String JavaCollection::allocationBase(const JavaAST& element) {
    const JavaAST* t = &elementOf(element);
    for (;;) {
        t = shapeOf(t);
        if (JavaSequenceType::isA(*t))
            t = &elementOf(JavaSequenceType::narrow(*t).getElementType());
        else if (JavaArrayType::isA(*t))
            t = &elementOf(JavaArrayType::narrow(*t).getElementType());
        else
            break;
    }
    return t->full_text();
}

String JavaCollection::allocationLevels(const JavaAST& element, bool sized) {
    std::ostringstream out;
    const JavaAST* t = &elementOf(element);
    for (;;) {
        t = shapeOf(t);
        if (JavaSequenceType::isA(*t)) {
            sized = false;
            out << "[]";
            t = &elementOf(JavaSequenceType::narrow(*t).getElementType());
        } else if (JavaArrayType::isA(*t)) {
            const JavaArrayType& array = JavaArrayType::narrow(*t);
            if (sized)
                out << "[(int) " << array.getBound() << "]";
            else
                out << "[]";
            t = &elementOf(array.getElementType());
        } else {
            return String(out.str());
        }
    }
}
