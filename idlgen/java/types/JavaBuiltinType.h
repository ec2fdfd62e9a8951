// Projection of a builtin type (Object, TypeCode, Principal and those of
// #pragma builtin): a Java class given by the "java_class" attribute; or of
// a native type (-fcorba3), whose class is that of its name when the ORB
// modules declare it, and which has none otherwise.
#ifndef QUORVEX_IDLGEN_JAVABUILTINTYPE_H
#define QUORVEX_IDLGEN_JAVABUILTINTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class BuiltinTypeSpec;
class DeclList;
class String;

class JavaBuiltinType : public JavaAST, public JavaKind {
public:
    static JavaBuiltinType& project(const BuiltinTypeSpec& ts) {
        return projectionOf<JavaBuiltinType>(ts, [&] { return new JavaBuiltinType(ts); });
    }

    void print(std::ostream& out) const override;
    JavaName getJavaName() const override;
    void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                      const String& indent) const override;
    void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                        const String& indent) const override;

    // The "java_class" attribute of the builtin's declarator, else its IDL
    // name; for a native type, the Java name of its declaration.
    String getJavaClass() const;

    // Reports each use of a native type by a declaration that is written
    // (one of file `contractFile`, outside the ORB modules): a native type
    // declared by the file has no Java type at all, and the ORB modules'
    // own natives stand only for in parameters and results of a local
    // interface's operations, which never travel.  True when there was one.
    static bool reportNatives(const DeclList& decls, const String& contractFile);

    // JavaKind
    String typeCode() const override;
    int tcKind() const override;
    // ValueBase (-fcorba3) travels as a value, in the runtime's holder.
    bool travelsInHolder() const override { return isValueBase(); }
    bool isValueBase() const;
    bool unionNeedsHolder() const override { return false; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaBuiltinType*>(&t) != nullptr; }
    static const JavaBuiltinType& narrow(const JavaType& t);

private:
    explicit JavaBuiltinType(const BuiltinTypeSpec& ts);
};

#endif
