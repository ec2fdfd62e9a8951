// The pieces shared by the operation and accessor descriptors of a stub
// class: type codes and mode words in hexadecimal, the class entries, and
// the one-line lists of entries.
#ifndef QUORVEX_IDLGEN_JAVADESCRIPTOR_H
#define QUORVEX_IDLGEN_JAVADESCRIPTOR_H

#include <iosfwd>

#include "lib/String.h"

class ExceptionTypeSpec;
class JavaAST;

class JavaDescriptor {
public:
    // "0x" and the value in lower-case hexadecimal.
    static String hex(unsigned value);
    // [TC(T)]: the TCKind number of the type in hexadecimal.
    static String typeCode(const JavaAST& type);
    // True for a base type, string or builtin after typedef resolution:
    // values that need no class in the descriptor.
    static bool isPlain(const JavaAST& type);
    // The class entry of a result (`holder` true) or parameter: "null" for
    // plain types; the holder's class for results, out-like parameters and
    // in parameters that travel in a holder; else "null".
    static String classEntry(const JavaAST& type, bool holder);
    static String repositoryIdentifier(const ExceptionTypeSpec& exc);

    // Entries of one array, written on one line: a result entry at the
    // very beginning, the first other entry after the indent and two
    // blanks, every later entry after ", ".
    class List {
    public:
        List(std::ostream& out, const String& indent) : out(&out), indent(indent) {}
        void result(const String& text);
        void entry(const String& text);

    private:
        std::ostream* out;
        String indent;
        bool any = false;
    };
};

#endif
