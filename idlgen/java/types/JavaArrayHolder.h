// The holder of an array reached through its typedef.  An array type has no
// Java name of its own (it is built over a placeholder type), so its holder
// is the one written for the typedef that declares it: [Typedef]Holder.
#ifndef QUORVEX_IDLGEN_JAVAARRAYHOLDER_H
#define QUORVEX_IDLGEN_JAVAARRAYHOLDER_H

#include "idlgen/java/core/JavaName.h"
#include "idlgen/java/types/JavaHolder.h"

class JavaArrayHolder : public JavaHolder {
public:
    JavaArrayHolder(const JavaAST& array, const JavaName& typedefName) : JavaHolder(array), name(typedefName) {}
    JavaName getHolderName() const override;

private:
    JavaName name;
};

#endif
