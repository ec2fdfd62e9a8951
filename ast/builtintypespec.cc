#include <ostream>

#include "typespec.h"

// BuiltinTypeSpec

void BuiltinTypeSpec::print(std::ostream& out) const { out << "[[BUILTIN]]"; }
