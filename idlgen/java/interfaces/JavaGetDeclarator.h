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
    void printDescriptor(std::ostream& out, const String& indent, int index) const;
    // The stub method, comment line excepted.
    void printMethod(std::ostream& out, int index) const;
    void printSkeletonFragment(std::ostream& out, const String& indent, int index) const;
};

#endif
