// Projection of an operation of an interface: its Java signature, its
// operation descriptor, the stub method body that packs the arguments into
// the two argument arrays and calls the runtime, and the skeleton's case
// that unpacks them and calls the implementation.
#ifndef QUORVEX_IDLGEN_JAVAOPDECLARATOR_H
#define QUORVEX_IDLGEN_JAVAOPDECLARATOR_H

#include <iosfwd>
#include <vector>

#include "ast/tree/printable.h"
#include "idlgen/java/core/JavaName.h"
#include "idlgen/java/interfaces/JavaOperation.h"
#include "lib/String.h"

class ExceptionTypeSpec;
class JavaAST;
class JavaArgList;
class OpDeclarator;

class JavaOpDeclarator : public Printable, public JavaOperation {
public:
    explicit JavaOpDeclarator(const OpDeclarator& op) : op(&op) {}

    const OpDeclarator& getOpDeclarator() const { return *op; }
    // The Java method name.
    String getMethodName() const;
    const String& getIDLName() const;
    JavaAST& getResultType() const;
    bool hasResult() const;
    JavaArgList& getArgs() const;
    bool isClass() const;
    bool isOneway() const;
    // The exceptions of the raises list, in its order, each once (a name
    // given twice would make two identical catch clauses).
    std::vector<const ExceptionTypeSpec*> getRaises() const;

    // [MethodName] "(" [Params] ")\n", then the throws clause when the
    // operation raises exceptions.
    void print(std::ostream& out) const override;

    String idlName() const override { return getIDLName(); }
    void printDescriptor(std::ostream& out, const String& indent, int index) const override;
    // The comment line, signature and body of the stub method; nothing for
    // an operation of a class.
    void printStubMethod(std::ostream& out, int index) const override;
    // The stub method body, after the signature.
    void printDefinition(std::ostream& out, int index) const;
    // The stub's dispatch of the exception that came back.
    void printExceptionCatches(std::ostream& out, const String& indent) const;
    // The body of the skeleton's case for this operation.
    void printSkeletonFragment(std::ostream& out, const String& indent, int index) const override;

private:
    const OpDeclarator* op;
};

#endif
