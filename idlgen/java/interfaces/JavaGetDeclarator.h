// The get accessor of an attribute: its descriptor, its stub method and
// its case in the skeleton.
#ifndef QUORVEX_IDLGEN_JAVAGETDECLARATOR_H
#define QUORVEX_IDLGEN_JAVAGETDECLARATOR_H

#include <iosfwd>

#include "idlgen/java/interfaces/JavaAccessorDeclarator.h"

class JavaGetDeclarator : public JavaAccessorDeclarator {
public:
    explicit JavaGetDeclarator(const SimpleDeclarator& attribute);

    // [AttrName] "() throws " [SystemException]
    String signature() const;
    void printDescriptor(std::ostream& out, const String& indent, int index) const override;
    // The stub method with its comment line.
    void printStubMethod(std::ostream& out, int index) const override;
    // The stub method, comment line excepted.
    void printMethod(std::ostream& out, int index) const;
    void printSkeletonFragment(std::ostream& out, const String& indent, int index) const override;
};

#endif
