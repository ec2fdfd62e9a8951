// The helper of an interface: its TypeCode, and the narrowing of an object
// reference to the interface.
#ifndef QUORVEX_IDLGEN_JAVAINTERFACETYPEOPS_H
#define QUORVEX_IDLGEN_JAVAINTERFACETYPEOPS_H

#include "idlgen/java/types/JavaTypeOps.h"

class JavaInterfaceTypeOps : public JavaBaseTypeOps {
public:
    explicit JavaInterfaceTypeOps(const JavaAST& type) : JavaBaseTypeOps(type) {}
    void printTypeCodeAccessor(std::ostream& out) const override;
    void printNarrow(std::ostream& out) const override;
};

#endif
