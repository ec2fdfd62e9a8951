#include <ostream>

#include "ast/tree/types.h"

// VoidTypeSpec

bool VoidTypeSpec::operator==(TypeSpec& other) { return VoidTypeSpec::is(other); }

void VoidTypeSpec::print(std::ostream& out) const { out << "void"; }
