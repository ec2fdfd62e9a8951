// Projection of a boxed value type (-fcorba3, "valuetype Name type;"), as
// the CORBA Java mapping maps it: where the boxed type maps to a Java
// reference type, values are of that type itself; where it maps to a Java
// primitive, a small class Name holds it in its public field `value`.  Either
// way the value travels as a value (a value tag with the repository
// identifier, then the boxed value; the null tag for null) through the
// Helper, which implements the runtime's BoxedValueHelper.
#ifndef QUORVEX_IDLGEN_JAVAVALUEBOXTYPE_H
#define QUORVEX_IDLGEN_JAVAVALUEBOXTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"
#include "idlgen/java/types/JavaTypeOps.h"

class ValueBoxTypeSpec;

class JavaValueBoxType : public JavaNamedAST, public JavaKind {
public:
    static JavaValueBoxType& project(const ValueBoxTypeSpec& ts) {
        return projectionOf<JavaValueBoxType>(ts, [&] { return new JavaValueBoxType(ts); });
    }

    // The Java type of the values: the box class, or the boxed type.
    void print(std::ostream& out) const override;
    // The box class, when the boxed type is a Java primitive.
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;

    const ValueBoxTypeSpec& getValueBoxTypeSpec() const;
    // The boxed type, through typedef names.
    const JavaAST& getBoxed() const;
    // Whether the boxed type is a Java primitive, held in a box class.
    bool hasBoxClass() const;
    // Whether values of the boxed type's class are not known to be
    // Serializable (struct, union and enum classes, references, builtin
    // types): the Helper then hands them to the streams in a small
    // Serializable class of its own.
    bool isWrapped() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 30; }
    bool travelsInHolder() const override { return true; }
    bool unionNeedsHolder() const override { return false; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    void addClientGenerators(JavaTypeList& out) const override;
    bool ownsClass() const override { return true; }
    bool takesPrefix() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaValueBoxType*>(&t) != nullptr; }
    static const JavaValueBoxType& narrow(const JavaType& t);

private:
    explicit JavaValueBoxType(const ValueBoxTypeSpec& ts);
};

// The Helper of a boxed value type: the static methods of every Helper, and
// the BoxedValueHelper methods the streams call to read and write the boxed
// value itself.
class JavaValueBoxTypeOps : public JavaBaseTypeOps {
public:
    explicit JavaValueBoxTypeOps(const JavaAST& type) : JavaBaseTypeOps(type) {}
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printTypeCodeAccessor(std::ostream& out) const override;
};

#endif
