#include <ostream>

#include "ast/tree/typespec.h"

// BuiltinTypeSpec

void BuiltinTypeSpec::print(std::ostream& out) const { out << "[[BUILTIN]]"; }
