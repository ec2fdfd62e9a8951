// The parameters of an operation, one JavaArg per declarator of each
// parameter declaration, in order.  Prints as the Java parameter list.
#ifndef QUORVEX_IDLGEN_JAVAARGLIST_H
#define QUORVEX_IDLGEN_JAVAARGLIST_H

#include <vector>

#include "ast/tree/printable.h"
#include "idlgen/java/interfaces/JavaArg.h"

class DeclList;

class JavaArgList : public Printable {
public:
    explicit JavaArgList(const DeclList& params);

    const std::vector<JavaArg>& get() const { return args; }
    bool containsOut() const;

    // The members separated by ", ".
    void print(std::ostream& out) const override;

private:
    std::vector<JavaArg> args;
};

#endif
