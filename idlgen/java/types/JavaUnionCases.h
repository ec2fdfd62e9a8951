// The cases of a union as its generators walk them: for each case its
// labels, whether it holds the default label, and its branch (type, Java
// type and name, and whether the value is kept in a holder); together with
// how the discriminator is switched on and how labels are written in Java.
#ifndef QUORVEX_IDLGEN_JAVAUNIONCASES_H
#define QUORVEX_IDLGEN_JAVAUNIONCASES_H

#include <vector>

#include "idlgen/java/core/JavaName.h"
#include "lib/String.h"

class DeclList;
class Declarator;
class Expr;
class JavaAST;
class JavaDeclarator;
class UnionTypeSpec;

class JavaUnionCases {
public:
    struct Case {
        std::vector<const Expr*> labels;  // the labels other than default, in order
        std::vector<const Expr*> allLabels;  // every label, default included, in order
        bool hasDefault;
        const JavaAST* type;  // the branch type; an array projection for an array declarator
        const JavaDeclarator* declarator;
        String javaType;  // [B]
        String item;      // [b]: the getter's and setter's name
        bool boxed;       // kept in its holder inside the union object
        String holder;    // [BH], the holder class of the branch type
        // Such a case also has a setter that takes the discriminator.
        bool takesDiscriminator() const { return hasDefault || labels.size() > 1; }
    };

    explicit JavaUnionCases(const UnionTypeSpec& ts);

    const std::vector<Case>& get() const { return cases; }
    const JavaAST& getSwitchType() const { return *switchType; }
    // [D]: the discriminator's Java type.
    const String& discriminatorType() const { return discriminator; }
    bool hasDefault() const;
    // Every label that is not the default label, case by case.
    std::vector<const Expr*> nonDefaultLabels() const;
    bool isEnum() const { return kind == enumKind; }

    // A label as a switch on the discriminator compares it: the enum's
    // integer constant, 1 or 0 for a boolean, the decimal text of a 64-bit
    // value, else the cast expression.
    String labelText(const Expr& label) const;
    // A label as a value of the discriminator type: "(" [D] ") " expression.
    String labelValue(const Expr& label) const;
    // The switch head on the discriminator expression `x`, led by `lead`.
    String switchHead(const String& x, const char* lead = "\t") const;

    // The enumerator a label names, directly or through constants; null
    // when it names none.
    static const Declarator* enumeratorOf(const Expr& label);

    // The element declarations of the union's cases, in order.
    static const DeclList& elements(const UnionTypeSpec& ts);

private:
    // wideKind: a 64-bit integer, which Java cannot switch on.
    enum Kind { enumKind, booleanKind, wideKind, otherKind };

    const JavaAST* switchType;
    String discriminator;
    Kind kind;
    std::vector<Case> cases;
};

#endif
