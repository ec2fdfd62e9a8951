// Projection of a value type (-fcorba3, "valuetype Name { ... }"), as the
// CORBA Java mapping maps it: values are instances of the Java class (an
// abstract class the user extends; for an abstract value type a Java
// interface) that the interfaces layer writes (JavaValueClass).  Here are
// what makes it a kind: its Helper, which hands values to the value streams
// with the type's repository identifier and describes the type by a
// tk_value TypeCode with its state members, and its Holder.
#ifndef QUORVEX_IDLGEN_JAVAVALUETYPE_H
#define QUORVEX_IDLGEN_JAVAVALUETYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"
#include "idlgen/java/types/JavaTypeOps.h"

class ValueTypeSpec;

class JavaValueType : public JavaNamedAST, public JavaKind {
public:
    static JavaValueType& project(const ValueTypeSpec& ts) {
        return projectionOf<JavaValueType>(ts, [&] { return new JavaValueType(ts); });
    }

    void print(std::ostream& out) const override { out << getJavaName(); }
    void printMarshalMethods(std::ostream& out) const override;

    const ValueTypeSpec& getValueTypeSpec() const;
    // The factory interface of the initializers, and the default factory
    // written for a concrete value type whose class has nothing abstract.
    JavaName factoryName() const;
    JavaName defaultFactoryName() const;
    bool hasDefaultFactory() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 29; }
    bool travelsInHolder() const override { return true; }
    bool unionNeedsHolder() const override { return false; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    void addClientGenerators(JavaTypeList& out) const override;
    bool ownsClass() const override { return true; }
    bool holdsPackage() const override { return true; }
    bool takesPrefix() const override { return true; }
    bool prefixReachesContents() const override { return true; }
    bool isDirectiveScope() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaValueType*>(&t) != nullptr; }
    static const JavaValueType& narrow(const JavaType& t);

private:
    explicit JavaValueType(const ValueTypeSpec& ts);
};

// The Helper of a value type: the TypeCode of its state members and, for
// the value class, the repository identifiers it travels with and the
// marshalling of its own state.  These live in the Helper because the
// value class's fields are IDL names: one named like the first component of
// a package would hide that package from code inside the class, which
// therefore names only its Helper, by its simple name.
class JavaValueTypeOps : public JavaBaseTypeOps {
public:
    explicit JavaValueTypeOps(const JavaAST& type) : JavaBaseTypeOps(type) {}
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printTypeCodeAccessor(std::ostream& out) const override;

private:
    void printStateMethods(std::ostream& out) const;
};

#endif
