// Helper classes: for every user-defined type (and every typedef) a final
// class [Name]Helper of static methods that marshal the type, move it into
// and out of an any, describe it by a TypeCode and give its repository
// identifier.  JavaBaseTypeOps writes the file; the subclasses supply what
// differs by kind.
#ifndef QUORVEX_IDLGEN_JAVATYPEOPS_H
#define QUORVEX_IDLGEN_JAVATYPEOPS_H

#include "idlgen/java/core/JavaAST.h"

class JavaDeclarator;

class JavaBaseTypeOps : public JavaType {
public:
    // The helper generator for a named type (struct, exception, enum ...).
    static JavaBaseTypeOps& project(const TypeSpec& ts);

    void print(std::ostream& out) const override { out << helperName(); }
    Tag getTag() const override { return jTypeOps; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;

    // The name of the type the helper serves.
    virtual JavaName getMyJavaName() const;
    // The declarator whose repository identifier the helper gives.
    virtual const JavaDeclarator& getMyJavaDeclarator() const;
    // [T]: the Java type of the values the helper moves.
    virtual String valueType() const;

    void printTypeMethods(std::ostream& out) const;
    void printInstantiationPreventer(std::ostream& out) const;
    void printRepIdAccessor(std::ostream& out) const;
    virtual void printAnyOps(std::ostream& out) const;
    virtual void printTypeCodeAccessor(std::ostream& out) const;
    virtual void printNarrow(std::ostream& out) const {}
    // The expression that creates the type's TypeCode in place, for types
    // whose TypeCode is built inside other TypeCode expressions (sequences
    // and arrays); any other kind is an internal error.
    virtual String printCreateCall() const;

    // The Helper of a type with no more to say than the marshal calls
    // (types make theirs through JavaKind::makeHelper).
    explicit JavaBaseTypeOps(const JavaAST& type) : type(&type) {}

protected:
    const JavaAST& getType() const { return *type; }
    JavaName helperName() const;

    // The accessor around a lazily created, cached TypeCode: `declarations`
    // go before the method, `body` inside it.
    void printCachedTypeCode(std::ostream& out, const String& declarations, const String& body) const;
    // The body shared by struct and exception: the member table and the
    // creation call `create` ("create_struct_tc" ...).
    String memberTableBody(const char* create) const;

    // A recursive type's accessor enters its own construction once more
    // (through a sequence of itself); that inner call answers a recursive
    // placeholder instead.  The flag it keeps goes before the method, the
    // first part of the guard at the start of the construction, the second
    // at its end.
    static const char* const recursionFlag;
    static const char* const recursionGuardStart;
    static const char* const recursionGuardEnd;

private:
    const JavaAST* type;
};

class JavaStructTypeOps : public JavaBaseTypeOps {
public:
    explicit JavaStructTypeOps(const JavaAST& type) : JavaBaseTypeOps(type) {}
    void printTypeCodeAccessor(std::ostream& out) const override;
};

class JavaExceptionTypeOps : public JavaBaseTypeOps {
public:
    explicit JavaExceptionTypeOps(const JavaAST& type) : JavaBaseTypeOps(type) {}
    void printTypeCodeAccessor(std::ostream& out) const override;
};

class JavaEnumTypeOps : public JavaBaseTypeOps {
public:
    explicit JavaEnumTypeOps(const JavaAST& type) : JavaBaseTypeOps(type) {}
    void printTypeCodeAccessor(std::ostream& out) const override;
};

class JavaSequenceTypeOps : public JavaBaseTypeOps {
public:
    explicit JavaSequenceTypeOps(const JavaAST& type) : JavaBaseTypeOps(type) {}
    void printTypeCodeAccessor(std::ostream& out) const override;
    String printCreateCall() const override;
};

class JavaArrayTypeOps : public JavaBaseTypeOps {
public:
    explicit JavaArrayTypeOps(const JavaAST& type) : JavaBaseTypeOps(type) {}
    String printCreateCall() const override;
};

// The helper of a typedef name: marshals the aliased type under the
// typedef's name.
class JavaTypedefTypeOps : public JavaBaseTypeOps {
public:
    JavaTypedefTypeOps(const JavaAST& aliased, const JavaDeclarator& typedefDeclarator)
        : JavaBaseTypeOps(aliased), declarator(&typedefDeclarator) {}

    JavaName getMyJavaName() const override;
    const JavaDeclarator& getMyJavaDeclarator() const override { return *declarator; }
    String valueType() const override;
    void printMarshalMethods(std::ostream& out) const override;
    void printTypeCodeAccessor(std::ostream& out) const override;

private:
    const JavaDeclarator* declarator;
};

#endif
