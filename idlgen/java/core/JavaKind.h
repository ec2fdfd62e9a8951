// What every kind of type tells the generators about itself.  The
// projection class of a kind (idlgen/java/types: JavaStructType,
// JavaSequenceType, ...) derives from JavaAST and from JavaKind and answers
// each question below, so that the code that writes Helpers, Holders,
// descriptors, names and the client's file list asks the kind instead of
// switching over the kinds.  A new kind of type is its tree node, its case
// in JavaAST::project and one class implementing this interface; the pure
// functions are what every kind must decide, the others have the answer
// most kinds give.
#ifndef QUORVEX_IDLGEN_JAVAKIND_H
#define QUORVEX_IDLGEN_JAVAKIND_H

#include "idlgen/java/core/JavaType.h"
#include "lib/String.h"

class JavaAST;
class JavaBaseTypeOps;
class JavaHolder;
class TypeSpec;

class JavaKind {
public:
    // The kind a projection is; a generator (a Holder, a stub ...) is none
    // and ends the run with an internal error.
    static const JavaKind& of(const JavaAST& type);
    // The kind of a tree node's projection.
    static const JavaKind& of(const TypeSpec& ts);

    // The Java expression of the type's TypeCode.
    virtual String typeCode() const = 0;
    // The TCKind number an operation descriptor gives for a value of the
    // type; 0 when the runtime moves it by its class alone.
    virtual int tcKind() const = 0;

    // True when a value passed in travels in a call's object array inside
    // its Holder (and the descriptor names the Holder's class).  Asked of a
    // type seen through typedefs and forward declarations.
    virtual bool travelsInHolder() const = 0;
    // True when a union branch of this type keeps its value in a box of its
    // own (base types, enums and strings); exceptions, modules and void
    // cannot be branches.
    virtual bool unionNeedsHolder() const = 0;

    // A new Holder generator for values of the type, and a new Helper
    // generator for a declaration of it; JavaHolder::project and
    // JavaBaseTypeOps::project keep one of each per type.
    virtual JavaHolder* makeHolder() const = 0;
    virtual JavaBaseTypeOps* makeHelper() const = 0;
    // Adds to `out`, in the order their files are written, the generators
    // a declaration of the type brings to the client side, and registers
    // the class names they take.  Most kinds bring none.
    virtual void addClientGenerators(JavaTypeList& out) const;
    // True when a typedef naming the type directly writes a Holder of its
    // own, [Typedef]Holder (sequences, fixed-point types).
    virtual bool typedefWritesHolder() const { return false; }

    // True when a declaration of the type writes a class of its own into
    // its container's package (then the container's nested types go to
    // its "...Package" when the container holds one).
    virtual bool ownsClass() const { return false; }
    // True when types declared inside a declaration of the type are
    // written to the package "[Name]Package".
    virtual bool holdsPackage() const { return false; }

    // Repository identifiers.  True when a `#pragma prefix` in effect
    // reaches the type's own declarator.
    virtual bool takesPrefix() const { return false; }
    // True when the prefix in effect reaches the declarations inside it.
    virtual bool prefixReachesContents() const { return false; }
    // True when the type is a scope that `#pragma ID`, `#pragma version`,
    // `typeid` and `typeprefix` can name.
    virtual bool isDirectiveScope() const { return false; }

    // Registers a type's class with its Holder and Helper in their package
    // (JavaName::registerClass).
    static void registerClasses(const JavaName& type);

protected:
    ~JavaKind() = default;
};

#endif
