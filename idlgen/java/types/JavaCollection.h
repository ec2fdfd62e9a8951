// What sequences and arrays share: both map to Java arrays and are
// marshalled inline, either by one bulk call of the stream or by a counted
// loop over the elements.  Nested sequences and arrays are written inside
// the loop of their container at the next depth, so that each level has
// index and length locals of its own.
#ifndef QUORVEX_IDLGEN_JAVACOLLECTION_H
#define QUORVEX_IDLGEN_JAVACOLLECTION_H

#include <iosfwd>

#include "lib/String.h"

class JavaAST;

class JavaCollection {
public:
    // The loop index and the length local of a depth: "__index" and
    // "__length" at depth 1, with the depth appended below it.
    static String indexName(int depth);
    static String lengthName(int depth);

    // The element type as it is tested and marshalled: through typedef
    // names, so that an element named by a typedef behaves as the type
    // the name stands for.
    static const JavaAST& elementOf(const JavaAST& element);

    // The stream call ("write_long_array" ...) that moves a whole array of
    // such elements, or an empty text when the elements need the loop
    // (any, and every type that is not a base type or a string).
    static String bulkCall(const JavaAST& element, bool write);

    // The statements for one element `variable` inside the loop of depth
    // `depth`: nested sequences and arrays at depth + 1, every other type
    // through its own marshal protocol.
    static void marshalElement(std::ostream& out, const JavaAST& element, const char* stream,
                               const String& variable, const String& indent, int depth);
    static void unmarshalElement(std::ostream& out, const JavaAST& element, const char* stream,
                                 const String& variable, const String& indent, int depth);

    // The class named in an allocation: the Java type of the innermost
    // element that is neither a sequence nor an array.
    static String allocationBase(const JavaAST& element);
    // The brackets after an allocation's first dimension for the levels
    // nested in `element`: "[]" for sequences; for arrays "[(int) N]" when
    // `sized` and no sequence came before (Java cannot size a dimension
    // after an unsized one), else "[]".
    static String allocationLevels(const JavaAST& element, bool sized);
};

#endif
