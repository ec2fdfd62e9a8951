#include <ostream>

#include "ast/tree/typespec.h"

// VoidTypeSpec

bool VoidTypeSpec::operator==(TypeSpec& other) { return VoidTypeSpec::is(other); }

void VoidTypeSpec::print(std::ostream& out) const { out << "void"; }
