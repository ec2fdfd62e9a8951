// The helper of a union: its TypeCode describes the discriminator type and
// one member per case, each with the case's label.
#ifndef QUORVEX_IDLGEN_JAVAUNIONTYPEOPS_H
#define QUORVEX_IDLGEN_JAVAUNIONTYPEOPS_H

#include "idlgen/java/types/JavaTypeOps.h"

class JavaUnionTypeOps : public JavaBaseTypeOps {
public:
    explicit JavaUnionTypeOps(const JavaAST& type) : JavaBaseTypeOps(type) {}
    void printTypeCodeAccessor(std::ostream& out) const override;
};

#endif
