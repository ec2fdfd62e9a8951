// A constant declared in a module or at file level: a small class of its
// own, named after the constant, whose field "value" holds it.
#ifndef QUORVEX_IDLGEN_JAVACONSTANT_H
#define QUORVEX_IDLGEN_JAVACONSTANT_H

#include <iosfwd>

class ConFile;
class InitDeclarator;
class JavaFiles;
class JavaName;

class JavaConstant {
public:
    // Writes the constant's class; `who` labels the messages.
    static void writeFile(JavaFiles& files, const ConFile& source, int verbose, const InitDeclarator& d,
                          const char* who);
    // The field declaration "public static final T name = (T) value;".
    // The value is cast to the field's type: IDL literals print as long and
    // double, which Java would not narrow to int, short, byte or float.
    static void printDeclaration(std::ostream& out, const InitDeclarator& d, const JavaName& field,
                                 bool modifiers = true);
};

#endif
