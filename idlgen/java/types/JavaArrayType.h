// Projection of one dimension of an IDL array declarator.  Arrays have no
// type node of their own; the projection is built over a placeholder void
// type and keeps its element type and bound.  An array is a Java array
// marshalled inline: the length check, then the elements (the length
// itself is fixed by the type and not written).
#ifndef QUORVEX_IDLGEN_JAVAARRAYTYPE_H
#define QUORVEX_IDLGEN_JAVAARRAYTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"

class ArrayDeclarator;
class Expr;
class JavaExpr;
class JavaExprList;

class JavaArrayType : public JavaAST, public JavaKind {
public:
    // The chain of dimensions of an array declarator, outermost first.
    static JavaArrayType& project(const TypeSpec& element, const JavaExprList& bounds);
    // The array an array declarator declares.  When the declarator is a
    // typedef the array is named after it, so that its Holder and Helper
    // can be found.
    static JavaArrayType& project(const ArrayDeclarator& declarator);

    JavaName getJavaName() const override;

    void print(std::ostream& out) const override;
    // A block holding the statements of depth 1.
    void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                      const String& indent) const override;
    void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                        const String& indent) const override;

    const JavaAST& getElementType() const { return *element; }
    const JavaExpr& getBound() const;

    // The statements at nesting depth `depth`, without a block of their own.
    void internalMarshalConsume(std::ostream& out, const char* stream, const String& variable,
                                const String& indent, int depth) const;
    void internalUnmarshal(std::ostream& out, const char* stream, const String& variable, const String& indent,
                           int depth) const;
    // The allocation of an array value with every dimension sized.
    String createNew() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 20; }
    bool travelsInHolder() const override { return true; }
    bool unionNeedsHolder() const override { return false; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaArrayType*>(&t) != nullptr; }
    static const JavaArrayType& narrow(const JavaType& t);

private:
    JavaArrayType(const JavaAST& element, const Expr* bound);
    const JavaAST* element;
    const Expr* bound;
    const ArrayDeclarator* typedefDeclarator = nullptr;
};

#endif
