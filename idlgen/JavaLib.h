// The vocabulary of the Java runtime that generated code is written against.
// (For now only the package prefix given with -p.)
#ifndef QUORVEX_IDLGEN_JAVALIB_H
#define QUORVEX_IDLGEN_JAVALIB_H

#include "String.h"

class JavaLib {
public:
    static void setPackagePrefix(const String& prefix) { packagePrefix = new String(prefix); }
    // Null until -p gives one.
    static const String* getPackagePrefix() { return packagePrefix; }

private:
    static String* packagePrefix;
};

#endif
