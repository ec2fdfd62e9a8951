// Projection of an IDL sequence type.  A sequence is a Java array of its
// element type; it has no class of its own and is marshalled inline: the
// bound check (bounded sequences), the length, then the elements.
#ifndef QUORVEX_IDLGEN_JAVASEQUENCETYPE_H
#define QUORVEX_IDLGEN_JAVASEQUENCETYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class JavaExpr;
class SequenceTypeSpec;

class JavaSequenceType : public JavaAST, public JavaKind {
public:
    static JavaSequenceType& project(const SequenceTypeSpec& ts) {
        return projectionOf<JavaSequenceType>(ts, [&] { return new JavaSequenceType(ts); });
    }

    // The element type followed by "[]".
    void print(std::ostream& out) const override;
    // A block holding the statements of depth 1.
    void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                      const String& indent) const override;
    void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                        const String& indent) const override;

    const JavaAST& getElementType() const;
    bool hasUpperBound() const;
    const JavaExpr& getUpperBound() const;

    // The statements at nesting depth `depth`, without a block of their own.
    void internalMarshalConsume(std::ostream& out, const char* stream, const String& variable,
                                const String& indent, int depth) const;
    void internalUnmarshal(std::ostream& out, const char* stream, const String& variable, const String& indent,
                           int depth) const;
    // The allocation of a sequence value with `length` elements.
    String createNew(const String& length) const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 19; }
    bool travelsInHolder() const override { return true; }
    bool unionNeedsHolder() const override { return false; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    bool typedefWritesHolder() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaSequenceType*>(&t) != nullptr; }
    static const JavaSequenceType& narrow(const JavaType& t);

private:
    explicit JavaSequenceType(const SequenceTypeSpec& ts);
    const SequenceTypeSpec& sequence() const;
};

#endif
