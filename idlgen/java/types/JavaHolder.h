// Holder classes: the mutable box, with one public field `value`, through
// which out and inout parameters pass.  A named type gets a holder class
// [Type]Holder in its package; base types and strings use the runtime's
// own holders and get no file.
#ifndef QUORVEX_IDLGEN_JAVAHOLDER_H
#define QUORVEX_IDLGEN_JAVAHOLDER_H

#include "idlgen/java/core/JavaAST.h"

class JavaHolder : public JavaAST {
public:
    // The holder of a type, chosen by what the type finally is: base type,
    // string, sequence, or any other (named) type.
    static JavaHolder& project(const TypeSpec& ts);
    static JavaHolder& project(const JavaAST& type);

    // The holder class name.
    void print(std::ostream& out) const override;
    Tag getTag() const override { return jHolder; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;

    const JavaAST& getHeldType() const { return *held; }
    virtual JavaName getHolderName() const;

    static bool isA(const JavaType& t) { return t.getTag() == jHolder; }
    static const JavaHolder& narrow(const JavaType& t);

    // A named type's holder (types make theirs through JavaKind::makeHolder).
    explicit JavaHolder(const JavaAST& held);

protected:
    JavaHolder(const TypeSpec& placeholder, const JavaAST& held);

    // The holder file: class line, the brace that opens the body, the
    // argument of the default constructor, the text after the second
    // constructor, and the helper that marshals the value.
    void writeHolder(JavaFiles& files, const ConFile& source, int verbose, const char* who,
                     const char* implementsLine, const String& defaultValue, const char* afterConstructors,
                     const JavaName& helper) const;
    static void printHolderMarshal(std::ostream& out, const JavaName& helper);

private:
    const JavaAST* held;
};

// The holder of an enum class: the named-type holder.
class JavaEnumHolder : public JavaHolder {
public:
    explicit JavaEnumHolder(const JavaAST& held) : JavaHolder(held) {}
};

// The runtime's holder of a base type; no file.
class JavaBaseHolder : public JavaHolder {
public:
    explicit JavaBaseHolder(const JavaAST& held) : JavaHolder(held) {}
    void print(std::ostream& out) const override;
    JavaName getHolderName() const override;
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
};

// The runtime's string holder; no file.
class JavaStringHolder : public JavaHolder {
public:
    explicit JavaStringHolder(const JavaAST& held) : JavaHolder(held) {}
    void print(std::ostream& out) const override;
    JavaName getHolderName() const override;
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
};

// The holder of an anonymous sequence named by a typedef.
class JavaSequenceHolder : public JavaHolder {
public:
    explicit JavaSequenceHolder(const JavaAST& held) : JavaHolder(held) {}
    void print(std::ostream& out) const override;
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
};

#endif
