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
    enum Tag {
        jBaseType = 0,
        jBuiltinType = 1,
        jEnumType = 2,
        jExceptionType = 3,
        jForwardType = 4,
        jImportType = 5,
        jInterfaceType = 6,
        jModuleType = 7,
        jScopedNameType = 8,
        jSequenceType = 9,
        jArrayType = 10,
        jStructType = 11,
        jStringType = 12,
        jUnionType = 13,
        jVoidType = 14,
        jHolder = 15,
        jInterface = 16,
        jObjRef = 17,
        jIDLOperations = 18,
        jSkeleton = 19,
        jServant = 20,
        jExceptionDescriptor = 21,
        jTypeOps = 22,
        jValueBoxType = 23,
        jFixedType = 24
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
    // Ends the run: a projection was narrowed to a kind it is not.
    [[noreturn]] void narrowFault(const char* expected) const;
};

class JavaTypeList : public DLList<JavaType> {};

#endif
