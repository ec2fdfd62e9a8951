// The root of the generator objects: every Java-side type prints its Java
// type expression and answers the marshal protocol, the set of operations
// through which generators ask a type for the Java that writes a value to a
// stream, reads it back, initialises it, and writes the type's own files.
#ifndef QUORVEX_IDLGEN_JAVATYPE_H
#define QUORVEX_IDLGEN_JAVATYPE_H

#include <iosfwd>

#include "ast/tree/printable.h"
#include "idlgen/java/core/JavaName.h"
#include "lib/String.h"
#include "lib/dllist.h"

class ConFile;
class JavaFiles;

class JavaType : public Printable {
public:
    // What a projection is: a kind of type (JavaKind says which and what
    // it answers), or one of the generators that write a type's other
    // classes.
    enum Tag {
        jKind = 0,
        jHolder = 1,
        jInterface = 2,
        jObjRef = 3,
        jIDLOperations = 4,
        jSkeleton = 5,
        jServant = 6,
        jExceptionDescriptor = 7,
        jTypeOps = 8,
        jValueClass = 9
    };

    // The Java type expression: the class name, or for sequences and
    // arrays the element type followed by "[]".
    void print(std::ostream& out) const override = 0;
    virtual Tag getTag() const = 0;
    virtual JavaName getJavaName() const;
    // Writes the Java source file(s) of this type.
    virtual void writeFile(JavaFiles& files, const ConFile& source, int verbose) const;
    // The static __write/__read pair that goes into the type's helper.
    virtual void printMarshalMethods(std::ostream& out) const;
    // Statements writing `variable` to the stream named `stream`; each line
    // starts with `indent` and ends with a newline.
    virtual void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                              const String& indent) const;
    // Statements reading a value from `stream` into `variable`.
    virtual void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                const String& indent) const;
    // The Java expression a variable of this type is initialised with.
    virtual String initializer() const { return "null"; }

    static const char* TagToChars(int tag);
    // The projection's class, for internal error messages.
    const char* describe() const;
    // Ends the run: a projection was narrowed to a kind it is not.
    [[noreturn]] void narrowFault(const char* expected) const;
};

class JavaTypeList : public DLList<JavaType> {};

#endif
