// The skeleton of an IDL interface, "_" [Name] "ImplBase": the abstract
// class an implementation extends.  Its _execute receives an operation
// number and the two argument arrays the stub filled, converts the
// arguments back, calls the implementation and stores the result and any
// raised exception into the arrays.  The numbers are the stub's.
#ifndef QUORVEX_IDLGEN_JAVAIMPLBASE_H
#define QUORVEX_IDLGEN_JAVAIMPLBASE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaProjection.h"

class InterfaceTypeSpec;

class JavaImplBase : public JavaNamedAST {
public:
    static JavaImplBase& project(const InterfaceTypeSpec& ts) {
        return projectionOf<JavaImplBase>(ts, [&] { return new JavaImplBase(ts); });
    }

    // The skeleton class name.
    void print(std::ostream& out) const override;
    Tag getTag() const override { return jSkeleton; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;

    // The two _execute methods.
    void printOpSkeletons(std::ostream& out, const InterfaceTypeSpec& iface) const;

    static bool isA(const JavaType& t) { return t.getTag() == jSkeleton; }
    static const JavaImplBase& narrow(const JavaType& t);

private:
    explicit JavaImplBase(const InterfaceTypeSpec& ts);
};

#endif
