#include <ostream>

#include "ast/tree/types.h"

// BuiltinTypeSpec

void BuiltinTypeSpec::print(std::ostream& out) const { out << (native ? "native" : "[[BUILTIN]]"); }
